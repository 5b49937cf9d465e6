// Writes a small seed corpus for each fuzzer: plausible store files that the
// mutations can start from (a stage record is 22 kB, far more than random
// growth from an empty input reaches). Usage: make_seeds <folder>; it
// creates <folder>/<fuzzer>/ with the seeds.
#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/model/stage_file.h"
#include "trop/model/start_list.h"
#include "trop/store/fixed_text.h"

#include <cstdio>
#include <memory>

using namespace trop;
namespace fs = std::filesystem;

namespace {

fs::path seedFolder(const fs::path& root, const char* fuzzer)
{
    fs::create_directories(root / fuzzer);
    return root / fuzzer;
}

void stageSeeds(const fs::path& folder)
{
    auto stage = std::make_unique<StageDefinition>();
    applyStageDefaults(*stage);
    saveStageDefinition(folder, *stage);
    fs::rename(folder / kStageDefinitionFileName, folder / "defaults");

    const char* codes[] = {"Z", "B", "AA", "a", "\xA3"};
    for (const char* code : codes)
        addCode(*stage, 0x00FF00, code);
    const char* descriptions[][2] = {{"A", "B"}, {"3", ""}, {"", ""}, {"12", "x"}};
    stage->pointCount = 4;
    for (int p = 0; p < 4; ++p) {
        RoutePoint& point = stage->points[p];
        setFieldText(point.description1, descriptions[p][0]);
        setFieldText(point.description2, descriptions[p][1]);
        point.isLop = p == 1;
        point.isArea = p == 3;
        point.confirmations = 1;
        point.controlCount = 2;
        point.controls[0].codeIndex = p + 1;
        point.controls[1].codeIndex = 5 - p;
        point.associatedCount = 1;
        point.associated[0].codeIndex = (p + 2) % 6;
    }
    stage->groupCount = 1;
    stage->groups[0] = PointGroup{2, {0, 3}, 1};
    stage->orderRule = PointOrder;
    stage->orderCount = 3;
    stage->orderList[0] = 0;
    stage->orderList[1] = 2;
    stage->orderList[2] = 3;
    saveStageDefinition(folder, *stage);
    fs::rename(folder / kStageDefinitionFileName, folder / "route");
}

void membersSeed(const fs::path& folder)
{
    auto table = std::make_unique<MemberTable>();
    const int teams[] = {3, 5, 5, 8};
    for (int team : teams) {
        MemberRecord member{};
        member.teamNumber = team;
        setFieldText(member.surname, "Kowalski");
        setFieldText(member.firstName, "Jan");
        insertMember(*table, member);
    }
    saveMembers(folder, *table);
}

void resultsSeed(const fs::path& folder)
{
    auto table = std::make_unique<ResultsTable>();
    for (int team : {2, 5, 9})
        ensureCard(*table, team);
    table->cards[1].notEntered = 0;
    table->cards[1].boxes[0] = Confirmation{3, 0, 0, 1, "LOP 2", 1, 0, "2", 1, 0, 0, 0, 0, 0, 1, 1, 0, 0};
    saveResults(folder, *table);
}

void startListSeed(const fs::path& folder)
{
    auto list = std::make_unique<StartList>();
    list->entries[0] = {0, 3};
    list->entries[1] = {4, kEmptyStartPosition};
    list->entries[2] = {8, 9};
    saveStartList(folder, *list);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <folder>\n");
        return 2;
    }
    const fs::path root = argv[1];
    stageSeeds(seedFolder(root, "stage_definition"));
    membersSeed(seedFolder(root, "members"));
    resultsSeed(seedFolder(root, "results"));
    startListSeed(seedFolder(root, "start_list"));
    return 0;
}
