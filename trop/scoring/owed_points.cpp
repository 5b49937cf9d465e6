#include "owed_points.h"

#include "saturate.h"

namespace trop::scoring {

namespace {

bool groupHolds(const WorkGroup& group, int point)
{
    for (int m = 0; m < group.memberCount; ++m)
        if (group.members[m] == point)
            return true;
    return false;
}

template <typename T>
void removeAt(T* items, int& count, int index)
{
    for (int i = index + 1; i < count; ++i)
        items[i - 1] = items[i];
    --count;
}

int findPending(const OwedPoints& owed, int point)
{
    for (int i = 0; i < owed.pendingCount; ++i)
        if (owed.pendingLopArea[i].point == point)
            return i;
    return -1;
}

int firstWorkGroupOf(const OwedPoints& owed, int point)
{
    for (int g = 0; g < owed.groupCount; ++g)
        if (groupHolds(owed.workGroups[g], point))
            return g;
    return -1;
}

void removeMember(WorkGroup& group, int point)
{
    for (int m = 0; m < group.memberCount; ++m) {
        if (group.members[m] == point) {
            removeAt(group.members, group.memberCount, m);
            --group.confirmations;
            return;
        }
    }
}

void removeLoose(OwedPoints& owed, int point)
{
    for (int i = 0; i < owed.looseCount; ++i) {
        if (owed.loosePoints[i] == point) {
            removeAt(owed.loosePoints, owed.looseCount, i);
            return;
        }
    }
}

// Takes a normal point off the lists. The group is the work group to take
// it from (-1: the first work group holding it).
void removeNormalPoint(OwedPoints& owed, int point, int group)
{
    if (group < 0)
        group = firstWorkGroupOf(owed, point);
    if (group >= 0)
        removeMember(owed.workGroups[group], point);
    removeLoose(owed, point);
    --owed.remainingRequired;
}

void removeLopAreaPoint(OwedPoints& owed, int point)
{
    const int pending = findPending(owed, point);
    if (pending < 0)
        return;
    if (--owed.pendingLopArea[pending].owed == 0)
        removeAt(owed.pendingLopArea, owed.pendingCount, pending);
}

void appendMissing(ControlCard& card, int point)
{
    if (card.missingCount >= 0 && card.missingCount < kBoxCount)
        card.missing[card.missingCount++] = point;
}

// The first candidate not marked on the map costs 60; when all are marked,
// the first candidate costs 90.
int chooseMissing(const PreparedStage& stage, const int* candidates, int count, int& penalty)
{
    for (int i = 0; i < count; ++i) {
        if (!stage.points[candidates[i]].markedOnMap) {
            penalty = kMissingUnmarkedPenalty;
            return candidates[i];
        }
    }
    penalty = kMissingMarkedPenalty;
    return candidates[0];
}

} // namespace

void buildOwedPoints(const PreparedStage& stage, OwedPoints& owed)
{
    owed.remainingRequired = stage.stage->requiredConfirmations;
    owed.looseCount = 0;
    owed.pendingCount = 0;
    owed.groupCount = 0;
    for (int g = 0; g < stage.groupCount; ++g) {
        const PreparedGroup& group = stage.groups[g];
        if (group.memberCount > 0 && stage.points[group.members[0]].lopOrArea) {
            owed.pendingLopArea[owed.pendingCount++] = {group.members[0], group.confirmations};
            continue;
        }
        WorkGroup& work = owed.workGroups[owed.groupCount++];
        work.memberCount = group.memberCount;
        work.confirmations = group.confirmations;
        for (int m = 0; m < group.memberCount; ++m) {
            work.members[m] = group.members[m];
            owed.loosePoints[owed.looseCount++] = group.members[m];
        }
    }
    for (int p = 0; p < stage.pointCount; ++p) {
        if (!stage.points[p].lopOrArea) {
            if (firstWorkGroupOf(owed, p) < 0)
                owed.loosePoints[owed.looseCount++] = p;
        } else if (findPending(owed, p) < 0) {
            owed.pendingLopArea[owed.pendingCount++] = {p, stage.points[p].confirmations};
        }
    }
    for (int g = 0; g < owed.groupCount; ++g)
        owed.groupsBackup[g] = owed.workGroups[g];
}

void removeConfirmedPoints(const PreparedStage& stage, const Matching& matching, OwedPoints& owed)
{
    for (int s = 0; s < matching.slotCount; ++s) {
        if (!matching.slotConfirmed(s))
            continue;
        const int point = matching.slotPoint[s];
        if (stage.points[point].lopOrArea)
            removeLopAreaPoint(owed, point);
        else
            removeNormalPoint(owed, point, -1);
    }
}

void chargeMissingPoints(ControlCard& card, const PreparedStage& stage, OwedPoints& owed)
{
    card.missingCount = 0;
    std::int64_t penalty = 0;
    for (int g = 0; g < owed.groupCount; ++g) {
        WorkGroup& group = owed.workGroups[g];
        while (group.confirmations > 0 && group.memberCount > 0) {
            int amount = 0;
            const int point = chooseMissing(stage, group.members, group.memberCount, amount);
            appendMissing(card, point);
            penalty += amount;
            removeNormalPoint(owed, point, g);
        }
    }
    while (owed.remainingRequired > 0 && owed.looseCount > 0) {
        int amount = 0;
        const int point = chooseMissing(stage, owed.loosePoints, owed.looseCount, amount);
        appendMissing(card, point);
        penalty += amount;
        removeNormalPoint(owed, point, -1);
    }
    for (int i = 0; i < owed.pendingCount; ++i) {
        const LopAreaOwed& pending = owed.pendingLopArea[i];
        for (std::int64_t k = 0; k < pending.owed && card.missingCount < kBoxCount; ++k)
            appendMissing(card, pending.point);
        if (pending.owed > 0)
            penalty += pending.owed * kMissingLopAreaPenalty;
    }
    card.missingPenalty = saturateToInt32(penalty);
}

} // namespace trop::scoring
