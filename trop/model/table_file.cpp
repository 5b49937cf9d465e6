#include "table_file.h"

#include "trop/store/file_io.h"

#include <cstring>

namespace trop {

bool readTableFile(const std::filesystem::path& file, void* table, std::size_t tableBytes,
                   MissingTableFile missing)
{
    std::memset(table, 0, tableBytes);
    const FileBytes read = readFileUpTo(file, tableBytes);
    switch (read.status) {
    case ReadStatus::Ok:
        if (!read.bytes.empty())
            std::memcpy(table, read.bytes.data(), read.bytes.size());
        return true;
    case ReadStatus::Missing:
        return missing == MissingTableFile::LeaveAbsent || createEmptyFileIfMissing(file);
    case ReadStatus::Error:
        break;
    }
    return false;
}

bool writeTableFile(const std::filesystem::path& file, const void* records, std::size_t recordBytes, int count)
{
    const std::size_t size = count > 0 ? recordBytes * static_cast<std::size_t>(count) : 0;
    return writeFileAtomically(file, records, size);
}

} // namespace trop
