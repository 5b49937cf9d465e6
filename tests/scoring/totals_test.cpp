// Order changes, lateness, the task, penalty points and stage points.
#include "scoring_builders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

using namespace scoring_test;

namespace {

struct OrderCase {
    const char* name;
    OrderRule rule;
    std::vector<int> order; // for the group order: groups {A}, {B, C}, {D}
    const char* boxes;
    std::vector<std::pair<int, int>> marked; // boxes with ZK and the box each follows
    int penaltyPoints;
    int required = 4;
};

class OrderRuleCase : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderRuleCase, MarksTheBoxesThatGoBack)
{
    const OrderCase& c = GetParam();
    StageBuilder stage = routeABCD();
    if (c.rule == GroupOrder) {
        stage.group({0}, 1);
        stage.group({1, 2}, 2);
        stage.group({3}, 1);
    }
    stage.order(c.rule, {});
    for (int entry : c.order)
        stage->orderList[stage->orderCount++] = entry;
    stage->requiredConfirmations = c.required;
    ControlCard card = cardOf(c.boxes);
    evaluate(card, *stage);
    for (int b = 0; b < kBoxCount; ++b) {
        const auto mark = std::find_if(c.marked.begin(), c.marked.end(), [b](auto m) { return m.first == b; });
        const int expectedBreak = mark == c.marked.end() ? card.boxes[b].orderBreakAfterBox : mark->second;
        EXPECT_EQ(card.boxes[b].orderChange, mark != c.marked.end()) << "box " << b;
        EXPECT_EQ(card.boxes[b].orderBreakAfterBox, expectedBreak) << "box " << b;
    }
    EXPECT_EQ(card.penaltyPoints, c.penaltyPoints);

    // Evaluated again after the order became free, no mark is left behind.
    stage->orderRule = AnyOrder;
    evaluate(card, *stage);
    for (const Confirmation& box : card.boxes)
        EXPECT_EQ(box.orderChange, 0);
    EXPECT_EQ(card.penaltyPoints, c.penaltyPoints - 30 * static_cast<int>(c.marked.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OrderRuleCase,
    ::testing::Values(
        OrderCase{"BoxGoingBack", PointOrder, {0, 1, 2, 3}, "ACBD", {{2, 1}}, 30},
        OrderCase{"OnlyTheBoxGoingBack", PointOrder, {0, 1, 2, 3}, "CAB", {{1, 0}}, 30 + 60},
        OrderCase{"BreakNamesTheBoxNotTheRow", PointOrder, {0, 1, 2, 3}, "A.CB", {{3, 2}}, 30 + 30 + 60},
        OrderCase{"PointsOutsideTheListAreSkipped", PointOrder, {0, 2}, "CBDA", {{3, 0}}, 30},
        OrderCase{"LastEntryOfTheList", PointOrder, {0, 1, 2, 3}, "ABDC", {{3, 2}}, 30},
        OrderCase{"FreeOrder", AnyOrder, {0, 1, 2, 3}, "CBDA", {}, 0},
        OrderCase{"RepeatedBoxIsInOrder", PointOrder, {0, 1, 2, 3}, "AABCD", {}, 10},
        OrderCase{"WrongPointsAndHandValuedBoxesAreLeftAlone", PointOrder, {0, 1, 2, 3}, "CwDa", {}, 30 + 60},
        OrderCase{"JudgedWrongPointIsLeftAlone", PointOrder, {0, 1, 2, 3}, "ACjD", {}, 30 + 60},
        OrderCase{"FirstGroupOfEachPoint", GroupOrder, {0, 2, 1}, "ACDB", {{2, 1}}, 30},
        OrderCase{"MembersOfOneGroupInARow", GroupOrder, {0, 2, 1}, "ABCD", {{3, 2}}, 30},
        // Box 3 repeats A after D: ZM 10 and ZK 30; C is the surplus fourth
        // point, and a wrong point takes no part in the order.
        OrderCase{"MeetsRepetitionAndSurplus", PointOrder, {0, 1, 2, 3}, "ABDAC", {{3, 2}}, 40 + 30, 3}),
    [](const auto& info) { return std::string(info.param.name); });

struct TimeCase {
    int elapsed;
    int extended;
    int expected;
};

// Readable cases in the test log instead of a byte dump.
void PrintTo(const TimeCase& c, std::ostream* out)
{
    *out << c.elapsed << " minutes" << (c.extended ? " with T+10%" : "") << " cost " << c.expected;
}

class TimePenalty : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimePenalty, MinutesOverTheLimit)
{
    StageBuilder stage;
    stage->timeLimit = 45;
    stage->lateLimit = 30;
    ControlCard card = enteredCard();
    card.startTime = 100;
    card.finishTime = 100 + GetParam().elapsed;
    card.extendedLimit = GetParam().extended;
    card.autoScore = 0; // computed all the same
    evaluate(card, *stage);
    EXPECT_EQ(card.timePenalty, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TimePenalty,
                         ::testing::Values(TimeCase{45, 0, 0}, TimeCase{46, 0, 1}, TimeCase{75, 0, 30},
                                           TimeCase{80, 0, 30 + 50}, TimeCase{49, 1, 0}, TimeCase{50, 1, 1},
                                           TimeCase{-100, 0, 0}),
                         [](const auto& info) {
                             const TimeCase& c = info.param;
                             return (c.elapsed < 0 ? "Minus" + std::to_string(-c.elapsed) : std::to_string(c.elapsed))
                                    + "Minutes" + (c.extended ? "Extended" : "");
                         });

struct TaskCase {
    const char* name;
    int correct;
    unsigned perPoint;
    int percent;
    int value;
    int expected;
};

void PrintTo(const TaskCase& c, std::ostream* out) { *out << c.name; }

class TaskPenalty : public ::testing::TestWithParam<TaskCase> {};

TEST_P(TaskPenalty, Deviation)
{
    const TaskCase& c = GetParam();
    StageBuilder stage;
    stage->taskEnabled = 1;
    stage->taskCorrectValue = c.correct;
    stage->taskPenaltyPerPoint = c.perPoint;
    stage->taskDeviationInPercent = c.percent;
    ControlCard card = enteredCard();
    card.taskValue = c.value;
    evaluate(card, *stage);
    EXPECT_EQ(card.taskPenalty, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TaskPenalty,
    ::testing::Values(TaskCase{"Capped", 100, 5, 0, 103, 10}, TaskCase{"Exact", 100, 5, 0, 100, 0},
                      TaskCase{"Percent", 100, 1, 1, 103, 3}, TaskCase{"PercentBelow", 100, 1, 1, 97, 3},
                      TaskCase{"PercentTruncated", 200, 1, 1, 203, 1},
                      TaskCase{"NegativeCorrectValue", -100, 1, 1, -103, 3},
                      TaskCase{"Huge", -100000, 1, 0, 100000, 10},
                      TaskCase{"PercentOfZeroRight", 0, 1, 1, 0, 0},
                      TaskCase{"PercentOfZeroWrong", 0, 1, 1, 1, 10},
                      TaskCase{"NoUnitRight", 50, 0, 0, 50, 0}, TaskCase{"NoUnitWrong", 50, 0, 0, 49, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TaskPenalty, JudgesEntryCountsWhenNotEvaluated)
{
    StageBuilder stage;
    stage->taskEnabled = 0;
    ControlCard card = enteredCard();
    card.taskValue = 7;
    evaluate(card, *stage);
    EXPECT_EQ(card.taskPenalty, 7);
    EXPECT_EQ(card.penaltyPoints, 7);

    stage->taskEnabled = 1;
    stage->taskCorrectValue = 7;
    card.autoScore = 0;
    card.penaltyPoints = 44;
    EXPECT_EQ(evaluate(card, *stage), 44); // typed PK is kept
    EXPECT_EQ(card.taskPenalty, 7);
}

// One confirmed point and a table whose best classified card has PK 100.
class StagePoints : public ::testing::Test {
protected:
    void SetUp() override
    {
        stage.point({"A", "", {1}});
        stage->stageConstant = 200;
        ControlCard& best = table->cards[0];
        best = enteredCard(1);
        best.penaltyPoints = 100;
        best.stagePoints = 10000;
    }

    int pointsFor(int penalty)
    {
        ControlCard card = enteredCard(2);
        fillBox(card, 0, 1, "A");
        card.autoScore = 0;
        card.penaltyPoints = penalty;
        evaluateCard(card, *stage, *table);
        return card.stagePoints;
    }

    StageBuilder stage;
    std::unique_ptr<ResultsTable> table = emptyTable();
};

TEST_F(StagePoints, AgainstTheBestTeam)
{
    EXPECT_EQ(pointsFor(100), 10000);
    EXPECT_EQ(pointsFor(150), 7500);
    EXPECT_EQ(pointsFor(101), 9950);
    EXPECT_EQ(pointsFor(400), 10); // the floor
    EXPECT_EQ(pointsFor(60), 10000); // better than the stored best
    stage->stageConstant = 300;
    EXPECT_EQ(pointsFor(101), 9966); // truncated
    stage->stageConstant = 0;
    EXPECT_EQ(pointsFor(150), 9500);
}

TEST_F(StagePoints, OnlyEnteredFinishedCardsWithPointsSetTheBest)
{
    table->cards[1] = enteredCard(3);
    table->cards[1].penaltyPoints = 0;
    table->cards[1].stagePoints = 0; // not classified
    table->cards[2] = enteredCard(4);
    table->cards[2].penaltyPoints = 0;
    table->cards[2].stagePoints = 10;
    table->cards[2].notEntered = 1;
    table->cards[3] = enteredCard(5);
    table->cards[3].penaltyPoints = 0;
    table->cards[3].stagePoints = 10;
    table->cards[3].finishTime = 0;
    table->cards[5] = enteredCard(6); // after the end of the table
    table->cards[5].penaltyPoints = 0;
    table->cards[5].stagePoints = 10;
    EXPECT_EQ(pointsFor(150), 7500);
}

TEST_F(StagePoints, NoFinishOrNothingConfirmedGivesNone)
{
    ControlCard card = enteredCard(2);
    fillBox(card, 0, 1, "A");
    card.finishTime = 0;
    evaluateCard(card, *stage, *table);
    EXPECT_EQ(card.stagePoints, 0);

    card = enteredCard(2);
    fillBox(card, 0, 7, "A"); // a wrong point confirms nothing
    evaluateCard(card, *stage, *table);
    EXPECT_EQ(card.stagePoints, 0);
}

TEST_F(StagePoints, HugeValuesDoNotWrapAround)
{
    stage->stageConstant = -1;
    EXPECT_EQ(pointsFor(INT_MAX), INT_MAX);
    stage->stageConstant = INT_MAX;
    EXPECT_EQ(pointsFor(INT_MIN), 10000);
}

TEST(PenaltyPoints, SumOfMissingTaskTimeAndBoxes)
{
    StageBuilder stage = routeABCD();
    stage->taskEnabled = 1;
    stage->taskCorrectValue = 10;
    stage->taskPenaltyPerPoint = 100;
    stage->timeLimit = 50;
    ControlCard card = cardOf("AB"); // A and B right
    card.taskValue = 12;             // 2 / 100 * 100 = 2
    fillBox(card, 3, 3, "X");     // C with ZO: 10; box 2 left empty: 30
    // D missing: 60; ten minutes late: 10.
    EXPECT_EQ(evaluate(card, *stage), 60 + 2 + 10 + 10 + 30);
    EXPECT_EQ(card.timePenalty, 10);
}

// The stored copy of the card under evaluation counts in the best score.
TEST(BestScore, StoredCopyOfTheCardCounts)
{
    StageBuilder stage;
    stage.point({"A", "", {1}});
    stage->stageConstant = 100;
    auto table = emptyTable();
    table->cards[0] = enteredCard(1);
    table->cards[0].penaltyPoints = 20;
    table->cards[0].stagePoints = 10000;

    ControlCard card = enteredCard(1);
    fillBox(card, 0, 1, "Q"); // ZO: PK 10
    evaluateCard(card, *stage, *table);
    EXPECT_EQ(card.stagePoints, 10000);
    card.boxes[0].codeIndex = 9; // PM and A missing: PK 90
    evaluateCard(card, *stage, *table);
    EXPECT_EQ(card.stagePoints, 0); // nothing confirmed
    fillBox(card, 1, 1, "A"); // PM 30 + 0: PK 30, 10 behind the stored 20
    evaluateCard(card, *stage, *table);
    EXPECT_EQ(card.penaltyPoints, 30);
    EXPECT_EQ(card.stagePoints, 9000);
}

TEST(ReevaluateAll, StoresEachCardBeforeTheNextAndReportsChanges)
{
    StageBuilder stage;
    stage.point({"A", "", {1}});
    stage.point({"B", "", {2}});
    stage->stageConstant = 200;
    auto table = emptyTable();
    // Team 1 misses B (PK 60), team 2 confirms both (PK 0).
    table->cards[0] = enteredCard(1);
    fillBox(table->cards[0], 0, 1, "A");
    table->cards[1] = enteredCard(2);
    fillBox(table->cards[1], 0, 1, "A");
    fillBox(table->cards[1], 1, 2, "B");
    table->cards[2] = enteredCard(3);
    table->cards[2].notEntered = 1;
    table->cards[2].finishTime = 0;

    // Team 1 comes first, before team 2 is classified, and is still measured
    // against team 2 once the pass is over.
    EXPECT_TRUE(reevaluateAllCards(*table, *stage));
    EXPECT_EQ(table->cards[0].stagePoints, 7000);
    EXPECT_EQ(table->cards[1].stagePoints, 10000);
    EXPECT_EQ(table->cards[2].penaltyPoints, 120);
    EXPECT_EQ(table->cards[2].stagePoints, 0);
    EXPECT_FALSE(reevaluateAllCards(*table, *stage));
}

TEST(ReevaluateAll, EmptyTableChangesNothing)
{
    StageBuilder stage;
    auto table = emptyTable();
    EXPECT_FALSE(reevaluateAllCards(*table, *stage));
}

} // namespace
