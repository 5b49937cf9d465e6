// The cards of a stage ("Results").
#pragma once

#include "trop/model/control_card.h"

#include <filesystem>
#include <string>

namespace trop {

inline constexpr const char* kResultsFileName = "Results";

// Number of leading cards whose teamNumber is not 0.
int cardCount(const ResultsTable& table);

// Fills the table from the stage folder's file; a missing file is created
// empty. Returns the count, or -1 on a file error (the caller shows message 7).
int loadResults(const std::filesystem::path& stageFolder, ResultsTable& table);

// The same from the category folder's stage "E<stage>"; a missing file gives
// 0 and is not created.
int loadStageResults(const std::filesystem::path& categoryFolder, int stage, ResultsTable& table);

bool saveResults(const std::filesystem::path& stageFolder, const ResultsTable& table);

ControlCard freshCard(int teamNumber);
// Makes sure the team has a card; true when one was created.
bool ensureCard(ResultsTable& table, int teamNumber);
// Index of the team's card, or -1.
int findCard(const ResultsTable& table, int teamNumber);

// "LOP "/"OBS " prefix followed by the description text.
std::string boxDescriptionText(const char (&description)[8], std::int32_t isLop, std::int32_t isArea);

} // namespace trop
