#include "box_values.h"
#include "owed_points.h"

namespace trop::scoring {

namespace {

// The first group of the backup that holds the point, or -1.
int backupGroupOf(const OwedPoints& owed, int point)
{
    for (int g = 0; g < owed.groupCount; ++g) {
        const WorkGroup& group = owed.groupsBackup[g];
        for (int m = 0; m < group.memberCount; ++m)
            if (group.members[m] == point)
                return g;
    }
    return -1;
}

// A row whose confirmation may be taken back: it confirms a slot, and its
// point lies outside every group or in a group confirmed beyond its need.
bool isSurplus(const Matching& matching, const OwedPoints& owed, int row, int& group)
{
    const int slot = matching.assignedSlot(row);
    if (slot < 0 || matching.matchKind(row, slot) == MatchNone)
        return false;
    group = backupGroupOf(owed, matching.slotPoint[slot]);
    return group < 0 || owed.workGroups[group].confirmations < 0;
}

// Scans from the last row; -1 when no row qualifies.
int lastSurplusRow(const Matching& matching, const OwedPoints& owed, int& group)
{
    for (int r = matching.rowCount - 1; r >= 0; --r)
        if (isSurplus(matching, owed, r, group))
            return r;
    return -1;
}

} // namespace

void downgradeSurplus(ControlCard& card, Matching& matching, OwedPoints& owed)
{
    while (owed.remainingRequired < 0) {
        int group = -1;
        const int row = lastSurplusRow(matching, owed, group);
        if (row < 0)
            return;
        matching.withdraw(row);
        Confirmation& box = card.boxes[matching.rowBox[row]];
        if (box.autoValue != 0)
            makeWrongPoint(box);
        if (group >= 0)
            ++owed.workGroups[group].confirmations;
        ++owed.remainingRequired;
    }
}

} // namespace trop::scoring
