// The cards of a stage ("Results").
#pragma once

#include "trop/model/control_card.h"
#include "trop/model/table_file.h"

#include <filesystem>
#include <string>

namespace trop {

inline constexpr const char* kResultsFileName = "Results";

// Number of leading cards whose teamNumber is not 0.
int cardCount(const ResultsTable& table);

// Fills the table from the stage folder's file and creates nothing (for
// windows and commands that only show): a missing file is an empty table, a
// damaged or unreadable one is not usable (message 7 with kResultsFileName).
TableRead readResults(const std::filesystem::path& stageFolder, ResultsTable& table);

// The same from the category folder's stage "E<stage>"; a stage outside 0..9
// has no folder and reads as Missing.
TableRead readStageResults(const std::filesystem::path& categoryFolder, int stage, ResultsTable& table);

// The file's name as message 7 gives it from the category folder: "E2\Results".
std::string stageResultsFileText(int stage);

// Fills the table from the stage folder's file; a missing file is created
// empty. Returns the count, or -1 when the file cannot be read, is damaged or
// cannot be created (the caller shows message 7).
int loadResults(const std::filesystem::path& stageFolder, ResultsTable& table);

// readStageResults as a count: a missing file gives 0 and nothing is
// created; -1 when the file cannot be read or is damaged.
int loadStageResults(const std::filesystem::path& categoryFolder, int stage, ResultsTable& table);

// Writes the used part of the table; false on a file error (message 7), the
// old file then being intact.
bool saveResults(const std::filesystem::path& stageFolder, const ResultsTable& table);

// A card not entered yet: automatic scoring, every box empty, all else 0.
ControlCard freshCard(int teamNumber);
// Makes sure the team has a card, inserting a fresh one before the first card
// with a larger number (or at the end of the used part); true when one was
// created. A table whose 1000 cards are all in use is left alone (no card is
// ever dropped to make room), and so is team number 0.
bool ensureCard(ResultsTable& table, int teamNumber);
// Index of the team's card in the used part, or -1.
int findCard(const ResultsTable& table, int teamNumber);

// "LOP "/"OBS " prefix followed by the description text.
std::string boxDescriptionText(const char (&description)[8], std::int32_t isLop, std::int32_t isArea);

} // namespace trop
