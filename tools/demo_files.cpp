// Writing the sample competition into the store.
#include "demo_competition.h"

#include "trop/model/stage_file.h"
#include "trop/store/header_files.h"

namespace trop::demo {
namespace {

bool fail(std::string& error, const std::string& what)
{
    error = what;
    return false;
}

bool writeStage(const std::filesystem::path& categoryFolder, int category, int stage, const MemberTable& members,
                std::string& error)
{
    const std::filesystem::path folder = categoryFolder / ("E" + std::to_string(stage));
    std::error_code code;
    std::filesystem::create_directory(folder, code);
    if (code)
        return fail(error, "cannot create " + folder.string());
    if (!writeStageParams(folder, demoStageParams(stage)))
        return fail(error, "cannot write " + (folder / kStageParamsFileName).string());

    auto route = std::make_unique<StageDefinition>();
    buildDemoRoute(stage, *route);
    if (!saveStageDefinition(folder, *route))
        return fail(error, "cannot write " + (folder / kStageDefinitionFileName).string());

    const std::unique_ptr<StartList> startList = demoStartList(category, stage, members);
    if (!saveStartList(folder, *startList))
        return fail(error, "cannot write " + (folder / kStartListFileName).string());

    const std::unique_ptr<ResultsTable> cards = demoCards(category, stage, members, *startList);
    if (!settleCards(*cards, *route))
        return fail(error, "the stage points of " + folder.string() + " do not settle");
    if (!saveResults(folder, *cards))
        return fail(error, "cannot write " + (folder / kResultsFileName).string());
    return true;
}

} // namespace

bool writeDemoCompetition(const std::filesystem::path& competitionFolder, std::string& error)
{
    std::error_code code;
    std::filesystem::create_directory(competitionFolder, code);
    if (code)
        return fail(error, "cannot create " + competitionFolder.string());
    if (!writeCompetitionHeader(competitionFolder, demoCompetitionHeader()))
        return fail(error, "cannot write " + (competitionFolder / kCompetitionHeaderFileName).string());

    for (int category = 0; category < static_cast<int>(std::size(kDemoCategories)); ++category) {
        const std::filesystem::path folder = competitionFolder / kDemoCategories[category].folderName;
        std::filesystem::create_directory(folder, code);
        if (code)
            return fail(error, "cannot create " + folder.string());
        const std::unique_ptr<MemberTable> members = demoMembers(category);
        if (!saveMembers(folder, *members))
            return fail(error, "cannot write " + (folder / kMembersFileName).string());
        for (int stage = 1; stage <= kDemoStageCount; ++stage)
            if (!writeStage(folder, category, stage, *members, error))
                return false;
    }
    return true;
}

} // namespace trop::demo
