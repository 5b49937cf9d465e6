#include "trop/print/store_reading.h"

#include "trop/model/stage_file.h"
#include "trop/model/table_file.h"
#include "trop/store/file_io.h"

#include <cstring>

namespace trop {
namespace {

// A file whose size is not a whole number of records was cut short or is
// not this table.
bool wholeRecords(const std::filesystem::path& file, std::size_t recordBytes)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    return error || size % recordBytes == 0; // a missing file reads as empty
}

template <typename Record, typename Table, typename Count>
int readTable(const std::filesystem::path& file, Table& table, Record* records, int capacity, Count count)
{
    if (!wholeRecords(file, sizeof(Record)))
        return -1;
    if (!readTableFile(file, &table, sizeof table, MissingTableFile::LeaveAbsent))
        return -1;
    const int used = count(table);
    clearAfterUsedPart(records, used, capacity);
    return used;
}

} // namespace

int readMembersOnly(const std::filesystem::path& categoryFolder, MemberTable& table)
{
    return readTable(categoryFolder / kMembersFileName, table, table.records, kMaxMembers, memberCount);
}

int readResultsOnly(const std::filesystem::path& stageFolder, ResultsTable& table)
{
    return readTable(stageFolder / kResultsFileName, table, table.cards, kMaxCards, cardCount);
}

int readStartListOnly(const std::filesystem::path& stageFolder, StartList& list)
{
    return readTable(stageFolder / kStartListFileName, list, list.entries, kMaxStartEntries, startEntryCount);
}

bool readStageDefinitionOnly(const std::filesystem::path& stageFolder, StageDefinition& stage)
{
    const FileBytes read = readFileUpTo(stageFolder / kStageDefinitionFileName, sizeof stage + 1);
    std::memset(&stage, 0, sizeof stage);
    if (read.status == ReadStatus::Missing) {
        applyStageDefaults(stage);
        return true;
    }
    if (read.status != ReadStatus::Ok || read.bytes.size() != sizeof stage)
        return false;
    std::memcpy(&stage, read.bytes.data(), sizeof stage);
    return true;
}

} // namespace trop
