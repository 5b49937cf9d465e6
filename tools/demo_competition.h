// The sample competition of "trop-cli demo": a deterministic, believable
// competition with two categories of two stages each, whose cards between
// them show every kind of penalty. Everything is generated here; texts are
// written in code page 1250.
#pragma once

#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/model/stage_definition.h"
#include "trop/model/start_list.h"
#include "trop/store/header_records.h"

#include <filesystem>
#include <memory>
#include <string>

namespace trop::demo {

inline constexpr const char* kCompetitionFolderName = "Wrzos 2026";
inline constexpr int kDemoStageCount = 2;

struct DemoCategory {
    const char* folderName;
    int firstTeamNumber;
    int teamCount;
};

inline constexpr DemoCategory kDemoCategories[] = {
    {"TP", 1, 12},
    {"TU", 21, 11},
};

CompetitionHeader demoCompetitionHeader();

// Participants of category c (index into kDemoCategories), sorted by team.
std::unique_ptr<MemberTable> demoMembers(int category);

// The route of stage 1 or 2 (the same route for every category).
void buildDemoRoute(int stage, StageDefinition& route);
StageParams demoStageParams(int stage);

// A start list of the category's teams in a fixed shuffled order.
std::unique_ptr<StartList> demoStartList(int category, int stage, const MemberTable& members);

// The entered cards of the stage, not yet evaluated.
std::unique_ptr<ResultsTable> demoCards(int category, int stage, const MemberTable& members,
                                        const StartList& startList);

// Re-evaluates every card until one more pass changes nothing; false when
// the stage points did not settle.
bool settleCards(ResultsTable& cards, const StageDefinition& route);

// Writes the whole competition into the folder (created when missing; the
// caller renames it into the store when complete). On failure describes it
// in error.
bool writeDemoCompetition(const std::filesystem::path& competitionFolder, std::string& error);

} // namespace trop::demo
