// Reading and writing the store's bare record tables ("Class.Members.Data",
// "Start.List", "Results"): no header, no count; a record whose team number
// is 0 ends a table in memory.
#pragma once

#include <cstddef>
#include <filesystem>

namespace trop {

enum class MissingTableFile {
    CreateEmpty, // a missing file is created empty and loads as an empty table
    LeaveAbsent, // a missing file loads as an empty table and is not created
};

// Zero-fills the whole table, then reads the file's leading bytes (at most
// tableBytes) over it, so a short or partial trailing record never leaves
// stale bytes behind. False on a file error (also when a missing file cannot
// be created); the table content is then not to be used.
bool readTableFile(const std::filesystem::path& file, void* table, std::size_t tableBytes,
                   MissingTableFile missing);

// Replaces the file with the first count records (nothing for 0) without ever
// leaving a torn file. False on a file error; the old file is then intact.
bool writeTableFile(const std::filesystem::path& file, const void* records, std::size_t recordBytes, int count);

// Clears every record after the used part: what lies behind a 0 team in a
// file is not part of the table and must not come back when an insertion
// moves the end of the table.
template <typename Record>
void clearAfterUsedPart(Record* records, int count, int capacity)
{
    for (int i = count; i < capacity; ++i)
        records[i] = Record{};
}

// Number of leading records whose team number is not 0.
template <typename Record, typename TeamOf>
int leadingRecordCount(const Record* records, int capacity, TeamOf teamOf)
{
    int count = 0;
    while (count < capacity && teamOf(records[count]) != 0)
        ++count;
    return count;
}

} // namespace trop
