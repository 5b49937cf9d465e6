// Typing one box in the confirmation editor: the code and the description
// are taken and the card is evaluated against a stage of 1000 stored cards,
// 30 route points and a full code table. Target: under 2 ms per box.
#include "trop/model/results.h"
#include "trop/scoring/evaluate_card.h"
#include "trop/store/fixed_text.h"
#include "trop/ui/cards/box_editor_rules.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

using namespace trop;

namespace {

std::string codeName(int i)
{
    return std::string{char('A' + i / 26 % 26), char('A' + i % 26)};
}

void fillStage(StageDefinition& stage)
{
    std::memset(&stage, 0, sizeof stage);
    stage.codeCount = kMaxCodes;
    for (int c = 0; c < kMaxCodes; ++c)
        setFieldText(stage.codeTable[c].code, c == 0 ? "bpk" : codeName(c));
    stage.pointCount = kMaxPoints;
    for (int p = 0; p < kMaxPoints; ++p) {
        RoutePoint& point = stage.points[p];
        setFieldText(point.description1, std::string(1, char('A' + p % 26)));
        point.confirmations = 1;
        point.controlCount = kMaxPointControls;
        point.associatedCount = kMaxPointControls;
        for (int i = 0; i < kMaxPointControls; ++i) {
            point.controls[i].codeIndex = 1 + (p * 5 + i) % (kMaxCodes - 1);
            point.associated[i].codeIndex = 1 + (p * 7 + i * 3) % (kMaxCodes - 1);
        }
    }
    stage.requiredConfirmations = kMaxPoints;
    stage.timeLimit = 120;
    stage.lateLimit = 30;
    stage.stageConstant = 1000;
}

// 1000 entered cards, each with 39 boxes used.
void fillTable(ResultsTable& table, const StageDefinition& stage)
{
    for (int team = 0; team < kMaxCards; ++team) {
        ControlCard& card = table.cards[team];
        card = freshCard(team + 1);
        card.notEntered = 0;
        card.startTime = 10;
        card.finishTime = 100 + team % 50;
        for (int b = 0; b + 1 < kBoxCount; ++b) {
            Confirmation& box = card.boxes[b];
            box.empty = 0;
            box.autoDescription = box.autoValue = 1;
            box.codeIndex = stage.points[b % kMaxPoints].controls[team % 3].codeIndex;
            setFieldText(box.cardDescription, fieldText(stage.points[b % kMaxPoints].description1));
        }
    }
    reevaluateAllCards(table, stage);
}

void BM_TypeOneBox(benchmark::State& state)
{
    CardsStage cards;
    fillStage(*cards.stage);
    fillTable(*cards.table, *cards.stage);
    ControlCard working = cards.table->cards[500];
    BoxEditorRules editor(working, cards, 0, false);
    int round = 0;
    for (auto _ : state) {
        const int box = round % (kBoxCount - 1);
        while (editor.box() != box)
            box > editor.box() ? editor.nextBox() : editor.previousBox();
        editor.codeFieldEntered();
        editor.leaveCode(codeName(1 + round % (kMaxCodes - 1)));
        editor.leaveDescription(round % 2 ? "lop a" : "b", false);
        benchmark::DoNotOptimize(working.penaltyPoints);
        ++round;
    }
}
BENCHMARK(BM_TypeOneBox)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
