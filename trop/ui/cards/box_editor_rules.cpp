#include "box_editor_rules.h"

#include "box_commands.h"
#include "busy_scope.h"
#include "typed_confirmation.h"

#include "trop/model/record_bounds.h"
#include "trop/model/results.h"
#include "trop/model/stage_file.h"
#include "trop/scoring/evaluate_card.h"
#include "trop/store/cp1250.h"
#include "trop/store/fixed_text.h"
#include "trop/store/messages.h"
#include "trop/ui/dialogs/integer_entry.h"

#include <algorithm>
#include <cstring>

namespace trop {
namespace {

DescriptionKind kindOf(std::int32_t isLop, std::int32_t isArea)
{
    return isLop ? DescriptionKind::Lop : isArea ? DescriptionKind::Area : DescriptionKind::Normal;
}

void setKind(std::int32_t& isLop, std::int32_t& isArea, DescriptionKind kind)
{
    isLop = kind == DescriptionKind::Lop ? 1 : 0;
    isArea = kind == DescriptionKind::Area ? 1 : 0;
}

std::int32_t& markOf(Confirmation& box, BoxMark mark)
{
    switch (mark) {
    case BoxMark::WrongDescription:
        return box.wrongDescription;
    case BoxMark::OrderChange:
        return box.orderChange;
    case BoxMark::Repeated:
        break;
    }
    return box.repeated;
}

const char* kindText(std::int32_t valueKind)
{
    switch (valueKind) {
    case CorrectControl:
        return "PK";
    case AssociatedControl:
        return "PS";
    case WrongPoint:
        return "PM";
    }
    return "";
}

} // namespace

BoxEditorRules::BoxEditorRules(ControlCard& card, CardsStage& cards, int box, bool tramOffered)
    : card_(card), cards_(cards), box_(box), tramOffered_(tramOffered), codeOrder_(codeDisplayOrder(*cards.stage))
{
}

BoxEditorView BoxEditorRules::view() const
{
    const Confirmation& box = current();
    BoxEditorView view;
    view.boxNumber = box_ + 1;
    view.used = !box.empty;
    if (box.empty)
        return view;
    const StageDefinition& stage = *cards_.stage;
    view.code = std::string(codeText(stage, box.codeIndex));
    if (validCodeIndex(stage, box.codeIndex))
        view.colour = stage.codeTable[box.codeIndex].colour;
    view.description = boxDescriptionText(box.cardDescription, box.cardIsLop, box.cardIsArea);
    view.cardKind = kindOf(box.cardIsLop, box.cardIsArea);
    view.cardDescription = std::string(fieldText(box.cardDescription));
    view.correctKind = kindOf(box.correctIsLop, box.correctIsArea);
    view.correctDescription = std::string(fieldText(box.correctDescription));
    view.autoDescription = box.autoDescription != 0;
    view.autoValue = box.autoValue != 0;
    view.valueKind = box.valueKind;
    view.marks[0] = box.wrongDescription != 0;
    view.marks[1] = box.orderChange != 0;
    view.marks[2] = box.repeated != 0;
    view.penalty = std::to_string(box.penalty);
    view.kindText = kindText(box.valueKind);
    view.penaltyText = box.penalty == 0 ? std::string() : std::to_string(box.penalty);
    return view;
}

std::vector<CodeButtonView> BoxEditorRules::codeButtons() const
{
    std::vector<CodeButtonView> buttons;
    for (int index : codeOrder_)
        buttons.push_back({std::string(codeText(*cards_.stage, index)), cards_.stage->codeTable[index].colour});
    return buttons;
}

void BoxEditorRules::evaluate()
{
    evaluateCard(card_, *cards_.stage, *cards_.table);
}

// Every change takes an empty box into use first; a change that leaves the
// box as it was does nothing.
template <typename Change>
void BoxEditorRules::change(Change apply)
{
    Confirmation box = current().empty ? usedBox() : current();
    apply(box);
    if (!current().empty && std::memcmp(&box, &current(), sizeof box) == 0)
        return;
    current() = box;
    card_.notEntered = 0;
    evaluate();
    modified_ = true;
}

void BoxEditorRules::emptyCurrentBox()
{
    if (current().empty)
        return;
    current().empty = 1;
    evaluate();
    modified_ = true;
}

void BoxEditorRules::chooseCode(int displayPosition)
{
    if (displayPosition < 0 || displayPosition >= static_cast<int>(codeOrder_.size()))
        return;
    const int codeIndex = codeOrder_[displayPosition];
    change([codeIndex](Confirmation& box) { box.codeIndex = codeIndex; });
}

EditorFocus BoxEditorRules::leaveCode(std::string_view typed)
{
    if (busy_)
        return EditorFocus::Free;
    codeFieldTouched_ = false;
    const std::string text(trimBlanks(typed));
    if (text == view().code)
        return EditorFocus::Free;
    if (text.empty()) {
        emptyCurrentBox();
        return EditorFocus::Free;
    }
    if (const std::optional<int> codeIndex = findTypedCode(*cards_.stage, text)) {
        change([&](Confirmation& box) { box.codeIndex = *codeIndex; });
        return EditorFocus::Free;
    }
    askToAddCode(text);
    return EditorFocus::Code;
}

void BoxEditorRules::askToAddCode(const std::string& code)
{
    BusyScope scope(busy_);
    const std::string shown = cp1250ToUtf8(code);
    if (usedCodeCount(*cards_.stage) >= kMaxCodes) {
        showMessage(19, shown);
        return;
    }
    if (showMessage(18, shown) != MessageAnswer::Yes || !cards_.addCode || !cards_.addCode(*cards_.stage, code))
        return;
    codeOrder_ = codeDisplayOrder(*cards_.stage);
    ++codesVersion_;
}

void BoxEditorRules::leaveDescription(std::string_view typed, bool tabPressed)
{
    // An untouched field changes nothing, so a stored text is never cut.
    if (trimBlanks(typed) != trimBlanks(view().description)) {
        const TypedDescription description = readTypedDescription(typed);
        change([&](Confirmation& box) {
            setFieldText(box.cardDescription, description.text);
            box.cardIsLop = description.isLop ? 1 : 0;
            box.cardIsArea = description.isArea ? 1 : 0;
        });
    }
    if (tabPressed)
        nextBox();
}

void BoxEditorRules::leaveCardDescription(std::string_view typed)
{
    if (trimBlanks(typed) == trimBlanks(view().cardDescription))
        return;
    const std::string text = readDescriptionField(typed);
    change([&](Confirmation& box) { setFieldText(box.cardDescription, text); });
}

void BoxEditorRules::setCardDescriptionKind(DescriptionKind kind)
{
    change([kind](Confirmation& box) { setKind(box.cardIsLop, box.cardIsArea, kind); });
}

void BoxEditorRules::leaveCorrectDescription(std::string_view typed)
{
    if (trimBlanks(typed) == trimBlanks(view().correctDescription))
        return;
    const std::string text = readDescriptionField(typed);
    change([&](Confirmation& box) { setFieldText(box.correctDescription, text); });
}

void BoxEditorRules::setCorrectDescriptionKind(DescriptionKind kind)
{
    change([kind](Confirmation& box) { setKind(box.correctIsLop, box.correctIsArea, kind); });
}

void BoxEditorRules::setAutoDescription(bool on)
{
    change([on](Confirmation& box) { box.autoDescription = on ? 1 : 0; });
}

void BoxEditorRules::setAutoValue(bool on)
{
    change([on](Confirmation& box) { box.autoValue = on ? 1 : 0; });
}

void BoxEditorRules::setValueKind(int kind)
{
    change([kind](Confirmation& box) { box.valueKind = std::clamp(kind, 0, 2); });
}

void BoxEditorRules::setMark(BoxMark mark, bool on)
{
    change([mark, on](Confirmation& box) { markOf(box, mark) = on ? 1 : 0; });
}

bool BoxEditorRules::leavePenalty(std::string_view typed)
{
    if (busy_ || trimBlanks(typed) == view().penalty)
        return true;
    std::optional<int> penalty;
    {
        BusyScope scope(busy_);
        penalty = readIntegerField(typed, 0, 10000);
    }
    if (!penalty)
        return false;
    change([&](Confirmation& box) { box.penalty = *penalty; });
    return true;
}

void BoxEditorRules::previousBox()
{
    box_ = std::max(box_ - 1, 0);
}

void BoxEditorRules::nextBox()
{
    box_ = std::min(box_ + 1, kBoxCount - 1);
}

void BoxEditorRules::tram()
{
    if (!tramOffered_)
        return;
    std::copy(std::begin(cards_.clipboard.boxes), std::end(cards_.clipboard.boxes), card_.boxes);
    card_.notEntered = 0;
    evaluate();
    modified_ = true;
}

EditorFocus BoxEditorRules::finish(std::string_view codeText)
{
    if (busy_)
        return EditorFocus::Code;
    if (!codeFieldTouched_)
        return EditorFocus::Free;
    const std::string text(trimBlanks(codeText));
    const std::optional<int> codeIndex = findTypedCode(*cards_.stage, text);
    if (!text.empty() && text != view().code && !codeIndex)
        return EditorFocus::AutoDescription; // still not taken
    codeFieldTouched_ = false;
    if (text == view().code)
        return EditorFocus::Free;
    if (text.empty())
        emptyCurrentBox();
    else
        change([&](Confirmation& box) { box.codeIndex = *codeIndex; });
    return EditorFocus::Free;
}

} // namespace trop
