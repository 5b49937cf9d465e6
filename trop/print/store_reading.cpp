#include "trop/print/store_reading.h"

#include "trop/model/stage_file.h"
#include "trop/store/file_io.h"

#include <cstring>

namespace trop {
namespace {

int countOf(const TableRead& read) { return read.usable() ? read.count : -1; }

} // namespace

int readMembersOnly(const std::filesystem::path& categoryFolder, MemberTable& table)
{
    return countOf(readMembers(categoryFolder, table));
}

int readResultsOnly(const std::filesystem::path& stageFolder, ResultsTable& table)
{
    return countOf(readResults(stageFolder, table));
}

int readStartListOnly(const std::filesystem::path& stageFolder, StartList& list)
{
    return countOf(readStartList(stageFolder, list));
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
