// A checked, precomputed view of a StageDefinition for the evaluation.
//
// The record comes from disk and is not trusted: every count is clamped to
// its array, and group members or order entries that name no existing point
// or group are left out as if they were absent. Building the view once lets
// a re-evaluation of all cards share it.
#pragma once

#include "description_match.h"
#include "trop/model/control_card.h"
#include "trop/model/stage_definition.h"

#include <cstdint>

namespace trop::scoring {

inline constexpr int kMaxSlots = kBoxCount;

// One bit per route point (there are at most 30).
using PointMask = std::uint32_t;
// One bit per slot (there are at most 40).
using SlotMask = std::uint64_t;

inline bool hasPoint(PointMask mask, int point)
{
    return (mask >> point) & 1u;
}

struct PreparedPoint {
    PointDescription description;
    bool lopOrArea = false;
    bool markedOnMap = false;
    std::int32_t confirmations = 0;
};

struct PreparedGroup {
    int memberCount = 0; // only members that name an existing point
    int members[kMaxGroupMembers] = {};
    std::int32_t confirmations = 0;
};

struct PreparedStage {
    const StageDefinition* stage = nullptr;

    int pointCount = 0;
    PreparedPoint points[kMaxPoints];

    // One slot per required confirmation of a point, in route order, at most 40.
    int slotCount = 0;
    int slotPoint[kMaxSlots] = {};
    SlotMask pointSlots[kMaxPoints] = {}; // the slots of each point

    int groupCount = 0;
    PreparedGroup groups[kMaxGroups];

    // Position of each point in the obligatory order, -1 when the point takes
    // no part in it (also -1 everywhere when the order is free).
    int orderPosition[kMaxPoints] = {};

    // Points whose controls / associated markers include the code.
    PointMask pointsWithControl(std::int32_t codeIndex) const;
    PointMask pointsWithAssociated(std::int32_t codeIndex) const;

    PointMask controlPointsByCode[kMaxCodes] = {};
    PointMask associatedPointsByCode[kMaxCodes] = {};
};

void prepareStage(const StageDefinition& stage, PreparedStage& prepared);

} // namespace trop::scoring
