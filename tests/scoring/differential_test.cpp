// The evaluation against literal renderings of its rules on random cards,
// and its behaviour on damaged records.
#include "random_cards.h"
#include "reference_matching.h"
#include "trop/model/record_bounds.h"
#include "trop/scoring/matching.h"

#include <gtest/gtest.h>

#include <vector>

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

// What an evaluation always writes; the other fields of a box are written only
// under their marks and may keep older values otherwise.
std::vector<std::int64_t> outputsOf(const ControlCard& card)
{
    std::vector<std::int64_t> out = {card.timePenalty, card.missingCount, card.missingPenalty,
                                     card.taskPenalty, card.penaltyPoints, card.stagePoints};
    out.insert(out.end(), card.missing, card.missing + usedMissingCount(card));
    for (const Confirmation& box : card.boxes) {
        out.insert(out.end(), {box.penalty, box.wrongDescription, box.orderChange, box.repeated, box.valueKind,
                               box.repeated ? box.repeatOfBox : 0, box.orderChange ? box.orderBreakAfterBox : 0});
        if (box.autoDescription != 0) {
            out.insert(out.end(), {box.correctIsLop, box.correctIsArea});
            for (char c : fieldText(box.correctDescription))
                out.push_back(c);
        }
    }
    return out;
}

// A card evaluated again after the route changed keeps nothing of the old one.
TEST(Differential, EvaluationAfterAStageChangeEqualsAFreshOne)
{
    StageBuilder before;
    StageBuilder after;
    auto table = emptyTable();
    RandomCards random(77);
    for (int round = 0; round < 500; ++round) {
        random.fillStage(*before);
        random.fillStage(*after);
        ControlCard card;
        random.fillCard(card);
        ControlCard fresh = card;
        evaluateCard(card, *before, *table);
        evaluateCard(card, *after, *table);
        evaluateCard(fresh, *after, *table);
        ASSERT_EQ(outputsOf(card), outputsOf(fresh)) << "round " << round;
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
    // Two passes of the card-by-card evaluation: the second one measures every
    // card against the settled best score.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < 200; ++i) {
            ControlCard card = expected->cards[i];
            evaluateCard(card, *stage, *expected);
            expected->cards[i] = card;
        }
    reevaluateAllCards(*table, *stage);
    EXPECT_EQ(0, std::memcmp(table.get(), expected.get(), sizeof(ResultsTable)));
}

// Records read from a damaged file: every count and index may be anything.
// A smoke test for the sanitizers: what it checks is that nothing reads or
// writes out of bounds, which only a sanitizer build sees.
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
    stage.group({0, 2, 1000, -4}, 3); // only A exists: owes A once, then runs dry
    stage.order(GroupOrder, {7, -1, 0});
    stage->requiredConfirmations = 2;
    ControlCard card = enteredCard();
    fillBox(card, 0, 2, "B");
    evaluate(card, *stage);
    EXPECT_EQ(card.missingCount, 1);
    EXPECT_EQ(card.missing[0], 0);
    EXPECT_EQ(card.missingPenalty, 60);

    // B is in no group, so the entry -1 gives it no place in the order.
    fillBox(card, 0, 1, "A");
    fillBox(card, 1, 2, "B");
    evaluate(card, *stage);
    EXPECT_EQ(card.penaltyPoints, 0);
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
