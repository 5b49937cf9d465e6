// The classification of one category over its stages "E1".."E9": per team
// and stage the penalty points, the stage points, the running total and the
// two places. Rebuilt on demand, never stored.
#pragma once

#include "trop/model/members.h"

#include <cstdint>
#include <filesystem>
#include <string>

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
    MembersUnreadable, // the participants file could not be read or is damaged (message 7)
    StageUnreadable,   // a stage's "Results" exists but could not be read or is damaged (message 7)
};

// Which file stopped the classification, for message 7 and the command line.
struct ClassificationFailure {
    std::string fileText; // as message 7 names it: "Class.Members.Data", "E2\\Results"
    std::string problem;  // what is wrong with it, in English
};

// Reads the category's participants into members (creating nothing: a
// missing file means no participants) and builds the table: one row per team
// in participants order, stages from 1 up to the first stage without results,
// places per stage and overall, rows finally in classification order. Only a
// missing or empty "Results" ends the stages; one that cannot be read or is
// damaged fails the whole classification (failure, when given, names it).
// The table is reset in every case.
ClassificationResult classifyCategory(const std::filesystem::path& categoryFolder, MemberTable& members,
                                      ClassificationTable& table, ClassificationFailure* failure = nullptr);

// The same, answering only whether there is a classification to show.
bool buildClassification(const std::filesystem::path& categoryFolder, MemberTable& members,
                         ClassificationTable& table);

// Builds the table from members that are already loaded and from the stage
// results found in the category folder (the work of classifyCategory after
// loading the participants): Built, or StageUnreadable.
ClassificationResult classifyLoadedMembers(const std::filesystem::path& categoryFolder, const MemberTable& members,
                                           ClassificationTable& table, ClassificationFailure* failure = nullptr);

} // namespace trop
