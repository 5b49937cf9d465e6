#include "card_entry_rules.h"

#include "box_commands.h"
#include "busy_scope.h"
#include "box_editor_rules.h"
#include "typed_confirmation.h"

#include "trop/model/results.h"
#include "trop/scoring/evaluate_card.h"
#include "trop/store/messages.h"
#include "trop/ui/dialogs/integer_entry.h"

#include <algorithm>

namespace trop {
namespace {

struct FieldRange {
    int low;
    int high;
};

// A card is stored only with a finish time: 0 would mean "no finish time".
FieldRange rangeOf(CardField field, bool storing)
{
    switch (field) {
    case CardField::StartTime:
        return {0, 1000};
    case CardField::FinishTime:
        return {storing ? 1 : 0, 1000};
    case CardField::PenaltyPoints:
        return {0, 10000};
    case CardField::TaskValue:
        return {-100000, 100000};
    }
    return {0, 0};
}

std::int32_t& valueOf(ControlCard& card, CardField field)
{
    switch (field) {
    case CardField::StartTime:
        return card.startTime;
    case CardField::FinishTime:
        return card.finishTime;
    case CardField::PenaltyPoints:
        return card.penaltyPoints;
    case CardField::TaskValue:
        break;
    }
    return card.taskValue;
}

bool isBlank(const std::string& text) { return trimBlanks(text).empty(); }

} // namespace

bool isSeniorTeam(const MemberTable& members, int teamNumber, int currentYear)
{
    int count = 0;
    for (int i = 0; i < memberCount(members); ++i) {
        const MemberRecord& member = members.records[i];
        if (member.teamNumber != teamNumber)
            continue;
        if (!member.birthYearSet || currentYear - member.birthYear < 50)
            return false;
        ++count;
    }
    return count > 0;
}

CardEntryRules::CardEntryRules(CardsStage& cards, int cardIndex) : cards_(cards)
{
    showCard(cardIndex);
}

CardEntryRules::~CardEntryRules() = default;

CardView CardEntryRules::view() const
{
    return viewOfCard(working_, *cards_.stage, *cards_.members);
}

bool CardEntryRules::hasPrevious() const { return index_ > 0; }

bool CardEntryRules::hasNext() const { return index_ + 1 < cardCount(*cards_.table); }

void CardEntryRules::showCard(int index)
{
    index_ = index;
    working_ = cards_.table->cards[index];
    evaluate();
    seniorTeam_ = isSeniorTeam(*cards_.members, working_.teamNumber, cards_.currentYear);
    dirty_ = false;
}

void CardEntryRules::evaluate()
{
    evaluateCard(working_, *cards_.stage, *cards_.table);
}

// The first thing typed into a fresh card: the question about the longer
// limit (once per card shown), then times, points and task start from 0.
void CardEntryRules::enterFreshCard()
{
    if (seniorTeam_) {
        seniorTeam_ = false;
        if (showMessage(26) == MessageAnswer::Yes)
            working_.extendedLimit = 1;
    }
    working_.startTime = 0;
    working_.finishTime = 0;
    working_.timePenalty = 0;
    working_.penaltyPoints = 0;
    working_.taskValue = 0;
    working_.missingPenalty = 0;
    working_.notEntered = 0;
    dirty_ = true;
}

CardFieldTexts CardEntryRules::shownTexts() const
{
    CardFieldTexts texts;
    for (CardField field : kCardFields)
        fieldIn(texts, field) = cardFieldText(working_, field);
    return texts;
}

bool CardEntryRules::typedDiffers(const CardFieldTexts& typed) const
{
    const CardFieldTexts shown = shownTexts();
    for (CardField field : kCardFields)
        if (!(field == CardField::PenaltyPoints && working_.autoScore) && fieldIn(typed, field) != fieldIn(shown, field))
            return true;
    return false;
}

RefusedField CardEntryRules::takeFields(const CardFieldTexts& typed, bool storing)
{
    if (working_.notEntered)
        return std::nullopt; // its fields are blank and nothing was typed
    for (CardField field : kCardFields) {
        if (field == CardField::PenaltyPoints && working_.autoScore)
            continue;
        const std::string& text = fieldIn(typed, field);
        if (field == CardField::FinishTime && !storing && isBlank(text)) {
            working_.finishTime = 0;
            continue;
        }
        const FieldRange range = rangeOf(field, storing);
        const std::optional<int> value = readIntegerField(text, range.low, range.high);
        if (!value)
            return field;
        valueOf(working_, field) = *value;
    }
    return std::nullopt;
}

RefusedField CardEntryRules::takeAndEvaluate(const CardFieldTexts& typed)
{
    const RefusedField refused = takeFields(typed, false);
    evaluate();
    return refused;
}

RefusedField CardEntryRules::leaveField(CardField field, const CardFieldTexts& typed)
{
    if (busy_ || (field == CardField::PenaltyPoints && working_.autoScore))
        return std::nullopt;
    BusyScope scope(busy_);
    const std::string& text = fieldIn(typed, field);
    std::optional<long long> value = parseInteger(text);
    if (!value && isBlank(text) && field == CardField::FinishTime)
        value = 0; // a blank "TM": no finish time yet
    if (working_.notEntered && isBlank(text))
        return std::nullopt; // a fresh card stays fresh
    if (!value) {
        showMessageText(integerMessage(), MessageStyle::Notice);
        return field;
    }
    if (*value != valueOf(working_, field))
        dirty_ = true;
    if (!working_.notEntered)
        return takeAndEvaluate(typed);
    enterFreshCard();
    CardFieldTexts texts = shownTexts();
    fieldIn(texts, field) = text;
    return takeAndEvaluate(texts);
}

RefusedField CardEntryRules::setAutoScore(bool on, const CardFieldTexts& typed)
{
    if (busy_)
        return std::nullopt;
    BusyScope scope(busy_);
    working_.autoScore = on ? 1 : 0;
    dirty_ = true;
    if (!working_.notEntered)
        return takeAndEvaluate(typed);
    enterFreshCard();
    return takeAndEvaluate(shownTexts());
}

RefusedField CardEntryRules::setExtendedLimit(bool on, const CardFieldTexts& typed)
{
    if (busy_)
        return std::nullopt;
    BusyScope scope(busy_);
    working_.extendedLimit = on ? 1 : 0;
    dirty_ = true;
    if (!working_.notEntered)
        return takeAndEvaluate(typed);
    seniorTeam_ = false; // the judge has just decided about the limit
    enterFreshCard();
    return takeAndEvaluate(shownTexts());
}

bool CardEntryRules::canInsertBox() const { return trop::canInsertBox(working_); }

RefusedField CardEntryRules::insertBox(int box, const CardFieldTexts& typed)
{
    if (!canInsertBox())
        return std::nullopt;
    trop::insertBox(working_, box);
    dirty_ = true;
    return takeAndEvaluate(typed);
}

RefusedField CardEntryRules::deleteBox(int box, const CardFieldTexts& typed)
{
    trop::deleteBox(working_, box);
    dirty_ = true;
    return takeAndEvaluate(typed);
}

std::unique_ptr<BoxEditorRules> CardEntryRules::openBoxEditor(int box)
{
    editorOnFreshCard_ = working_.notEntered != 0;
    const BoxClipboard& clipboard = cards_.clipboard;
    const bool tramOffered = clipboard.filled && clipboard.teamNumber != working_.teamNumber;
    return std::make_unique<BoxEditorRules>(working_, cards_, std::clamp(box, 0, kBoxCount - 1), tramOffered);
}

RefusedField CardEntryRules::boxEditorEnded(const BoxEditorRules& editor, const CardFieldTexts& typed)
{
    if (!editor.modified())
        return std::nullopt;
    BoxClipboard& clipboard = cards_.clipboard;
    std::copy(std::begin(working_.boxes), std::end(working_.boxes), clipboard.boxes);
    clipboard.teamNumber = working_.teamNumber;
    clipboard.filled = true;
    dirty_ = true;
    if (!editorOnFreshCard_)
        return takeAndEvaluate(typed);
    // The editor has already marked the card entered: the fresh card's
    // question and reset belong here all the same.
    BusyScope scope(busy_);
    enterFreshCard();
    return takeAndEvaluate(shownTexts());
}

// What was typed but not yet taken counts as if the field had been left.
RefusedField CardEntryRules::commitTyped(const CardFieldTexts& typed)
{
    const CardFieldTexts shown = shownTexts();
    for (CardField field : kCardFields) {
        if (fieldIn(typed, field) == fieldIn(shown, field))
            continue;
        if (const RefusedField refused = leaveField(field, typed))
            return refused;
    }
    return std::nullopt;
}

// Called after the typed texts were taken: the card's own values are checked
// once more as for storing.
RefusedField CardEntryRules::storeIfChanged()
{
    if (working_.notEntered || !dirty_)
        return std::nullopt;
    if (const RefusedField refused = takeFields(shownTexts(), true))
        return refused;
    evaluate();
    cards_.table->cards[index_] = working_;
    storedSomething_ = true;
    dirty_ = false;
    if (reevaluateStoredCards(*cards_.table, *cards_.stage))
        cards_.changed = true;
    saveStoredCards(cards_);
    working_ = cards_.table->cards[index_];
    return std::nullopt;
}

RefusedField CardEntryRules::move(int step, const CardFieldTexts& typed)
{
    const int target = index_ + step;
    if (busy_ || target < 0 || target >= cardCount(*cards_.table))
        return std::nullopt;
    if (const RefusedField refused = commitTyped(typed))
        return refused;
    if (const RefusedField refused = storeIfChanged())
        return refused;
    showCard(target);
    return std::nullopt;
}

RefusedField CardEntryRules::moveNext(const CardFieldTexts& typed) { return move(1, typed); }

RefusedField CardEntryRules::movePrevious(const CardFieldTexts& typed) { return move(-1, typed); }

CardWindowEnding CardEntryRules::ending() const
{
    return {true, storedSomething_, std::nullopt};
}

CardWindowEnding CardEntryRules::confirm(const CardFieldTexts& typed)
{
    if (busy_)
        return {};
    RefusedField refused = commitTyped(typed);
    if (!refused)
        refused = storeIfChanged();
    if (refused)
        return {false, false, refused};
    return ending();
}

CardWindowEnding CardEntryRules::cancel(const CardFieldTexts& typed)
{
    if (busy_)
        return {};
    const bool unsaved = (dirty_ && !working_.notEntered) || typedDiffers(typed);
    if (!unsaved)
        return ending();
    MessageAnswer answer;
    {
        BusyScope scope(busy_);
        answer = showMessageText(kUnsavedCardQuestion, MessageStyle::QuestionCancel);
    }
    switch (answer) {
    case MessageAnswer::Yes:
        return confirm(typed);
    case MessageAnswer::No:
        return ending();
    default:
        return {};
    }
}

} // namespace trop
