// The start list of a stage ("Start.List").
#pragma once

#include "trop/model/start_entry.h"

#include <filesystem>

namespace trop {

inline constexpr const char* kStartListFileName = "Start.List";

struct StartList {
    StartEntry entries[kMaxStartEntries];
};

int startEntryCount(const StartList& list);
// Returns the count, or -1 on a file error (the caller shows message 7).
int loadStartList(const std::filesystem::path& stageFolder, StartList& list);
bool saveStartList(const std::filesystem::path& stageFolder, const StartList& list);

} // namespace trop
