#include "start_list.h"

#include "table_file.h"

namespace trop {

namespace {

std::int32_t teamOf(const StartEntry& entry) { return entry.team; }

} // namespace

int startEntryCount(const StartList& list) { return leadingRecordCount(list.entries, kMaxStartEntries, teamOf); }

int loadStartList(const std::filesystem::path& stageFolder, StartList& list)
{
    if (!readTableFile(stageFolder / kStartListFileName, &list, sizeof list, MissingTableFile::CreateEmpty))
        return -1;
    const int count = startEntryCount(list);
    clearAfterUsedPart(list.entries, count, kMaxStartEntries);
    return count;
}

bool saveStartList(const std::filesystem::path& stageFolder, const StartList& list)
{
    return writeTableFile(stageFolder / kStartListFileName, list.entries, sizeof(StartEntry), startEntryCount(list));
}

} // namespace trop
