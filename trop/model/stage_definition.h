// The route of one stage: the record of "Stage.Definition".
#pragma once

#include "trop/store/layout.h"

namespace trop {

inline constexpr int kMaxCodes = 168;
inline constexpr int kMaxPoints = 30;
inline constexpr int kMaxPointControls = 21;
inline constexpr int kMaxGroups = 30;
inline constexpr int kMaxGroupMembers = 30;
inline constexpr int kMaxOrderEntries = 30;

// A marker placed on the route. Entry 0 of the code table is always "bpk".
struct ControlCode {
    std::uint32_t colour; // 0x00BBGGRR
    char code[8];
};

// A reference from a route point to a code-table entry, with copies of the
// entry's colour and code (refreshed whenever the definition is saved).
struct CodeRef {
    std::uint32_t colour;
    char code[4];
    std::int32_t codeIndex;
};

struct RoutePoint {
    char description1[4];
    char description2[4];
    std::int32_t isLop;
    std::int32_t isArea;
    std::int32_t markedOnMap;
    std::int32_t confirmations;
    CodeRef controls[kMaxPointControls];
    std::int32_t controlCount;
    CodeRef associated[kMaxPointControls];
    std::int32_t associatedCount;
};

struct PointGroup {
    std::int32_t memberCount;
    std::int32_t members[kMaxGroupMembers]; // point indices
    std::int32_t confirmations;
};

enum OrderRule : std::int32_t {
    AnyOrder = 0,
    PointOrder = 1,
    GroupOrder = 2,
};

struct StageDefinition {
    ControlCode codeTable[kMaxCodes];
    std::int32_t codeCount;
    RoutePoint points[kMaxPoints];
    std::int32_t pointCount;
    std::int32_t requiredConfirmations;
    std::int32_t orderRule; // OrderRule
    PointGroup groups[kMaxGroups];
    std::int32_t groupCount;
    std::int32_t orderList[kMaxOrderEntries];
    std::int32_t orderCount;
    std::int32_t wrongDescriptionIsWrongPoint;
    std::int32_t timeLimit;
    std::int32_t lateLimit;
    std::int32_t stageConstant;
    std::int32_t taskEnabled;
    std::int32_t taskCorrectValue;
    std::int32_t taskDeviationInPercent;
    std::uint32_t taskPenaltyPerPoint;
};

TROP_CHECK_LAYOUT(ControlCode, 12);
TROP_CHECK_OFFSET(ControlCode, colour, 0);
TROP_CHECK_OFFSET(ControlCode, code, 4);

TROP_CHECK_LAYOUT(CodeRef, 12);
TROP_CHECK_OFFSET(CodeRef, colour, 0);
TROP_CHECK_OFFSET(CodeRef, code, 4);
TROP_CHECK_OFFSET(CodeRef, codeIndex, 8);

TROP_CHECK_LAYOUT(RoutePoint, 536);
TROP_CHECK_OFFSET(RoutePoint, description1, 0);
TROP_CHECK_OFFSET(RoutePoint, description2, 4);
TROP_CHECK_OFFSET(RoutePoint, isLop, 8);
TROP_CHECK_OFFSET(RoutePoint, isArea, 12);
TROP_CHECK_OFFSET(RoutePoint, markedOnMap, 16);
TROP_CHECK_OFFSET(RoutePoint, confirmations, 20);
TROP_CHECK_OFFSET(RoutePoint, controls, 24);
TROP_CHECK_OFFSET(RoutePoint, controlCount, 276);
TROP_CHECK_OFFSET(RoutePoint, associated, 280);
TROP_CHECK_OFFSET(RoutePoint, associatedCount, 532);

TROP_CHECK_LAYOUT(PointGroup, 128);
TROP_CHECK_OFFSET(PointGroup, memberCount, 0);
TROP_CHECK_OFFSET(PointGroup, members, 4);
TROP_CHECK_OFFSET(PointGroup, confirmations, 124);

TROP_CHECK_LAYOUT(StageDefinition, 22112);
TROP_CHECK_OFFSET(StageDefinition, codeTable, 0);
TROP_CHECK_OFFSET(StageDefinition, codeCount, 2016);
TROP_CHECK_OFFSET(StageDefinition, points, 2020);
TROP_CHECK_OFFSET(StageDefinition, pointCount, 18100);
TROP_CHECK_OFFSET(StageDefinition, requiredConfirmations, 18104);
TROP_CHECK_OFFSET(StageDefinition, orderRule, 18108);
TROP_CHECK_OFFSET(StageDefinition, groups, 18112);
TROP_CHECK_OFFSET(StageDefinition, groupCount, 21952);
TROP_CHECK_OFFSET(StageDefinition, orderList, 21956);
TROP_CHECK_OFFSET(StageDefinition, orderCount, 22076);
TROP_CHECK_OFFSET(StageDefinition, wrongDescriptionIsWrongPoint, 22080);
TROP_CHECK_OFFSET(StageDefinition, timeLimit, 22084);
TROP_CHECK_OFFSET(StageDefinition, lateLimit, 22088);
TROP_CHECK_OFFSET(StageDefinition, stageConstant, 22092);
TROP_CHECK_OFFSET(StageDefinition, taskEnabled, 22096);
TROP_CHECK_OFFSET(StageDefinition, taskCorrectValue, 22100);
TROP_CHECK_OFFSET(StageDefinition, taskDeviationInPercent, 22104);
TROP_CHECK_OFFSET(StageDefinition, taskPenaltyPerPoint, 22108);

} // namespace trop
