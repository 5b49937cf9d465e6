#include "tablo/board/board_table.h"

#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/print/overall_results.h"

#include <memory>

namespace tablo {

BoardBuild buildBoard(const std::filesystem::path& categoryFolder, BoardTable& table)
{
    table = BoardTable{};
    auto members = std::make_unique<trop::MemberTable>();
    auto classification = std::make_unique<trop::ClassificationTable>();
    trop::ClassificationFailure failure;
    switch (trop::classifyCategory(categoryFolder, *members, *classification, &failure)) {
    case trop::ClassificationResult::NoMembers:
        return {BoardBuildStatus::NoMembers, {}};
    case trop::ClassificationResult::MembersUnreadable:
        return {BoardBuildStatus::MembersUnreadable, failure.fileText};
    case trop::ClassificationResult::StageUnreadable:
        return {BoardBuildStatus::StageUnreadable, failure.fileText};
    case trop::ClassificationResult::Built:
        break;
    }
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
    return {BoardBuildStatus::Built, {}};
}

} // namespace tablo
