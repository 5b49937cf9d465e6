// Edits of a stage definition that keep its cross-references whole.
#include "stage_edits.h"

#include "record_bounds.h"
#include "stage_file.h"
#include "trop/store/fixed_text.h"

#include <algorithm>

namespace trop {

namespace {

// Removes every entry equal to `index` and renumbers the entries above it.
void removeIndex(std::int32_t* list, std::int32_t& count, int capacity, int index)
{
    int kept = 0;
    const int used = clampedCount(count, capacity);
    for (int i = 0; i < used; ++i) {
        if (list[i] == index)
            continue;
        list[kept++] = list[i] > index ? list[i] - 1 : list[i];
    }
    count = kept;
}

// Removes the references to code entry `entry`, renumbering later entries.
void removeCodeFromList(CodeRef* refs, std::int32_t& count, int entry)
{
    int kept = 0;
    const int used = clampedCount(count, kMaxPointControls);
    for (int i = 0; i < used; ++i) {
        if (refs[i].codeIndex == entry)
            continue;
        refs[kept] = refs[i];
        if (refs[kept].codeIndex > entry)
            --refs[kept].codeIndex;
        ++kept;
    }
    count = kept;
}

CodeRef* listOf(RoutePoint& point, PointList list)
{
    return list == PointList::Controls ? point.controls : point.associated;
}

std::int32_t& countOf(RoutePoint& point, PointList list)
{
    return list == PointList::Controls ? point.controlCount : point.associatedCount;
}

// Takes the deleted point out of every group; true for the group it left.
void leaveGroups(StageDefinition& stage, int point)
{
    for (int g = 0; g < usedGroupCount(stage);) {
        PointGroup& group = stage.groups[g];
        const int before = usedGroupMemberCount(group);
        removeIndex(group.members, group.memberCount, kMaxGroupMembers, point);
        const bool left = group.memberCount < before;
        if (left && group.memberCount < group.confirmations)
            --group.confirmations;
        if (left && group.memberCount == 0) {
            removeGroup(stage, g);
            continue;
        }
        ++g;
    }
}

} // namespace

bool isSpecialPoint(const RoutePoint& point)
{
    return point.isLop != 0 || point.isArea != 0;
}

bool deleteCode(StageDefinition& stage, int entry)
{
    const int codes = usedCodeCount(stage);
    if (entry < 1 || entry >= codes)
        return false;
    std::copy(stage.codeTable + entry + 1, stage.codeTable + codes, stage.codeTable + entry);
    stage.codeCount = codes - 1;
    for (int p = 0; p < usedPointCount(stage); ++p) {
        RoutePoint& point = stage.points[p];
        removeCodeFromList(point.controls, point.controlCount, entry);
        removeCodeFromList(point.associated, point.associatedCount, entry);
    }
    return true;
}

bool removeCodeRef(RoutePoint& point, PointList list, int position)
{
    CodeRef* refs = listOf(point, list);
    std::int32_t& count = countOf(point, list);
    const int used = clampedCount(count, kMaxPointControls);
    if (!indexBelow(position, used))
        return false;
    std::copy(refs + position + 1, refs + used, refs + position);
    count = used - 1;
    return true;
}

bool appendCodeRef(const StageDefinition& stage, RoutePoint& point, PointList list, int codeIndex)
{
    std::int32_t& count = countOf(point, list);
    const int used = clampedCount(count, kMaxPointControls);
    if (used >= kMaxPointControls || !validCodeIndex(stage, codeIndex))
        return false;
    CodeRef& ref = listOf(point, list)[used];
    ref.colour = stage.codeTable[codeIndex].colour;
    setFieldText(ref.code, codeText(stage, codeIndex));
    ref.codeIndex = codeIndex;
    count = used + 1;
    return true;
}

bool deletePoint(StageDefinition& stage, int point)
{
    const int points = usedPointCount(stage);
    if (!indexBelow(point, points))
        return false;
    const bool ordinary = !isSpecialPoint(stage.points[point]);
    std::copy(stage.points + point + 1, stage.points + points, stage.points + point);
    stage.pointCount = points - 1;
    leaveGroups(stage, point);
    if (stage.orderRule == PointOrder)
        removeIndex(stage.orderList, stage.orderCount, kMaxOrderEntries, point);
    if (ordinary && stage.requiredConfirmations > 0)
        --stage.requiredConfirmations;
    return true;
}

PointGroup removeGroup(StageDefinition& stage, int group)
{
    const int groups = usedGroupCount(stage);
    if (!indexBelow(group, groups))
        return PointGroup{};
    const PointGroup removed = stage.groups[group];
    std::copy(stage.groups + group + 1, stage.groups + groups, stage.groups + group);
    stage.groupCount = groups - 1;
    if (stage.orderRule == GroupOrder)
        removeIndex(stage.orderList, stage.orderCount, kMaxOrderEntries, group);
    return removed;
}

bool insertGroup(StageDefinition& stage, int at, const PointGroup& group)
{
    const int groups = usedGroupCount(stage);
    if (groups >= kMaxGroups || at < 0 || at > groups)
        return false;
    std::copy_backward(stage.groups + at, stage.groups + groups, stage.groups + groups + 1);
    stage.groups[at] = group;
    stage.groupCount = groups + 1;
    if (stage.orderRule == GroupOrder) {
        const int used = usedOrderCount(stage);
        for (int i = 0; i < used; ++i)
            if (stage.orderList[i] >= at)
                ++stage.orderList[i];
    }
    return true;
}

int groupOfPoint(const StageDefinition& stage, int point)
{
    for (int g = 0; g < usedGroupCount(stage); ++g) {
        const PointGroup& group = stage.groups[g];
        const std::int32_t* members = group.members;
        if (std::find(members, members + usedGroupMemberCount(group), point) != members + usedGroupMemberCount(group))
            return g;
    }
    return -1;
}

std::vector<int> cleanIndexList(const std::int32_t* indices, int count, int limit)
{
    std::vector<int> clean;
    for (int i = 0; i < count; ++i)
        if (indexBelow(indices[i], limit) && std::find(clean.begin(), clean.end(), indices[i]) == clean.end())
            clean.push_back(indices[i]);
    return clean;
}

std::vector<int> groupMembers(const StageDefinition& stage, const PointGroup& group)
{
    return cleanIndexList(group.members, usedGroupMemberCount(group), usedPointCount(stage));
}

std::vector<int> orderEntries(const StageDefinition& stage)
{
    const int limit = stage.orderRule == PointOrder   ? usedPointCount(stage)
                      : stage.orderRule == GroupOrder ? usedGroupCount(stage)
                                                      : 0;
    return cleanIndexList(stage.orderList, usedOrderCount(stage), limit);
}

bool isSpecialGroup(const StageDefinition& stage, const PointGroup& group)
{
    const std::vector<int> members = groupMembers(stage, group);
    return !members.empty() && isSpecialPoint(stage.points[members.front()]);
}

void clearPoint(RoutePoint& point)
{
    point.controlCount = 0;
    point.associatedCount = 0;
    point.confirmations = 1;
    setFieldText(point.description1, "");
    setFieldText(point.description2, "");
    point.isLop = 0;
    point.isArea = 0;
    point.markedOnMap = 0;
}

long long computeStageConstant(const StageDefinition& stage, int requiredConfirmations)
{
    long long settled = 0; // S
    long long unmarked = 0; // U: confirmations that can be made at unmarked points
    long long remaining = requiredConfirmations; // A
    for (int p = 0; p < usedPointCount(stage); ++p) {
        const RoutePoint& point = stage.points[p];
        if (isSpecialPoint(point))
            settled += 60LL * point.confirmations;
        else if (!point.markedOnMap)
            ++unmarked;
    }
    for (int g = 0; g < usedGroupCount(stage); ++g) {
        const PointGroup& group = stage.groups[g];
        const std::vector<int> members = groupMembers(stage, group);
        if (members.empty() || isSpecialPoint(stage.points[members.front()]))
            continue;
        const long long required = group.confirmations;
        const long long atUnmarked = std::count_if(members.begin(), members.end(),
                                                   [&](int m) { return !stage.points[m].markedOnMap; });
        if (required > atUnmarked) {
            settled += 90 * required - 30 * atUnmarked;
            unmarked -= atUnmarked;
        } else {
            settled += 60 * required;
            unmarked -= required;
        }
        unmarked = std::max(unmarked, 0LL);
        remaining -= required;
    }
    if (remaining > unmarked)
        return settled + 90 * remaining - 30 * unmarked;
    return settled + 60 * remaining;
}

} // namespace trop
