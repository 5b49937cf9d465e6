// The card entry window's rules: fresh cards, typed fields, boxes, moving,
// OK and Esc.
#include "cards_fixture.h"

#include "trop/scoring/evaluate_card.h"
#include "trop/ui/dialogs/integer_entry.h"

namespace trop::test {
namespace {

class CardEntryTest : public CardsFixture {};

TEST_F(CardEntryTest, FirstTypedValueEntersAFreshCardAskingSeniorsOnly)
{
    struct Case {
        int team;
        bool asked;
    };
    ensureCard(table(), 9); // a team that has left the participants
    for (const Case c : {Case{1, false}, Case{2, true}, Case{3, false}, Case{5, false}, Case{9, false}}) {
        messages.asked.clear();
        messages.answers = {MessageAnswer::Yes};
        std::unique_ptr<CardEntryRules> rules = card(c.team);
        ASSERT_TRUE(rules->card().notEntered);
        // Tabbing through the blank fields of a fresh card changes nothing.
        for (CardField field : kCardFields)
            EXPECT_FALSE(rules->leaveField(field, texts("", "", "", "")));
        EXPECT_TRUE(messages.asked.empty());
        EXPECT_TRUE(rules->card().notEntered);
        EXPECT_FALSE(rules->leaveField(CardField::StartTime, texts("12", "")));
        EXPECT_EQ(messages.ids(), c.asked ? std::vector<int>{26} : std::vector<int>{}) << c.team;
        EXPECT_EQ(rules->card().extendedLimit, c.asked ? 1 : 0);
        EXPECT_EQ(rules->card().notEntered, 0);
        EXPECT_EQ(rules->card().startTime, 12);
        EXPECT_EQ(rules->view().fields[1], ""); // TM still blank
        EXPECT_EQ(rules->view().fields[3], "0");
        rules->leaveField(CardField::TaskValue, shown(*rules));
        EXPECT_EQ(messages.asked.size(), c.asked ? 1u : 0u) << "asked once per card";
    }
}

TEST_F(CardEntryTest, SeniorQuestionAlsoWhenTheBoxesAreTypedFirst)
{
    std::unique_ptr<CardEntryRules> rules = card(2);
    typeBox(*rules, 0, "AB", "AB");
    EXPECT_EQ(messages.ids(), std::vector<int>{26});
    EXPECT_EQ(rules->card().notEntered, 0);
    EXPECT_TRUE(rules->dirty());
}

TEST_F(CardEntryTest, TypedValuesAreCheckedWithTheStandardMessages)
{
    struct Case {
        CardField field;
        const char* typed;
        std::string message; // empty: accepted
    };
    const Case cases[] = {
        {CardField::StartTime, "", integerMessage()},
        {CardField::StartTime, "1001", integerRangeMessage(0, 1000)},
        {CardField::StartTime, "x1", integerMessage()},
        {CardField::FinishTime, "", ""},
        {CardField::FinishTime, "-1", integerRangeMessage(0, 1000)},
        {CardField::TaskValue, "", integerMessage()},
        {CardField::TaskValue, "-100001", integerRangeMessage(-100000, 100000)},
        {CardField::TaskValue, " -5 ", ""},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CardEntryRules> rules = card(1);
        enterTimes(*rules, "10", "70");
        messages.asked.clear();
        CardFieldTexts typed = shown(*rules);
        fieldIn(typed, c.field) = c.typed;
        const RefusedField refused = rules->leaveField(c.field, typed);
        if (c.message.empty()) {
            EXPECT_FALSE(refused) << c.typed;
            EXPECT_TRUE(messages.asked.empty()) << c.typed;
            continue;
        }
        EXPECT_EQ(refused, c.field) << c.typed;
        ASSERT_EQ(messages.asked.size(), 1u) << c.typed;
        EXPECT_EQ(messages.asked[0].text, c.message);
        // Nothing is stored while the field is refused.
        EXPECT_EQ(rules->moveNext(typed), c.field);
        EXPECT_EQ(rules->cardIndex(), 0);
        EXPECT_EQ(stored(1).notEntered, 1);
    }
}

TEST_F(CardEntryTest, ACardIsNotStoredWithoutAFinishTime)
{
    std::unique_ptr<CardEntryRules> rules = card(1);
    rules->leaveField(CardField::StartTime, texts("10", ""));
    messages.asked.clear();
    EXPECT_EQ(rules->confirm(shown(*rules)).refused, CardField::FinishTime);
    EXPECT_EQ(messages.asked.at(0).text, integerMessage());
    EXPECT_EQ(stored(1).notEntered, 1);
    const CardWindowEnding ending = rules->confirm(texts("10", "95"));
    EXPECT_TRUE(ending.closes && ending.reportsChange);
    EXPECT_EQ(stored(1).finishTime, 95);
}

TEST_F(CardEntryTest, AutoOffKeepsTheTypedPenaltyPointsAndStillComputesTimeAndPoints)
{
    std::unique_ptr<CardEntryRules> rules = card(1);
    enterTimes(*rules, "0", "105");
    typeBox(*rules, 0, "AB", "AB");
    rules->setAutoScore(false, shown(*rules));
    EXPECT_FALSE(rules->view().autoScore);
    rules->leaveField(CardField::PenaltyPoints, texts("0", "105", "77"));
    typeBox(*rules, 1, "cd", "C");
    EXPECT_EQ(rules->card().penaltyPoints, 77);
    EXPECT_EQ(rules->card().timePenalty, 5);
    EXPECT_EQ(rules->card().stagePoints, 10000);
    EXPECT_EQ(rules->leaveField(CardField::PenaltyPoints, texts("0", "105", "10001")), CardField::PenaltyPoints);
}

// Boxes 0..n-1 used with code "AB".
void useBoxes(ControlCard& card, int n)
{
    for (int box = 0; box < n; ++box) {
        card.boxes[box].empty = 0;
        card.boxes[box].codeIndex = 1;
        card.boxes[box].penalty = box; // tells the boxes apart before evaluation
    }
}

TEST_F(CardEntryTest, DeleteAndInsertMoveTheBoxes)
{
    std::unique_ptr<CardEntryRules> rules = card(1);
    enterTimes(*rules, "0", "60");
    ControlCard& working = const_cast<ControlCard&>(rules->card());
    useBoxes(working, 12);
    setFieldText(working.boxes[5].cardDescription, "SIX");
    rules->deleteBox(4, shown(*rules));
    EXPECT_EQ(std::string(fieldText(rules->card().boxes[4].cardDescription)), "SIX");
    EXPECT_FALSE(rules->card().boxes[10].empty);
    EXPECT_TRUE(rules->card().boxes[11].empty);

    rules->insertBox(2, shown(*rules));
    EXPECT_TRUE(rules->card().boxes[2].empty);
    EXPECT_EQ(std::string(fieldText(rules->card().boxes[5].cardDescription)), "SIX");
    EXPECT_EQ(rules->card().boxes[2].penalty, 30); // an empty box between used ones

    useBoxes(working, kBoxCount);
    EXPECT_FALSE(rules->canInsertBox());
    rules->insertBox(0, shown(*rules));
    EXPECT_FALSE(rules->card().boxes[0].empty);
    rules->deleteBox(39, shown(*rules));
    EXPECT_TRUE(rules->card().boxes[39].empty);
    EXPECT_TRUE(rules->canInsertBox());
}

TEST_F(CardEntryTest, MovingStoresAChangedCardAndDropsAFreshOne)
{
    std::unique_ptr<CardEntryRules> rules = card(3);
    enterTimes(*rules, "5", "80");
    EXPECT_FALSE(rules->moveNext(shown(*rules)));
    EXPECT_EQ(rules->card().teamNumber, 5);
    EXPECT_EQ(stored(3).finishTime, 80);
    ControlCard fileCard{};
    const std::string bytes = readFile(folder.path() / kResultsFileName);
    std::memcpy(&fileCard, bytes.data() + 2 * sizeof(ControlCard), sizeof fileCard);
    EXPECT_EQ(std::memcmp(&fileCard, &stored(3), sizeof fileCard), 0);

    // ">" on the last card does nothing; OK on the untouched fresh card
    // stores nothing but reports the card stored before.
    EXPECT_FALSE(rules->moveNext(shown(*rules)));
    EXPECT_EQ(rules->card().teamNumber, 5);
    const CardWindowEnding ending = rules->confirm(shown(*rules));
    EXPECT_TRUE(ending.closes && ending.reportsChange);
    EXPECT_EQ(stored(5).notEntered, 1);

    // "<" from a fresh card drops it unchanged.
    std::unique_ptr<CardEntryRules> again = card(2);
    EXPECT_FALSE(again->movePrevious(shown(*again)));
    EXPECT_EQ(again->card().teamNumber, 1);
    EXPECT_FALSE(again->confirm(shown(*again)).reportsChange);
}

TEST_F(CardEntryTest, EscapeAsksOnlyWithUnsavedChanges)
{
    struct Case {
        MessageAnswer answer;
        bool closes;
        bool storedAfter;
    };
    for (const Case c : {Case{MessageAnswer::Yes, true, true}, Case{MessageAnswer::No, true, false},
                         Case{MessageAnswer::Cancel, false, false}}) {
        std::filesystem::remove(folder.path() / kResultsFileName);
        openList();
        std::unique_ptr<CardEntryRules> rules = card(1);
        EXPECT_TRUE(rules->cancel(shown(*rules)).closes);
        messages.asked.clear();
        messages.answers = {c.answer};
        // Typed but not yet left: still a change.
        const CardWindowEnding ending = rules->cancel(texts("3", "70"));
        EXPECT_EQ(messages.asked.size(), 1u);
        EXPECT_EQ(messages.asked[0].style, MessageStyle::QuestionCancel);
        EXPECT_EQ(ending.closes, c.closes);
        EXPECT_EQ(ending.reportsChange, c.storedAfter);
        EXPECT_EQ(stored(1).finishTime, c.storedAfter ? 70 : 0);
    }
}

TEST_F(CardEntryTest, AMessageOpenDoesNotLetTheSameFieldBeTakenAgain)
{
    std::unique_ptr<CardEntryRules> rules = card(1);
    rules->leaveField(CardField::StartTime, texts("0", "60"));
    int asked = 0;
    MessageAnswerer previous = setMessageAnswerer([&](const MessageRequest&) {
        ++asked;
        rules->leaveField(CardField::StartTime, texts("x", "60")); // focus moves while the box opens
        return MessageAnswer::Ok;
    });
    EXPECT_EQ(rules->leaveField(CardField::StartTime, texts("x", "60")), CardField::StartTime);
    setMessageAnswerer(previous);
    EXPECT_EQ(asked, 1);
}

TEST_F(CardEntryTest, ViewShowsCapitalsLabelsAndMarks)
{
    std::unique_ptr<CardEntryRules> rules = card(1);
    EXPECT_EQ(rules->view().members, "NOWAK,   \xAF\xD3\xA3\xC6");
    EXPECT_EQ(rules->view().missing, "") << "a fresh card shows no missing points";
    enterTimes(*rules, "0", "60");
    EXPECT_EQ(rules->view().missing, "A, C, LOP 3");
    typeBox(*rules, 0, "cd", "C");
    typeBox(*rules, 2, "bpk", "QQ");
    typeBox(*rules, 3, "AB", "XY");
    const CardView view = rules->view();
    EXPECT_EQ(view.missing, "LOP 3");
    EXPECT_EQ(view.missingPenalty, "60");
    EXPECT_EQ(view.boxes[0].code, "cd");
    EXPECT_EQ(view.boxes[0].colour, 0x0000FF00u);
    EXPECT_EQ(view.boxes[0].marks, "");
    EXPECT_EQ(view.boxes[0].penalty, "");
    EXPECT_EQ(view.boxes[1].penalty, "30");
    EXPECT_EQ(view.boxes[2].marks, "M");
    EXPECT_EQ(view.boxes[2].penalty, "30");
    EXPECT_EQ(view.boxes[3].marks, " O");
    EXPECT_EQ(view.boxes[3].correctDescription, "AB");
    EXPECT_EQ(view.boxes[4].colour, kEmptyBoxColour);
    EXPECT_EQ(view.fields[2], "130");
    EXPECT_EQ(view.stagePoints, "1000,0");
}

} // namespace
} // namespace trop::test
