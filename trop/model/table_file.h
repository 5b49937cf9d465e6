// Reading and writing the store's bare record tables ("Class.Members.Data",
// "Start.List", "Results"): no header, no count; a record whose team number
// is 0 ends a table in memory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace trop {

enum class MissingTableFile {
    CreateEmpty, // a missing file is created empty and loads as an empty table
    LeaveAbsent, // a missing file loads as an empty table and is not created
};

enum class TableStatus {
    Ok,      // the file was read
    Missing, // there is no such file: an empty table
    Damaged, // the file ends inside a record: nothing of it is used
    Error,   // the file cannot be read (also a folder, FIFO or device of that name)
};

// The outcome of reading a table file. The table content may be used only
// when usable(); it is then complete up to its capacity.
struct TableRead {
    TableStatus status = TableStatus::Error;
    int count = 0;             // leading records whose team number is not 0
    int fileRecords = 0;       // whole records in the file, at most the capacity
    bool overCapacity = false; // the file holds more records than the table
    std::string problem;       // Damaged or Error: what is wrong, in English

    bool usable() const { return status == TableStatus::Ok || status == TableStatus::Missing; }
};

// Zero-fills the whole table (capacity records of recordBytes), then reads
// the file's leading records over it; creates nothing. A file whose length
// (within the capacity) is not a whole number of records is Damaged: a
// partial last record is never taken for a record. count is left 0 here; the
// typed readers fill it.
TableRead readTableRecords(const std::filesystem::path& file, void* table, std::size_t recordBytes, int capacity);

// The int result of the loaders: the count, or -1 when the table is not
// usable. With CreateEmpty a missing file is created empty (-1 when that
// fails).
int loadedCount(const TableRead& read, const std::filesystem::path& file, MissingTableFile missing);

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

// Reads a typed table: readTableRecords, then the count of the used part and
// the records behind it cleared. Shared by the members, start list and
// results readers.
template <typename Record, typename TeamOf>
TableRead readTypedTable(const std::filesystem::path& file, Record* records, int capacity, TeamOf teamOf)
{
    TableRead read = readTableRecords(file, records, sizeof(Record), capacity);
    if (read.usable()) {
        read.count = leadingRecordCount(records, capacity, teamOf);
        clearAfterUsedPart(records, read.count, capacity);
    }
    return read;
}

} // namespace trop
