// The confirmations a card still owes: the working lists of the evaluation
// that turn unconfirmed route points into missing-point penalties (BP), and
// the downgrading of confirmations beyond what the stage requires.
#pragma once

#include "matching.h"

#include <cstdint>

namespace trop::scoring {

inline constexpr int kMissingUnmarkedPenalty = 60; // BP
inline constexpr int kMissingMarkedPenalty = 90;   // BP, every candidate marked on the map
inline constexpr int kMissingLopAreaPenalty = 60;  // BP of a LOP or area

struct WorkGroup {
    int memberCount = 0;
    int members[kMaxGroupMembers];
    std::int64_t confirmations = 0;
};

struct LopAreaOwed {
    int point = 0;
    std::int64_t owed = 0;
};

// Arrays are used up to their counts only. Sized so that even groups that share points (which the editors never
// produce) cannot overflow a list.
struct OwedPoints {
    std::int64_t remainingRequired = 0;
    int looseCount = 0;
    int loosePoints[kMaxGroups * kMaxGroupMembers + kMaxPoints];
    int pendingCount = 0;
    LopAreaOwed pendingLopArea[kMaxGroups + kMaxPoints];
    int groupCount = 0;
    WorkGroup workGroups[kMaxGroups];
    WorkGroup groupsBackup[kMaxGroups];
};

// Builds the lists from the stage: the normal groups as work groups, loose
// normal points, owed LOP and area confirmations.
void buildOwedPoints(const PreparedStage& stage, OwedPoints& owed);

// Takes every confirmed slot's point off the lists.
void removeConfirmedPoints(const PreparedStage& stage, const Matching& matching, OwedPoints& owed);

// Charges what is still owed into missing[], missingCount and missingPenalty.
void chargeMissingPoints(ControlCard& card, const PreparedStage& stage, OwedPoints& owed);

// While more normal confirmations were made than required, turns the last
// surplus box on the card into a wrong point and its match into none.
void downgradeSurplus(ControlCard& card, Matching& matching, OwedPoints& owed);

} // namespace trop::scoring
