// Empty boxes, missing confirmations (BP) with groups and LOP/area points,
// and the surplus rule.
#include "scoring_builders.h"

#include <gtest/gtest.h>

#include <vector>

using namespace scoring_test;

namespace {

std::vector<int> missingOf(const ControlCard& card)
{
    return std::vector<int>(card.missing, card.missing + card.missingCount);
}

StageBuilder fourPoints()
{
    StageBuilder stage;
    stage.point({"A", "", {1}});
    stage.point({"B", "", {2}});
    stage.point({"C", "", {3}});
    stage.point({"D", "", {4}});
    return stage;
}

TEST(EmptyBoxes, CostOnlyBeforeTheLastUsedBox)
{
    StageBuilder stage = fourPoints();
    ControlCard card = enteredCard();
    fillBox(card, 0, 1, "A");
    fillBox(card, 1, 2, "B");
    fillBox(card, 3, 3, "C");
    card.boxes[2].penalty = 99; // stale values are replaced
    card.boxes[2].orderChange = 1;
    card.boxes[20].penalty = 99;
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[2].penalty, 30);
    EXPECT_EQ(card.boxes[2].orderChange, 0);
    EXPECT_EQ(card.boxes[20].penalty, 0);
    EXPECT_EQ(card.missingPenalty, 60);
    EXPECT_EQ(card.penaltyPoints, 90);
}

TEST(EmptyBoxes, CardNotEnteredCarriesNoBoxPenalties)
{
    StageBuilder stage = fourPoints();
    ControlCard card = enteredCard();
    card.notEntered = 1;
    card.finishTime = 0;
    fillBox(card, 5, 9, "Z"); // would be PM and leave five empty boxes before it
    evaluate(card, *stage);
    for (const Confirmation& box : card.boxes)
        EXPECT_EQ(box.penalty, 0);
    EXPECT_EQ(missingOf(card), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(card.penaltyPoints, 240);
    EXPECT_EQ(card.stagePoints, 0);
}

TEST(EmptyBoxes, AllEmptyEnteredCardOwesEverything)
{
    StageBuilder stage = fourPoints();
    stage->points[1].markedOnMap = 1;
    ControlCard card = enteredCard();
    evaluate(card, *stage);
    // Unmarked points go first at 60; the last one left is marked: 90.
    EXPECT_EQ(missingOf(card), (std::vector<int>{0, 2, 3, 1}));
    EXPECT_EQ(card.missingPenalty, 60 * 3 + 90);
    EXPECT_EQ(card.stagePoints, 0);
}

TEST(Missing, RequiredBelowThePointCountChargesOnlyWhatIsOwed)
{
    StageBuilder stage = fourPoints();
    stage->requiredConfirmations = 2;
    ControlCard card = enteredCard();
    fillBox(card, 0, 2, "B");
    evaluate(card, *stage);
    EXPECT_EQ(missingOf(card), (std::vector<int>{0}));
    EXPECT_EQ(card.missingPenalty, 60);
}

TEST(Missing, GroupChargesItsUnmarkedMemberFirst)
{
    // Group {A, B} owes one; C and D are loose; three normal confirmations
    // are required. Only C is confirmed.
    StageBuilder stage = fourPoints();
    stage->requiredConfirmations = 3;
    stage->points[0].markedOnMap = 1;
    stage.group({0, 1}, 1);
    ControlCard card = enteredCard();
    fillBox(card, 0, 3, "C");
    evaluate(card, *stage);
    // The group charges B, its unmarked member; one more is owed and the
    // first unmarked loose point is D (A is on the map).
    EXPECT_EQ(missingOf(card), (std::vector<int>{1, 3}));
    EXPECT_EQ(card.missingPenalty, 120);
}

TEST(Missing, GroupWithAllMembersOnTheMapCharges90)
{
    StageBuilder stage = fourPoints();
    stage->requiredConfirmations = 1;
    stage->points[0].markedOnMap = 1;
    stage->points[1].markedOnMap = 1;
    stage.group({0, 1}, 1);
    ControlCard card = enteredCard();
    fillBox(card, 0, 3, "C");
    fillBox(card, 1, 4, "D");
    evaluate(card, *stage);
    EXPECT_EQ(missingOf(card), (std::vector<int>{0}));
    EXPECT_EQ(card.missingPenalty, 90);
    // The group was charged although C and D exceed what is required: both
    // are then surplus and become wrong points.
    EXPECT_EQ(card.boxes[0].valueKind, WrongPoint);
    EXPECT_EQ(card.boxes[1].valueKind, WrongPoint);
    EXPECT_EQ(card.penaltyPoints, 90 + 60);
}

TEST(Missing, ConfirmedGroupMemberSatisfiesTheGroup)
{
    StageBuilder stage = fourPoints();
    stage->requiredConfirmations = 1;
    stage.group({0, 1}, 1);
    ControlCard card = enteredCard();
    fillBox(card, 0, 2, "B");
    evaluate(card, *stage);
    EXPECT_EQ(card.missingCount, 0);
    EXPECT_EQ(card.penaltyPoints, 0);
}

TEST(Missing, LopOwesItsConfirmationsAt60RegardlessOfTheMap)
{
    StageBuilder stage;
    stage.point({"A", "", {1}});
    const int lop = stage.lop("1", {2}, 3);
    stage->points[lop].markedOnMap = 1;
    ControlCard card = enteredCard();
    fillBox(card, 0, 1, "A");
    fillBox(card, 1, 2, "1", /*isLop=*/1);
    evaluate(card, *stage);
    EXPECT_EQ(missingOf(card), (std::vector<int>{lop, lop}));
    EXPECT_EQ(card.missingPenalty, 120);
}

TEST(Missing, GroupLedByALopOwesTheGroupsConfirmations)
{
    StageBuilder stage;
    const int lop = stage.lop("1", {2}, 1);
    stage.group({lop}, 2);
    ControlCard card = enteredCard();
    evaluate(card, *stage);
    EXPECT_EQ(missingOf(card), (std::vector<int>{lop, lop}));
    EXPECT_EQ(card.missingPenalty, 120);
}

TEST(Missing, ListStopsAt40ButThePenaltyGoesOn)
{
    StageBuilder stage;
    stage.lop("1", {2}, 45);
    ControlCard card = enteredCard();
    evaluate(card, *stage);
    EXPECT_EQ(card.missingCount, 40);
    EXPECT_EQ(card.missingPenalty, 45 * 60);
}

TEST(Surplus, LastNormalConfirmationBeyondTheRequiredBecomesAWrongPoint)
{
    StageBuilder stage;
    for (int i = 0; i < 11; ++i)
        stage.point({std::string(1, char('A' + i)), "", {i + 1}});
    stage->requiredConfirmations = 10;
    ControlCard card = enteredCard();
    for (int i = 0; i < 11; ++i)
        fillBox(card, i, i + 1, std::string(1, char('A' + i)));
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[10].valueKind, WrongPoint);
    EXPECT_EQ(card.boxes[10].penalty, 30);
    EXPECT_EQ(card.boxes[9].valueKind, CorrectControl);
    EXPECT_EQ(card.missingCount, 0);
    EXPECT_EQ(card.penaltyPoints, 30);
}

TEST(Surplus, ALopBoxAfterTheSurplusIsTakenFirst)
{
    StageBuilder stage;
    stage.point({"A", "", {1}});
    stage.point({"B", "", {2}});
    stage.lop("1", {3});
    stage->requiredConfirmations = 1;
    ControlCard card = enteredCard();
    fillBox(card, 0, 1, "A");
    fillBox(card, 1, 2, "B");
    fillBox(card, 2, 3, "1", /*isLop=*/1);
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[2].valueKind, WrongPoint);
    EXPECT_EQ(card.boxes[1].valueKind, CorrectControl);
    EXPECT_EQ(card.missingCount, 0); // the LOP had already been counted
    EXPECT_EQ(card.penaltyPoints, 30);
}

TEST(Surplus, GroupConfirmedBeyondItsNeedGivesBackItsLastBox)
{
    // Group {A, B} needs one; C is loose; two are required. The card confirms
    // C, A, B: B is the surplus (its group is over), not the loose C.
    StageBuilder stage;
    stage.point({"A", "", {1}});
    stage.point({"B", "", {2}});
    stage.point({"C", "", {3}});
    stage->requiredConfirmations = 2;
    stage.group({0, 1}, 1);
    ControlCard card = enteredCard();
    fillBox(card, 0, 3, "C");
    fillBox(card, 1, 1, "A");
    fillBox(card, 2, 2, "B");
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[2].valueKind, WrongPoint);
    EXPECT_EQ(card.penaltyPoints, 30);
}

TEST(Surplus, GroupWithinItsNeedProtectsItsBoxes)
{
    // Group {A, B} needs two; C is loose; two are required. C, A, B: the group
    // is not over, so the loose C is the surplus although it comes first.
    StageBuilder stage;
    stage.point({"A", "", {1}});
    stage.point({"B", "", {2}});
    stage.point({"C", "", {3}});
    stage->requiredConfirmations = 2;
    stage.group({0, 1}, 2);
    ControlCard card = enteredCard();
    fillBox(card, 0, 3, "C");
    fillBox(card, 1, 1, "A");
    fillBox(card, 2, 2, "B");
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[0].valueKind, WrongPoint);
    EXPECT_EQ(card.boxes[2].valueKind, CorrectControl);
    EXPECT_EQ(card.penaltyPoints, 30);
}

TEST(Surplus, HandValuedBoxLosesItsConfirmationButKeepsItsValues)
{
    StageBuilder stage;
    stage.point({"A", "", {1}});
    stage.point({"B", "", {2}});
    stage->requiredConfirmations = 1;
    ControlCard card = enteredCard();
    fillBox(card, 0, 1, "A");
    Confirmation& box = fillBox(card, 1, 2, "B");
    box.autoValue = 0;
    box.penalty = 0;
    evaluate(card, *stage);
    EXPECT_EQ(card.boxes[1].valueKind, CorrectControl);
    EXPECT_EQ(card.boxes[1].penalty, 0);
    EXPECT_EQ(card.penaltyPoints, 0);
}

} // namespace
