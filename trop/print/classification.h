// The classification of one category over its stages "E1".."E9": per team
// and stage the penalty points, the stage points, the running total and the
// two places. Rebuilt on demand, never stored.
#pragma once

#include "trop/model/members.h"

#include <cstdint>
#include <filesystem>

namespace trop {

inline constexpr int kMaxClassifiedStages = 9;
inline constexpr int kMaxClassificationRows = 1000;

// Values of StageStanding::penaltyPoints that are not penalty points.
inline constexpr std::int32_t kNotClassified = -1; // NKL: entered, no stage points
inline constexpr std::int32_t kAbsent = -2;        // ABS: no card, or not entered

struct StageStanding {
    std::int32_t penaltyPoints;
    std::int32_t stagePoints; // tenths of a point
    std::int32_t totalPoints; // stages 1..s added up, tenths of a point
    std::int32_t stagePlace;  // 1-based; 0 = no place
    std::int32_t totalPlace;  // 1-based; 0 = no place
};

struct ClassificationRow {
    StageStanding stages[kMaxClassifiedStages + 1]; // indexed by stage; [0] unused
    std::int32_t teamNumber;
};

// About 200 kB: allocate it on the heap.
struct ClassificationTable {
    ClassificationRow rows[kMaxClassificationRows];
    int rowCount;
    int stageCount; // n: stages 1..n are classified, 0..9
};

enum class ClassificationResult {
    Built,
    NoMembers,         // the category has no participants: nothing to show
    MembersUnreadable, // the participants file could not be read (message 7)
};

// Loads the category's participants into members and builds the table: one
// row per team in participants order, stages from 1 up to the first stage
// without results, places per stage and overall, rows finally in
// classification order. The table is reset in every case.
ClassificationResult classifyCategory(const std::filesystem::path& categoryFolder, MemberTable& members,
                                      ClassificationTable& table);

// The same, answering only whether there is a classification to show.
bool buildClassification(const std::filesystem::path& categoryFolder, MemberTable& members,
                         ClassificationTable& table);

// Builds the table from members that are already loaded and from the stage
// results found in the category folder (the work of classifyCategory after
// loading the participants).
void classifyLoadedMembers(const std::filesystem::path& categoryFolder, const MemberTable& members,
                           ClassificationTable& table);

} // namespace trop
