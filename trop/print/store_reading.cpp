#include "trop/print/store_reading.h"

#include "trop/model/stage_file.h"

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
    std::memset(&stage, 0, sizeof stage);
    const StageFileRead read = readStageDefinition(stageFolder, stage);
    if (read.status == ReadStatus::Missing) {
        applyStageDefaults(stage);
        return true;
    }
    return read.status == ReadStatus::Ok && read.size == sizeof stage && !read.longer;
}

} // namespace trop
