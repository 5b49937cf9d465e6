#include "tablo/board/board_table.h"

#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/model/table_file.h"
#include "trop/print/overall_results.h"
#include "trop/store/competition_store.h"

#include <memory>

namespace tablo {
namespace {

// The board must not create a missing members file: that would race with the
// removal of the category in the main program.
int readMembers(const std::filesystem::path& categoryFolder, trop::MemberTable& members)
{
    if (!trop::readTableFile(categoryFolder / trop::kMembersFileName, &members, sizeof members,
                             trop::MissingTableFile::LeaveAbsent))
        return -1;
    const int count = trop::memberCount(members);
    trop::clearAfterUsedPart(members.records, count, trop::kMaxMembers);
    return count;
}

std::string stageResultsFile(int stage)
{
    return trop::stageFolderName(stage) + "/" + trop::kResultsFileName;
}

} // namespace

BoardBuild buildBoard(const std::filesystem::path& categoryFolder, BoardTable& table)
{
    table = BoardTable{};
    auto members = std::make_unique<trop::MemberTable>();
    const int memberTotal = readMembers(categoryFolder, *members);
    if (memberTotal < 0)
        return {BoardBuildStatus::MembersUnreadable, trop::kMembersFileName};
    if (memberTotal == 0)
        return {BoardBuildStatus::NoMembers, {}};

    auto classification = std::make_unique<trop::ClassificationTable>();
    const int unreadableStage = trop::classifyLoadedMembers(categoryFolder, *members, *classification);
    const std::vector<std::string> places = trop::overallPlaceTexts(*classification);
    table.stageLimit = classification->stageCount + 1;
    table.rows.resize(static_cast<std::size_t>(classification->rowCount));
    for (int i = 0; i < classification->rowCount; ++i) {
        const trop::ClassificationRow& from = classification->rows[i];
        BoardRow& row = table.rows[static_cast<std::size_t>(i)];
        row.teamNumber = from.teamNumber;
        row.place = places[static_cast<std::size_t>(i)];
        row.surnames = trop::teamSurnames(*members, from.teamNumber);
        for (int s = 1; s < table.stageLimit; ++s)
            row.stages[static_cast<std::size_t>(s)] = {from.stages[s].penaltyPoints, from.stages[s].totalPoints};
    }
    return {BoardBuildStatus::Built, unreadableStage ? stageResultsFile(unreadableStage) : std::string()};
}

} // namespace tablo
