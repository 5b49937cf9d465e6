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

TEST(EmptyBoxes, CostOnlyBeforeTheLastUsedBox)
{
    ControlCard card = cardOf(".AB.C");
    card.boxes[3].penalty = 99; // stale values are replaced
    card.boxes[3].orderChange = 1;
    card.boxes[20].penalty = 99;
    evaluate(card, *routeABCD());
    EXPECT_EQ(card.boxes[0].penalty, 30);
    EXPECT_EQ(card.boxes[3].penalty, 30);
    EXPECT_EQ(card.boxes[3].orderChange, 0);
    EXPECT_EQ(card.boxes[20].penalty, 0);
    EXPECT_EQ(card.missingPenalty, 60);
    EXPECT_EQ(card.penaltyPoints, 120);
}

TEST(EmptyBoxes, TheFortiethBoxIsABoxLikeAnyOther)
{
    ControlCard card = cardOf("A");
    fillBox(card, kBoxCount - 1, 2, "B");
    evaluate(card, *routeABCD());
    EXPECT_EQ(card.boxes[kBoxCount - 1].pointIndex, 1);
    EXPECT_EQ(card.boxes[kBoxCount - 2].penalty, 30);
    EXPECT_EQ(missingOf(card), (std::vector<int>{2, 3}));
    EXPECT_EQ(card.penaltyPoints, (kBoxCount - 2) * 30 + 120);
}

TEST(EmptyBoxes, CardNotEnteredCarriesNoBoxPenalties)
{
    ControlCard card = enteredCard();
    card.notEntered = 1;
    card.finishTime = 0;
    fillBox(card, 5, 9, "Z"); // would be PM and leave five empty boxes before it
    evaluate(card, *routeABCD());
    for (const Confirmation& box : card.boxes)
        EXPECT_EQ(box.penalty, 0);
    EXPECT_EQ(missingOf(card), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(card.penaltyPoints, 240);
    EXPECT_EQ(card.stagePoints, 0);
}

struct GroupCase {
    std::vector<int> members;
    int confirmations;
};

// Route A..D (one normal confirmation each), boxes as cardOf reads them.
struct OwedCase {
    const char* name;
    int required;
    std::vector<int> markedOnMap;
    std::vector<GroupCase> groups;
    const char* boxes;
    std::vector<int> missing;
    int missingPenalty;
    std::vector<int> wrongPointBoxes; // confirmations taken back as surplus
};

class Owed : public ::testing::TestWithParam<OwedCase> {};

TEST_P(Owed, MissingAndSurplusConfirmations)
{
    const OwedCase& c = GetParam();
    StageBuilder stage = routeABCD();
    stage->requiredConfirmations = c.required;
    for (int p : c.markedOnMap)
        stage->points[p].markedOnMap = 1;
    for (const GroupCase& wanted : c.groups) {
        PointGroup& group = stage->groups[stage->groupCount++];
        for (int member : wanted.members)
            group.members[group.memberCount++] = member;
        group.confirmations = wanted.confirmations;
    }
    ControlCard card = cardOf(c.boxes);
    evaluate(card, *stage);
    EXPECT_EQ(missingOf(card), c.missing);
    EXPECT_EQ(card.missingPenalty, c.missingPenalty);
    std::vector<int> wrongPoints;
    for (int b = 0; b < kBoxCount; ++b)
        if (card.boxes[b].empty == 0 && card.boxes[b].valueKind == WrongPoint)
            wrongPoints.push_back(b);
    EXPECT_EQ(wrongPoints, c.wrongPointBoxes);
    EXPECT_EQ(card.penaltyPoints, c.missingPenalty + 30 * static_cast<int>(c.wrongPointBoxes.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Owed,
    ::testing::Values(
        // Unmarked points go first at 60; the last one left is marked: 90.
        OwedCase{"AllEmptyEnteredCardOwesEverything", 4, {1}, {}, "", {0, 2, 3, 1}, 60 * 3 + 90, {}},
        OwedCase{"RequiredBelowThePointCountChargesOnlyWhatIsOwed", 2, {}, {}, "B", {0}, 60, {}},
        OwedCase{"TheLastConfirmationBeyondTheRequiredIsTheSurplus", 3, {}, {}, "ABCD", {}, 0, {3}},
        // The group charges B, its unmarked member; one more is owed and the
        // first unmarked loose point is D (A is on the map).
        OwedCase{"GroupChargesItsUnmarkedMemberFirst", 3, {0}, {{{0, 1}, 1}}, "C", {1, 3}, 120, {}},
        // The group is charged although C and D exceed what is required: both
        // are then surplus and become wrong points.
        OwedCase{"GroupWithAllMembersOnTheMapCharges90", 1, {0, 1}, {{{0, 1}, 1}}, "CD", {0}, 90, {0, 1}},
        OwedCase{"ConfirmedGroupMemberSatisfiesTheGroup", 1, {}, {{{0, 1}, 1}}, "B", {}, 0, {}},
        OwedCase{"PointInTwoGroupsIsChargedOncePerGroup", 2, {}, {{{1, 0}, 1}, {{0, 2}, 1}}, "", {1, 0}, 120, {}},
        // C, A, B: B is the surplus (its group is over), not the loose C.
        OwedCase{"GroupConfirmedBeyondItsNeedGivesBackItsLastBox", 2, {}, {{{0, 1}, 1}}, "CAB", {}, 0, {2}},
        // The group is not over, so the loose C is the surplus although it comes first.
        OwedCase{"GroupWithinItsNeedProtectsItsBoxes", 2, {}, {{{0, 1}, 2}}, "CAB", {}, 0, {0}},
        // B goes first; then the group has what it needs and the loose D goes.
        OwedCase{"TwoSurplusBoxesGiveTheGroupItsNeedBack", 2, {}, {{{0, 1}, 1}}, "CDAB", {}, 0, {1, 3}},
        // A box valued by hand loses its confirmation but keeps its values.
        OwedCase{"HandValuedSurplusBoxKeepsItsValues", 1, {}, {}, "Ab", {}, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Missing, LopsOweTheirOwnOrTheirGroupsConfirmationsAt60)
{
    StageBuilder stage;
    stage.point({"A", "", {1}});
    const int lop = stage.lop("1", {2}, 3);
    stage->points[lop].markedOnMap = 1; // no matter for a LOP
    const int ledLop = stage.lop("2", {3}, 1);
    stage.group({ledLop}, 2);
    ControlCard card = cardOf("A");
    fillBox(card, 1, 2, "1", /*isLop=*/1);
    evaluate(card, *stage);
    EXPECT_EQ(missingOf(card), (std::vector<int>{ledLop, ledLop, lop, lop}));
    EXPECT_EQ(card.missingPenalty, 240);
}

TEST(Missing, ListStopsAt40ButThePenaltyGoesOn)
{
    StageBuilder lop;
    lop.lop("1", {2}, 45);
    // Two groups over the same twenty points charge each of them twice; a
    // third group charges the 41st.
    StageBuilder groups;
    for (int i = 0; i < 21; ++i)
        groups.point({"P", "", {i + 1}});
    groups->requiredConfirmations = 0;
    for (int g = 0; g < 2; ++g) {
        PointGroup& group = groups->groups[groups->groupCount++];
        for (int m = 0; m < 20; ++m)
            group.members[group.memberCount++] = m;
        group.confirmations = 20;
    }
    groups.group({20}, 1);
    for (auto [stage, charged] : {std::pair{&lop, 45}, {&groups, 41}}) {
        ControlCard card = enteredCard();
        evaluate(card, **stage);
        EXPECT_EQ(card.missingCount, 40);
        EXPECT_EQ(card.missingPenalty, charged * 60);
    }
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

} // namespace
