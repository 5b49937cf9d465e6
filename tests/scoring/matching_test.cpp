// Which point a box confirms and how its kind, marks and penalty come out.
#include "scoring_builders.h"

#include <gtest/gtest.h>

#include <vector>

using namespace scoring_test;

namespace {

struct BoxCase {
    const char* name;
    int code;
    const char* description;
    int wrongDescriptionIsWrongPoint;
    int expectedKind;
    int expectedWrongDescription;
    int expectedPenalty;
    int expectedPoint; // -1: assigned nowhere
};

// Readable cases in the test log instead of a byte dump.
void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.name; }

// One point "A"+"B" with controls 1 and 0 ("bpk"), associated marker 5.
class SingleBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(SingleBox, KindMarksAndPenalty)
{
    const BoxCase& c = GetParam();
    StageBuilder stage;
    stage.point({"A", "B", {1, 0}, {5}});
    stage->wrongDescriptionIsWrongPoint = c.wrongDescriptionIsWrongPoint;
    ControlCard card = enteredCard();
    card.boxes[0].pointIndex = -7; // must stay untouched when nothing is assigned
    fillBox(card, 0, c.code, c.description);

    evaluate(card, *stage);

    const Confirmation& box = card.boxes[0];
    EXPECT_EQ(box.valueKind, c.expectedKind);
    EXPECT_EQ(box.wrongDescription, c.expectedWrongDescription);
    EXPECT_EQ(box.penalty, c.expectedPenalty);
    EXPECT_EQ(box.repeated, 0);
    EXPECT_EQ(box.pointIndex, c.expectedPoint < 0 ? -7 : c.expectedPoint);
    EXPECT_EQ(text(box.correctDescription), c.expectedPoint < 0 ? "" : "AB");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SingleBox,
    ::testing::Values(BoxCase{"ControlRightDescription", 1, "AB", 0, 0, 0, 0, 0},
                      BoxCase{"ControlSwappedDescription", 1, "BA", 0, 0, 0, 0, 0},
                      BoxCase{"ControlWrongDescriptionStillAssigned", 1, "XY", 0, 0, 1, 10, 0},
                      BoxCase{"ControlWrongDescriptionIsWrongPoint", 1, "XY", 1, 2, 0, 30, -1},
                      // "AX" fits only through the first letter: assigned, but the full test judges it.
                      BoxCase{"ControlPartialDescription", 1, "AX", 1, 0, 1, 10, 0},
                      BoxCase{"ControlPartialFromTheEnd", 1, "XA", 1, 0, 1, 10, 0},
                      // Without a code the partial test also judges the value.
                      BoxCase{"NoCodePartialDescription", 0, "AX", 1, 0, 0, 0, 0},
                      BoxCase{"NoCodeWrongDescription", 0, "XY", 0, 2, 0, 30, -1},
                      BoxCase{"AssociatedMarker", 5, "AB", 0, 1, 0, 15, 0},
                      BoxCase{"AssociatedMarkerWrongDescription", 5, "XY", 0, 1, 1, 25, 0},
                      BoxCase{"UnknownCode", 9, "AB", 0, 2, 0, 30, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoxValue, AssociatedMarkerCostsMoreWhenThePointIsOnTheMap)
{
    StageBuilder stage;
    stage.point({"A", "", {1}, {5}});
    stage->points[0].markedOnMap = 1;
    ControlCard card = enteredCard();
    fillBox(card, 0, 5, "A");
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[0].valueKind, AssociatedControl);
    EXPECT_EQ(card.boxes[0].penalty, 25);
}

TEST(BoxValue, LopFlagMustMatchThePoint)
{
    StageBuilder stage;
    stage.lop("3", {1});
    stage->wrongDescriptionIsWrongPoint = 1;
    ControlCard card = enteredCard();
    fillBox(card, 0, 1, "3", /*isLop=*/1);
    fillBox(card, 1, 1, "3", /*isLop=*/0);
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[0].valueKind, CorrectControl);
    EXPECT_EQ(card.boxes[0].correctIsLop, 1);
    EXPECT_EQ(card.boxes[1].valueKind, WrongPoint);
}

// Boxes on one slot: the later ones repeat the nearest earlier box, and the
// last one decides whether the slot is confirmed.
TEST(Repetition, TheLastBoxOnASlotDecides)
{
    struct Case {
        const char* boxes;
        std::vector<int> penalties;
        std::vector<int> repeatOf; // -1: not a repeat
        std::vector<int> missing;
    };
    const Case cases[] = {
        {"BBB", {0, 10, 10}, {-1, 0, 1}, {0, 2, 3}},
        {"jB", {0, 10}, {-1, 0}, {0, 2, 3}},     // a wrong box first, then the right one
        {"Bj", {0, 40}, {-1, 0}, {0, 1, 2, 3}}, // the wrong box last: B is not confirmed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.boxes);
        ControlCard card = cardOf(c.boxes);
        evaluate(card, *routeABCD());
        for (std::size_t b = 0; b < c.penalties.size(); ++b) {
            EXPECT_EQ(card.boxes[b].penalty, c.penalties[b]) << b;
            EXPECT_EQ(card.boxes[b].repeated ? card.boxes[b].repeatOfBox : -1, c.repeatOf[b]) << b;
        }
        EXPECT_EQ(std::vector<int>(card.missing, card.missing + card.missingCount), c.missing);
    }
}

TEST(Repetition, OnlyTheLastBoxIsJudgedByItsDescription)
{
    StageBuilder stage;
    stage.point({"A", "", {1}});
    ControlCard card = enteredCard();
    fillBox(card, 2, 1, "A");
    fillBox(card, 5, 1, "Q"); // passes 10-12: onto the slot box 2 holds
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[5].repeatOfBox, 2);
    EXPECT_EQ(card.boxes[5].wrongDescription, 1);
    EXPECT_EQ(card.boxes[5].penalty, 20);

    // Box 1 takes the slot first, but box 0 is the earlier box on it.
    card = enteredCard();
    fillBox(card, 0, 1, "Q");
    fillBox(card, 1, 1, "A");
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[0].wrongDescription, 0);
    EXPECT_EQ(card.boxes[1].repeatOfBox, 0);
    EXPECT_EQ(card.penaltyPoints, 10);
}

// A point owed twice with controls 1 and 2: a second box with code 1 joins
// the first box's slot instead of taking the free second slot; code 2 fills it.
TEST(SlotChoice, SameCodeJoinsTheSlotThatHoldsIt)
{
    StageBuilder stage;
    const int p = stage.point({"A", "", {1, 2}});
    stage->points[p].confirmations = 2;
    stage->requiredConfirmations = 2;
    for (auto [codes, repeats] : {std::pair{std::vector<int>{1, 1, 2}, 1}, {std::vector<int>{1, 2}, 0}}) {
        ControlCard card = enteredCard();
        for (std::size_t b = 0; b < codes.size(); ++b)
            fillBox(card, static_cast<int>(b), codes[b], "A");
        evaluate(card, *stage);
        EXPECT_EQ(card.boxes[1].repeated, repeats);
        EXPECT_EQ(card.missingCount, 0);
        EXPECT_EQ(card.penaltyPoints, 10 * repeats);
    }
}

TEST(Passes, GenuineControlWinsOverAnEarlierAssociatedMatch)
{
    // Code 1 is associated with point 0 and a control of point 1: the box goes
    // to point 1 (pass 3) even though point 0 comes first on the route.
    StageBuilder stage;
    stage.point({"A", "", {2}, {1}});
    stage.point({"A", "", {1}});
    ControlCard card = enteredCard();
    fillBox(card, 0, 1, "A");
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[0].pointIndex, 1);
    EXPECT_EQ(card.boxes[0].valueKind, CorrectControl);
}

TEST(Passes, JudgesCorrectDescriptionChoosesThePoint)
{
    // Both points have control 1; the judge's description "B" sends the box to
    // point 1, and a judged box keeps its correct description.
    StageBuilder stage;
    stage.point({"A", "", {1}});
    stage.point({"B", "", {1}});
    ControlCard card = enteredCard();
    Confirmation& box = fillBox(card, 0, 1, "A");
    box.autoDescription = 0;
    setFieldText(box.correctDescription, "B");
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[0].pointIndex, 1);
    EXPECT_EQ(text(card.boxes[0].correctDescription), "B");
    EXPECT_EQ(card.boxes[0].wrongDescription, 1); // "A" written for a "B" point
    EXPECT_EQ(card.missing[0], 0);
}

TEST(Passes, JudgesDescriptionOfAPointWithoutTheCodeMakesAWrongPoint)
{
    StageBuilder stage;
    stage.point({"A", "", {1}});
    stage.point({"B", "", {2}});
    ControlCard card = enteredCard();
    Confirmation& box = fillBox(card, 0, 1, "B");
    box.autoDescription = 0;
    setFieldText(box.correctDescription, "B");
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[0].pointIndex, 1);
    EXPECT_EQ(card.boxes[0].valueKind, WrongPoint);
    EXPECT_EQ(card.boxes[0].penalty, 30);
    // The assignment is no confirmation, so both points are missing.
    EXPECT_EQ(card.missingCount, 2);
}

TEST(BoxValue, HandValuedBoxKeepsTheJudgesValues)
{
    StageBuilder stage;
    stage.point({"A", "", {1}});
    ControlCard card = enteredCard();
    Confirmation& box = fillBox(card, 0, 1, "X");
    box.autoValue = 0;
    box.penalty = 7;
    box.valueKind = AssociatedControl;
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[0].penalty, 7);
    EXPECT_EQ(card.boxes[0].valueKind, AssociatedControl);
    EXPECT_EQ(text(card.boxes[0].correctDescription), "A");
    EXPECT_EQ(card.penaltyPoints, 7);
}

} // namespace
