#include "start_list.h"

namespace trop {

namespace {

std::int32_t teamOf(const StartEntry& entry) { return entry.team; }

} // namespace

int startEntryCount(const StartList& list) { return leadingRecordCount(list.entries, kMaxStartEntries, teamOf); }

TableRead readStartList(const std::filesystem::path& stageFolder, StartList& list)
{
    return readTypedTable(stageFolder / kStartListFileName, list.entries, kMaxStartEntries, teamOf);
}

int loadStartList(const std::filesystem::path& stageFolder, StartList& list)
{
    return loadedCount(readStartList(stageFolder, list), stageFolder / kStartListFileName,
                       MissingTableFile::CreateEmpty);
}

bool saveStartList(const std::filesystem::path& stageFolder, const StartList& list)
{
    return writeTableFile(stageFolder / kStartListFileName, list.entries, sizeof(StartEntry), startEntryCount(list));
}

} // namespace trop
