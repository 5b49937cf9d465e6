// The evaluation against literal renderings of its rules on random cards,
// and its behaviour on damaged records.
#include "random_cards.h"
#include "reference_matching.h"
#include "trop/scoring/matching.h"

#include <gtest/gtest.h>

using namespace scoring_test;

namespace {

TEST(Differential, AssignmentAgreesWithTheLiteralMatrices)
{
    auto stage = std::make_unique<StageDefinition>();
    auto reference = std::make_unique<ReferenceMatching>();
    auto prepared = std::make_unique<trop::scoring::PreparedStage>();
    auto matching = std::make_unique<trop::scoring::Matching>();
    RandomCards random(2024);
    int assignedRows = 0;
    for (int round = 0; round < 3000; ++round) {
        random.fillStage(*stage);
        ControlCard card;
        random.fillCard(card);
        referenceMatch(card, *stage, *reference);
        trop::scoring::prepareStage(*stage, *prepared);
        trop::scoring::matchCard(card, *prepared, *matching);

        ASSERT_EQ(matching->rowCount, reference->rowCount);
        ASSERT_EQ(matching->slotCount, reference->slotCount);
        for (int r = 0; r < reference->rowCount; ++r) {
            ASSERT_EQ(matching->assignedSlot(r), reference->assignedSlot(r)) << "round " << round << " row " << r;
            assignedRows += reference->assignedSlot(r) >= 0;
            for (int s = 0; s < reference->slotCount; ++s) {
                ASSERT_EQ(matching->matchKind(r, s), reference->matchKind[r][s]) << "round " << round;
                ASSERT_EQ(matching->isFree(r, s), reference->assignment[r][s] == 0) << "round " << round;
                ASSERT_EQ(((matching->slotRows[s] >> r) & 1) != 0, reference->assignment[r][s] == 2);
            }
        }
    }
    EXPECT_GT(assignedRows, 10000); // the random cards do exercise the passes
}

TEST(Differential, EvaluatingTwiceChangesNothing)
{
    StageBuilder stage;
    auto table = emptyTable();
    RandomCards random(77);
    for (int round = 0; round < 500; ++round) {
        random.fillStage(*stage);
        ControlCard card;
        random.fillCard(card);
        const int first = evaluateCard(card, *stage, *table);
        ControlCard again = card;
        EXPECT_EQ(evaluateCard(again, *stage, *table), first);
        ASSERT_EQ(0, std::memcmp(&again, &card, sizeof card)) << "round " << round;
    }
}

TEST(Differential, ReevaluationMatchesOneByOneEvaluation)
{
    StageBuilder stage;
    auto table = emptyTable();
    auto expected = emptyTable();
    RandomCards random(5);
    random.fillStage(*stage);
    for (int i = 0; i < 200; ++i) {
        random.fillCard(table->cards[i]);
        table->cards[i].teamNumber = i + 1;
        table->cards[i].stagePoints = random.pick(0, 10000);
    }
    std::memcpy(expected.get(), table.get(), sizeof(ResultsTable));
    for (int i = 0; i < 200; ++i) {
        ControlCard card = expected->cards[i];
        evaluateCard(card, *stage, *expected);
        expected->cards[i] = card;
    }
    reevaluateAllCards(*table, *stage);
    EXPECT_EQ(0, std::memcmp(table.get(), expected.get(), sizeof(ResultsTable)));
}

// Records read from a damaged file: every count and index may be anything.
TEST(DamagedInput, GarbageRecordsAreEvaluatedWithoutHarm)
{
    StageBuilder stage;
    auto table = emptyTable();
    std::mt19937 random(99);
    auto scribble = [&](void* data, std::size_t size) {
        auto* bytes = static_cast<unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<unsigned char>(random());
    };
    for (int round = 0; round < 300; ++round) {
        scribble(&*stage, sizeof(StageDefinition));
        ControlCard card;
        scribble(&card, sizeof card);
        if (round % 2) { // keep counts plausible now and then, indices wild
            stage->pointCount = 30;
            stage->groupCount = 30;
            stage->orderCount = 30;
            stage->orderRule = round % 3;
            for (RoutePoint& p : stage->points) {
                p.confirmations = 2;
                p.controlCount = 21;
                p.associatedCount = 21;
            }
        }
        evaluateCard(card, *stage, *table);
        EXPECT_GE(card.missingCount, 0);
        EXPECT_LE(card.missingCount, kBoxCount);
    }
}

TEST(DamagedInput, OutOfRangeGroupMembersAndOrderEntriesAreAbsent)
{
    StageBuilder stage;
    stage.point({"A", "", {1}});
    stage.point({"B", "", {2}});
    stage.group({0, 1000, -4}, 3); // only A exists: owes A once, then runs dry
    stage.order(GroupOrder, {7, -1, 0});
    stage->requiredConfirmations = 2;
    ControlCard card = enteredCard();
    fillBox(card, 0, 2, "B");
    evaluate(card, *stage);
    EXPECT_EQ(card.missingCount, 1);
    EXPECT_EQ(card.missing[0], 0);
    EXPECT_EQ(card.missingPenalty, 60);
}

TEST(DamagedInput, HugeCountsAreBounded)
{
    StageBuilder stage;
    stage.point({"A", "", {1}});
    stage->points[0].confirmations = INT32_MAX;
    stage->requiredConfirmations = INT32_MIN;
    stage->groupCount = 1;
    stage->groups[0].memberCount = 5000;
    stage->groups[0].confirmations = INT32_MAX;
    ControlCard card = enteredCard();
    card.startTime = INT32_MIN;
    card.finishTime = INT32_MAX;
    stage->lateLimit = 0;
    evaluate(card, *stage);
    EXPECT_EQ(card.timePenalty, INT32_MAX);
    EXPECT_EQ(card.penaltyPoints, INT32_MAX);
}

} // namespace
