#include "prepared_stage.h"

#include "trop/model/record_bounds.h"

#include "trop/store/fixed_text.h"

namespace trop::scoring {

namespace {

PointDescription describePoint(const RoutePoint& point)
{
    PointDescription description;
    description.first = packText(fieldText(point.description1));
    const PackedText second = packText(fieldText(point.description2));
    description.joined = joinTexts(description.first, second);
    description.swapped = joinTexts(second, description.first);
    description.isLop = point.isLop;
    description.isArea = point.isArea;
    return description;
}

bool refersTo(const CodeRef* refs, std::int32_t count, std::int32_t codeIndex)
{
    const int used = clampedCount(count, kMaxPointControls);
    for (int i = 0; i < used; ++i)
        if (refs[i].codeIndex == codeIndex)
            return true;
    return false;
}

void preparePoints(const StageDefinition& stage, PreparedStage& prepared)
{
    prepared.pointCount = clampedCount(stage.pointCount, kMaxPoints);
    for (int p = 0; p < prepared.pointCount; ++p) {
        const RoutePoint& point = stage.points[p];
        PreparedPoint& out = prepared.points[p];
        out.description = describePoint(point);
        out.lopOrArea = point.isLop != 0 || point.isArea != 0;
        out.markedOnMap = point.markedOnMap != 0;
        out.confirmations = point.confirmations;
    }
}

void prepareSlots(PreparedStage& prepared)
{
    prepared.slotCount = 0;
    for (SlotMask& slots : prepared.pointSlots)
        slots = 0;
    for (int p = 0; p < prepared.pointCount; ++p) {
        for (std::int32_t k = 0; k < prepared.points[p].confirmations && prepared.slotCount < kMaxSlots; ++k) {
            prepared.pointSlots[p] |= SlotMask{1} << prepared.slotCount;
            prepared.slotPoint[prepared.slotCount++] = p;
        }
    }
}

void prepareCodeMasks(const StageDefinition& stage, PreparedStage& prepared)
{
    for (int c = 0; c < kMaxCodes; ++c) {
        prepared.controlPointsByCode[c] = 0;
        prepared.associatedPointsByCode[c] = 0;
    }
    for (int p = 0; p < prepared.pointCount; ++p) {
        const RoutePoint& point = stage.points[p];
        const int controls = clampedCount(point.controlCount, kMaxPointControls);
        for (int i = 0; i < controls; ++i) {
            const std::int32_t code = point.controls[i].codeIndex;
            if (code >= 0 && code < kMaxCodes)
                prepared.controlPointsByCode[code] |= PointMask{1} << p;
        }
        const int associated = clampedCount(point.associatedCount, kMaxPointControls);
        for (int i = 0; i < associated; ++i) {
            const std::int32_t code = point.associated[i].codeIndex;
            if (code >= 0 && code < kMaxCodes)
                prepared.associatedPointsByCode[code] |= PointMask{1} << p;
        }
    }
}

void prepareGroups(const StageDefinition& stage, PreparedStage& prepared)
{
    prepared.groupCount = clampedCount(stage.groupCount, kMaxGroups);
    for (int g = 0; g < prepared.groupCount; ++g) {
        const PointGroup& group = stage.groups[g];
        PreparedGroup& out = prepared.groups[g];
        out.memberCount = 0;
        out.confirmations = group.confirmations;
        const int members = clampedCount(group.memberCount, kMaxGroupMembers);
        for (int m = 0; m < members; ++m)
            if (group.members[m] >= 0 && group.members[m] < prepared.pointCount)
                out.members[out.memberCount++] = group.members[m];
    }
}

int firstGroupOf(const PreparedStage& prepared, int point)
{
    for (int g = 0; g < prepared.groupCount; ++g)
        for (int m = 0; m < prepared.groups[g].memberCount; ++m)
            if (prepared.groups[g].members[m] == point)
                return g;
    return -1;
}

int positionInOrder(const StageDefinition& stage, int entry)
{
    const int used = clampedCount(stage.orderCount, kMaxOrderEntries);
    for (int i = 0; i < used; ++i)
        if (stage.orderList[i] == entry)
            return i;
    return -1;
}

void prepareOrder(const StageDefinition& stage, PreparedStage& prepared)
{
    for (int p = 0; p < prepared.pointCount; ++p) {
        int position = -1;
        if (stage.orderRule == PointOrder) {
            position = positionInOrder(stage, p);
        } else if (stage.orderRule == GroupOrder) {
            const int group = firstGroupOf(prepared, p);
            position = group < 0 ? -1 : positionInOrder(stage, group);
        }
        prepared.orderPosition[p] = position;
    }
}

PointMask scanPoints(const StageDefinition& stage, int pointCount, std::int32_t codeIndex, bool associated)
{
    PointMask mask = 0;
    for (int p = 0; p < pointCount; ++p) {
        const RoutePoint& point = stage.points[p];
        const bool found = associated ? refersTo(point.associated, point.associatedCount, codeIndex)
                                      : refersTo(point.controls, point.controlCount, codeIndex);
        if (found)
            mask |= PointMask{1} << p;
    }
    return mask;
}

} // namespace

// Codes outside the code table only occur in damaged files; they are looked
// up the slow way so that they still match exactly as stored.
PointMask PreparedStage::pointsWithControl(std::int32_t codeIndex) const
{
    if (codeIndex >= 0 && codeIndex < kMaxCodes)
        return controlPointsByCode[codeIndex];
    return scanPoints(*stage, pointCount, codeIndex, false);
}

PointMask PreparedStage::pointsWithAssociated(std::int32_t codeIndex) const
{
    if (codeIndex >= 0 && codeIndex < kMaxCodes)
        return associatedPointsByCode[codeIndex];
    return scanPoints(*stage, pointCount, codeIndex, true);
}

void prepareStage(const StageDefinition& stage, PreparedStage& prepared)
{
    prepared.stage = &stage;
    preparePoints(stage, prepared);
    prepareSlots(prepared);
    prepareCodeMasks(stage, prepared);
    prepareGroups(stage, prepared);
    prepareOrder(stage, prepared);
}

} // namespace trop::scoring
