#include "groups_window_rules.h"

#include "trop/model/record_bounds.h"
#include "trop/model/stage_edits.h"
#include "route_changes.h"
#include "trop/model/stage_file.h"

namespace trop {

GroupsWindowRules::GroupsWindowRules(StageDefinition& stage, std::filesystem::path stageFolder)
    : stage_(stage), folder_(std::move(stageFolder))
{
}

std::vector<GroupRow> GroupsWindowRules::rows() const
{
    std::vector<GroupRow> rows;
    const int groups = usedGroupCount(stage_);
    for (int g = 0; g < groups; ++g) {
        std::string points;
        for (int member : groupMembers(stage_, stage_.groups[g])) {
            if (!points.empty())
                points += ",  ";
            points += pointLabel(stage_, member);
        }
        rows.push_back({std::to_string(g + 1) + " ", points, "  " + std::to_string(stage_.groups[g].confirmations)});
    }
    if (groups < kMaxGroups)
        rows.push_back({std::to_string(groups + 1) + " ", " --------------------------------------", ""});
    return rows;
}

bool GroupsWindowRules::isNewGroupRow(int row) const
{
    return row == usedGroupCount(stage_) && row < kMaxGroups;
}

bool GroupsWindowRules::canEdit(int row) const
{
    return indexBelow(row, usedGroupCount(stage_)) || isNewGroupRow(row);
}

bool GroupsWindowRules::canCut(int row) const
{
    return indexBelow(row, usedGroupCount(stage_));
}

bool GroupsWindowRules::canPaste(int row) const
{
    return clipboardFull_ && canEdit(row) && usedGroupCount(stage_) < kMaxGroups;
}

PointGroup GroupsWindowRules::groupToEdit(int row) const
{
    if (!isNewGroupRow(row) && canEdit(row))
        return stage_.groups[row];
    PointGroup fresh{};
    fresh.confirmations = 1;
    return fresh;
}

void GroupsWindowRules::storeGroup(int row, const PointGroup& group)
{
    if (!canEdit(row))
        return;
    if (isNewGroupRow(row))
        stage_.groupCount = row + 1;
    stage_.groups[row] = group;
    changed_ = true;
    clipboardFull_ = false;
}

bool GroupsWindowRules::cut(int row)
{
    if (!canCut(row))
        return false;
    clipboard_ = removeGroup(stage_, row);
    clipboardFull_ = true;
    changed_ = true;
    return true;
}

bool GroupsWindowRules::paste(int row)
{
    if (!canPaste(row) || !insertGroup(stage_, row, clipboard_))
        return false;
    clipboardFull_ = false;
    changed_ = true;
    return true;
}

int GroupsWindowRules::rowAfterRefill(int row) const
{
    const int last = static_cast<int>(rows().size()) - 1;
    return row < 0 ? row : std::min(row, last);
}

bool GroupsWindowRules::close()
{
    if (changed_ && !keepOrDropRouteChanges(folder_, stage_))
        return false;
    changed_ = false;
    return true;
}

} // namespace trop
