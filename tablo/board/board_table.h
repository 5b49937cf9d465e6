// The results board of one category: the current classification, one row per
// team in classification order, read afresh from the members file and the
// stages' "Results" files. The board only reads; it never creates a file.
#pragma once

#include "trop/print/classification.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tablo {

// One stage of a row: the penalty code (penalty points; trop::kNotClassified
// for NKL, trop::kAbsent for ABS) and the running total of stage points
// after this stage, in tenths of a point.
struct BoardSlot {
    std::int32_t penaltyCode = trop::kAbsent;
    std::int32_t totalPoints = 0;
};

struct BoardRow {
    std::int32_t teamNumber = 0;
    std::string place;    // as the results window shows it; empty = no place
    std::string surnames; // code page 1250
    std::array<BoardSlot, trop::kMaxClassifiedStages + 1> stages{}; // [0] unused
};

struct BoardTable {
    std::vector<BoardRow> rows;
    int stageLimit = 1; // stages 1..stageLimit-1 are shown
    int rowCount() const { return static_cast<int>(rows.size()); }
};

enum class BoardBuildStatus {
    Built,
    NoMembers,         // nothing to show
    MembersUnreadable, // message 7 with unreadableFile
    StageUnreadable,   // a stage's results are unreadable or damaged: message 7
};

struct BoardBuild {
    BoardBuildStatus status = BoardBuildStatus::NoMembers;
    std::string unreadableFile; // as message 7 names it; empty when all was read
};

// Replaces the table with the category's current board, read through the
// classification of the results windows, so cards are matched to teams and
// teams ordered exactly as there; nothing is created. A failed build leaves
// an empty table.
BoardBuild buildBoard(const std::filesystem::path& categoryFolder, BoardTable& table);

} // namespace tablo
