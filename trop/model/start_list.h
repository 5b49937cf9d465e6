// The start list of a stage ("Start.List").
#pragma once

#include "trop/model/start_entry.h"
#include "trop/model/table_file.h"

#include <filesystem>

namespace trop {

inline constexpr const char* kStartListFileName = "Start.List";

struct StartList {
    StartEntry entries[kMaxStartEntries];
};

int startEntryCount(const StartList& list);
// Fills the list from the stage folder's file and creates nothing (for
// windows that only show): a missing file is an empty list, a damaged or
// unreadable one is not usable (message 7 with kStartListFileName).
TableRead readStartList(const std::filesystem::path& stageFolder, StartList& list);
// Fills the list from the stage folder's file (at most 1000 entries; entries
// behind the used part are cleared); a missing file is created empty.
// Returns the count, or -1 when the file cannot be read, is damaged or cannot
// be created (the caller shows message 7).
int loadStartList(const std::filesystem::path& stageFolder, StartList& list);
// Writes the used part (8 bytes per entry); false on a file error, the old
// file then being intact.
bool saveStartList(const std::filesystem::path& stageFolder, const StartList& list);

} // namespace trop
