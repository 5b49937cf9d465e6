// "Name.and.date" (CompetitionHeader) in a competition folder and
// "Name.and.Param" (StageParams) in a stage folder: fixed-width text fields
// one after another, read field by field and always written whole.
// These functions show no messages; the flows in store_actions.h and the
// dialogs do.
#pragma once

#include "trop/store/header_records.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace trop {

inline constexpr const char* kCompetitionHeaderFileName = "Name.and.date";
inline constexpr const char* kStageParamsFileName = "Name.and.Param";

// Missing: no file, all fields empty. Error: the file could not be read or
// ends early; the fields read so far are kept, the others are empty.
enum class HeaderRead { Ok, Missing, Error };

HeaderRead readCompetitionHeader(const std::filesystem::path& competitionFolder, CompetitionHeader& header);
bool writeCompetitionHeader(const std::filesystem::path& competitionFolder, const CompetitionHeader& header);

HeaderRead readStageParams(const std::filesystem::path& stageFolder, StageParams& params);
bool writeStageParams(const std::filesystem::path& stageFolder, const StageParams& params);

// The bytes written for a record (224 and 232 bytes), and the records read
// back from such bytes; exposed so the layouts can be checked byte by byte.
std::string competitionHeaderBytes(const CompetitionHeader& header);
std::string stageParamsBytes(const StageParams& params);
HeaderRead parseCompetitionHeader(std::string_view bytes, CompetitionHeader& header);
HeaderRead parseStageParams(std::string_view bytes, StageParams& params);

} // namespace trop
