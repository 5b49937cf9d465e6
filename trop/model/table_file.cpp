#include "table_file.h"

#include "trop/store/file_io.h"

#include <cstring>

namespace trop {

TableRead readTableRecords(const std::filesystem::path& file, void* table, std::size_t recordBytes, int capacity)
{
    const std::size_t tableBytes = recordBytes * static_cast<std::size_t>(capacity > 0 ? capacity : 0);
    std::memset(table, 0, tableBytes);
    TableRead result;
    const FileBytes read = readFileUpTo(file, tableBytes);
    switch (read.status) {
    case ReadStatus::Missing:
        result.status = TableStatus::Missing;
        return result;
    case ReadStatus::Error:
        result.problem = read.problem;
        return result;
    case ReadStatus::Ok:
        break;
    }
    // Within the capacity a file holds whole records only; beyond it the
    // bytes are not looked at.
    if (read.bytes.size() % recordBytes != 0) {
        result.status = TableStatus::Damaged;
        result.problem = "the file ends inside a record";
        return result;
    }
    if (!read.bytes.empty())
        std::memcpy(table, read.bytes.data(), read.bytes.size());
    result.status = TableStatus::Ok;
    result.fileRecords = static_cast<int>(read.bytes.size() / recordBytes);
    result.overCapacity = read.longer;
    return result;
}

int loadedCount(const TableRead& read, const std::filesystem::path& file, MissingTableFile missing)
{
    if (!read.usable())
        return -1;
    if (read.status == TableStatus::Missing && missing == MissingTableFile::CreateEmpty
        && !createEmptyFileIfMissing(file))
        return -1;
    return read.count;
}

bool writeTableFile(const std::filesystem::path& file, const void* records, std::size_t recordBytes, int count)
{
    const std::size_t size = count > 0 ? recordBytes * static_cast<std::size_t>(count) : 0;
    return writeFileAtomically(file, records, size);
}

} // namespace trop
