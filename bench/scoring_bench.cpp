// Re-evaluation of a full stage: 1000 entered cards of 40 used boxes against
// 30 route points of 21 controls and 21 associated markers each, with groups
// and the obligatory point order.
#include "trop/model/control_card.h"
#include "trop/model/stage_definition.h"
#include "trop/scoring/evaluate_card.h"
#include "trop/store/fixed_text.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>

using namespace trop;

namespace {

std::string letter(int i)
{
    return std::string(1, char('A' + i % 26));
}

std::unique_ptr<StageDefinition> worstCaseStage(std::mt19937& random)
{
    auto stage = std::make_unique<StageDefinition>();
    std::memset(stage.get(), 0, sizeof(StageDefinition));
    stage->codeCount = kMaxCodes;
    stage->pointCount = kMaxPoints;
    for (int p = 0; p < kMaxPoints; ++p) {
        RoutePoint& point = stage->points[p];
        setFieldText(point.description1, letter(p));
        setFieldText(point.description2, letter(p / 3));
        point.confirmations = p < 10 ? 2 : 1; // 40 slots
        point.markedOnMap = p % 2;
        point.controlCount = kMaxPointControls;
        point.associatedCount = kMaxPointControls;
        for (int i = 0; i < kMaxPointControls; ++i) {
            point.controls[i].codeIndex = 1 + int(random() % 60); // codes shared between points
            point.associated[i].codeIndex = 1 + int(random() % 60);
        }
    }
    stage->requiredConfirmations = 36;
    stage->groupCount = 6;
    for (int g = 0; g < 6; ++g) {
        PointGroup& group = stage->groups[g];
        group.memberCount = 3;
        for (int m = 0; m < 3; ++m)
            group.members[m] = 12 + 3 * g + m;
        group.confirmations = 2;
    }
    stage->orderRule = PointOrder;
    stage->orderCount = kMaxPoints;
    for (int i = 0; i < kMaxPoints; ++i)
        stage->orderList[i] = i;
    stage->wrongDescriptionIsWrongPoint = 0; // all sixteen passes
    stage->timeLimit = 120;
    stage->lateLimit = 30;
    stage->stageConstant = 1000;
    return stage;
}

void fillCard(ControlCard& card, int team, const StageDefinition& stage, std::mt19937& random)
{
    std::memset(&card, 0, sizeof card);
    card.teamNumber = team;
    card.autoScore = 1;
    card.startTime = 10;
    card.finishTime = 100 + int(random() % 60);
    for (int b = 0; b < kBoxCount; ++b) {
        Confirmation& box = card.boxes[b];
        const RoutePoint& point = stage.points[(b * 3 / 4 + random() % 3) % kMaxPoints];
        box.codeIndex = random() % 4 == 0 ? point.associated[random() % kMaxPointControls].codeIndex
                                          : point.controls[random() % kMaxPointControls].codeIndex;
        std::string description(fieldText(point.description1));
        if (random() % 3 == 0)
            description += "X";
        else
            description += fieldText(point.description2);
        setFieldText(box.cardDescription, description);
        box.autoDescription = random() % 8 != 0;
        box.autoValue = 1;
    }
}

void BM_ReevaluateStage(benchmark::State& state)
{
    std::mt19937 random(1);
    auto stage = worstCaseStage(random);
    auto table = std::make_unique<ResultsTable>();
    std::memset(table.get(), 0, sizeof(ResultsTable));
    for (int i = 0; i < kMaxCards; ++i)
        fillCard(table->cards[i], i + 1, *stage, random);
    for (auto _ : state) {
        const bool changed = reevaluateAllCards(*table, *stage);
        benchmark::DoNotOptimize(changed);
    }
    state.SetItemsProcessed(state.iterations() * kMaxCards);
}
BENCHMARK(BM_ReevaluateStage)->Unit(benchmark::kMillisecond);

void BM_EvaluateOneCard(benchmark::State& state)
{
    std::mt19937 random(2);
    auto stage = worstCaseStage(random);
    auto table = std::make_unique<ResultsTable>();
    std::memset(table.get(), 0, sizeof(ResultsTable));
    for (int i = 0; i < kMaxCards; ++i)
        fillCard(table->cards[i], i + 1, *stage, random);
    reevaluateAllCards(*table, *stage);
    ControlCard card = table->cards[500];
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluateCard(card, *stage, *table));
}
BENCHMARK(BM_EvaluateOneCard)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
