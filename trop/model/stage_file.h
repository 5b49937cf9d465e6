// Reading and writing "Stage.Definition", and the shared naming rules.
#pragma once

#include "trop/model/stage_definition.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace trop {

inline constexpr const char* kStageDefinitionFileName = "Stage.Definition";

// Reads the stage folder's file over the record (a shorter file fills only its
// leading part). A missing file is created with the defaults. False on a file
// error (the caller shows message 7 with kStageDefinitionFileName).
bool loadStageDefinition(const std::filesystem::path& stageFolder, StageDefinition& stage);

// Refreshes every CodeRef from the code table, then writes the record whole.
bool saveStageDefinition(const std::filesystem::path& stageFolder, StageDefinition& stage);

// The defaults of a new file, applied to the record (fields the defaults do
// not name keep their values).
void applyStageDefaults(StageDefinition& stage);

// Appends a code at index codeCount; false when the table is full.
bool addCode(StageDefinition& stage, std::uint32_t colour, const std::string& code);

// Counts and indices of a record read from disk, clamped to their arrays.
int usedCodeCount(const StageDefinition& stage);
int usedPointCount(const StageDefinition& stage);
int usedGroupCount(const StageDefinition& stage);

std::string pointLabel(const StageDefinition& stage, int point);
std::string pointShortLabel(const StageDefinition& stage, int point);
std::vector<int> codeDisplayOrder(const StageDefinition& stage);

inline constexpr std::array<const char*, 6> lopSpellings = {"LOP ", "LOP", "L-", "L.", "L ", "L"};
inline constexpr std::array<const char*, 6> areaSpellings = {"OBS ", "OBS", "O-", "O.", "O ", "O"};

} // namespace trop
