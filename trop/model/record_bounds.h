// Counts and indices that come from disk are never trusted: a damaged or
// foreign file may hold any value. These helpers clamp every count to the
// capacity of its array and tell whether an index names an entry in use, so
// that every reader of a record (labels, evaluation, printouts, windows)
// treats an out-of-range value as absent instead of reading past an array.
#pragma once

#include "trop/model/control_card.h"
#include "trop/model/stage_definition.h"

#include <algorithm>

namespace trop {

// value bounded to 0..capacity.
constexpr int clampedCount(std::int32_t value, int capacity)
{
    return std::clamp<std::int32_t>(value, 0, capacity);
}

constexpr bool indexBelow(std::int32_t index, int count)
{
    return index >= 0 && index < count;
}

// Entries in use, each count clamped to its array.
inline int usedCodeCount(const StageDefinition& stage) { return clampedCount(stage.codeCount, kMaxCodes); }
inline int usedPointCount(const StageDefinition& stage) { return clampedCount(stage.pointCount, kMaxPoints); }
inline int usedGroupCount(const StageDefinition& stage) { return clampedCount(stage.groupCount, kMaxGroups); }
inline int usedOrderCount(const StageDefinition& stage) { return clampedCount(stage.orderCount, kMaxOrderEntries); }
inline int usedControlCount(const RoutePoint& point) { return clampedCount(point.controlCount, kMaxPointControls); }
inline int usedAssociatedCount(const RoutePoint& point)
{
    return clampedCount(point.associatedCount, kMaxPointControls);
}
inline int usedGroupMemberCount(const PointGroup& group)
{
    return clampedCount(group.memberCount, kMaxGroupMembers);
}
inline int usedMissingCount(const ControlCard& card) { return clampedCount(card.missingCount, kBoxCount); }

// True when the index names an entry in use.
inline bool validCodeIndex(const StageDefinition& stage, std::int32_t index)
{
    return indexBelow(index, usedCodeCount(stage));
}
inline bool validPointIndex(const StageDefinition& stage, std::int32_t index)
{
    return indexBelow(index, usedPointCount(stage));
}
inline bool validGroupIndex(const StageDefinition& stage, std::int32_t index)
{
    return indexBelow(index, usedGroupCount(stage));
}
// A box of a card (repeatOfBox, orderBreakAfterBox).
constexpr bool validBoxIndex(std::int32_t index) { return indexBelow(index, kBoxCount); }

} // namespace trop
