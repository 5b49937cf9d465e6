// Reading the store for a printout: nothing is ever created or changed. A
// missing file reads as an empty table; a file that cannot be read, or whose
// last record is cut short, is refused.
#pragma once

#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/model/stage_definition.h"
#include "trop/model/start_list.h"

#include <filesystem>

namespace trop {

// Each returns the count of records in use, or -1 when the file is refused.
int readMembersOnly(const std::filesystem::path& categoryFolder, MemberTable& table);
int readResultsOnly(const std::filesystem::path& stageFolder, ResultsTable& table);
int readStartListOnly(const std::filesystem::path& stageFolder, StartList& list);

// A missing file gives the defaults of a new stage; false when the file is
// refused (not readable, or not one whole record).
bool readStageDefinitionOnly(const std::filesystem::path& stageFolder, StageDefinition& stage);

} // namespace trop
