#include "group_dialog_rules.h"

#include "trop/model/record_bounds.h"
#include "trop/model/stage_edits.h"
#include "trop/model/stage_file.h"
#include "trop/store/messages.h"
#include "trop/ui/dialogs/integer_entry.h"

#include <algorithm>

namespace trop {

GroupDialogRules::GroupDialogRules(const StageDefinition& stage, int groupIndex, const PointGroup& group)
    : stage_(stage), groupIndex_(groupIndex), members_(groupMembers(stage, group))
{
    std::vector<bool> grouped(kMaxPoints, false);
    for (int g = 0; g < usedGroupCount(stage); ++g)
        for (int member : groupMembers(stage, stage.groups[g]))
            grouped[member] = true;
    for (int member : members_)
        grouped[member] = true;
    for (int p = 0; p < usedPointCount(stage); ++p)
        if (!grouped[p])
            available_.push_back(p);
    updateFromMembers();
    confirmationsText_ = std::to_string(group.confirmations);
}

std::string GroupDialogRules::title() const
{
    return "Grupa nr " + std::to_string(groupIndex_ + 1);
}

std::string GroupDialogRules::label(int point) const
{
    return pointLabel(stage_, point);
}

// An empty group shows 0; a LOP or area group shows that point's
// confirmations; otherwise the field keeps what it holds.
void GroupDialogRules::updateFromMembers()
{
    special_ = !members_.empty() && isSpecialPoint(stage_.points[members_.front()]);
    if (members_.empty())
        confirmationsText_.assign(1, '0');
    else if (special_)
        confirmationsText_ = std::to_string(stage_.points[members_.front()].confirmations);
}

bool GroupDialogRules::addMember(int availableLine)
{
    if (!indexBelow(availableLine, static_cast<int>(available_.size())) || members_.size() >= kMaxGroupMembers)
        return false;
    const int point = available_[availableLine];
    if (special_ || (!members_.empty() && isSpecialPoint(stage_.points[point]))) {
        showMessage(14);
        return false;
    }
    available_.erase(available_.begin() + availableLine);
    members_.push_back(point);
    updateFromMembers();
    return true;
}

bool GroupDialogRules::removeMember(int memberLine)
{
    if (!indexBelow(memberLine, static_cast<int>(members_.size())) || available_.size() >= kMaxPoints)
        return false;
    available_.push_back(members_[memberLine]);
    members_.erase(members_.begin() + memberLine);
    updateFromMembers();
    return true;
}

std::optional<PointGroup> GroupDialogRules::accept() const
{
    if (members_.empty())
        return std::nullopt;
    std::optional<int> confirmations = readIntegerField(confirmationsText_, 1, 50);
    if (confirmations && !special_)
        confirmations = readIntegerField(confirmationsText_, 1, std::max(static_cast<int>(members_.size()), 1));
    if (!confirmations)
        return std::nullopt;
    PointGroup group{};
    group.memberCount = static_cast<std::int32_t>(members_.size());
    std::copy(members_.begin(), members_.end(), group.members);
    group.confirmations = *confirmations;
    return group;
}

} // namespace trop
