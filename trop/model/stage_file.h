// Reading and writing "Stage.Definition", and the shared naming rules.
#pragma once

#include "trop/model/record_bounds.h"
#include "trop/model/stage_definition.h"
#include "trop/store/file_io.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace trop {

inline constexpr const char* kStageDefinitionFileName = "Stage.Definition";

// The outcome of reading "Stage.Definition" without creating it.
struct StageFileRead {
    ReadStatus status = ReadStatus::Error;
    std::size_t size = 0; // bytes read over the record, at most its size
    bool longer = false;  // the file is longer than the record
    std::string problem;  // Error: what went wrong, in English
};

// Reads the stage folder's file over the record (a shorter file fills only its
// leading part; a missing file leaves the record as it was) and creates
// nothing.
StageFileRead readStageDefinition(const std::filesystem::path& stageFolder, StageDefinition& stage);

// The same for the editors: a missing file is created with the defaults.
// False on a file error (the caller shows message 7 with
// kStageDefinitionFileName).
bool loadStageDefinition(const std::filesystem::path& stageFolder, StageDefinition& stage);

// Refreshes every CodeRef from the code table, then writes the record whole.
bool saveStageDefinition(const std::filesystem::path& stageFolder, StageDefinition& stage);

// The defaults of a new file, applied to the record (fields the defaults do
// not name keep their values).
void applyStageDefaults(StageDefinition& stage);

// Appends a code at index codeCount; false when the table is full.
bool addCode(StageDefinition& stage, std::uint32_t colour, const std::string& code);

// usedCodeCount, usedPointCount, usedGroupCount and the other clamped counts
// and index checks live in record_bounds.h.

// The code of a code-table entry, or empty when the index is not in use.
std::string_view codeText(const StageDefinition& stage, std::int32_t codeIndex);

// How a point is named in lists ("LOP 3", "OBS 2", "AB", "k.Z"). An empty
// description is replaced by "k." and the code of the point's first control
// ("k." alone when it has none). Empty for an index outside the points array.
std::string pointLabel(const StageDefinition& stage, int point);
std::string pointLabel(const StageDefinition& stage, const RoutePoint& point);
// The same, but an ordinary point shows its first description part alone.
std::string pointShortLabel(const StageDefinition& stage, int point);
std::string pointShortLabel(const StageDefinition& stage, const RoutePoint& point);

// Code-table indices in display order: entry 0 ("bpk") first, then the other
// entries in ascending byte order of their codes. Holds usedCodeCount entries.
std::vector<int> codeDisplayOrder(const StageDefinition& stage);

inline constexpr std::array<const char*, 6> lopSpellings = {"LOP ", "LOP", "L-", "L.", "L ", "L"};
inline constexpr std::array<const char*, 6> areaSpellings = {"OBS ", "OBS", "O-", "O.", "O ", "O"};

// Length of the first spelling of the list that begins the text, or 0 when
// none does (the first text that matches wins, so "LOP 3" matches "LOP ").
std::size_t leadingSpellingLength(std::string_view text, const std::array<const char*, 6>& spellings);

} // namespace trop
