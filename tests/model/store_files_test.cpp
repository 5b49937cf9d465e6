// What every table file shares: missing, empty, unreadable, oversized and
// damaged files, the table's end marker, and saves that fail.
#include "model_test_support.h"

#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/model/start_list.h"

#include <functional>
#include <memory>

using namespace trop;

namespace {

// One table file, driven through its load and save with the table held here.
struct TableFile {
    const char* name;
    std::size_t recordSize;
    std::size_t teamOffset;
    int capacity;
    std::function<int(const std::filesystem::path&)> load;
    std::function<bool(const std::filesystem::path&)> save;
    std::function<std::int32_t(int)> teamAt; // team field of a record in memory
};

std::vector<TableFile> tableFiles()
{
    static auto members = std::make_unique<MemberTable>();
    static auto cards = std::make_unique<ResultsTable>();
    static auto starts = std::make_unique<StartList>();
    return {
        {kMembersFileName, sizeof(MemberRecord), 0, kMaxMembers,
         [](auto& f) { return loadMembers(f, *members); }, [](auto& f) { return saveMembers(f, *members); },
         [](int i) { return members->records[i].teamNumber; }},
        {kResultsFileName, sizeof(ControlCard), 0, kMaxCards, [](auto& f) { return loadResults(f, *cards); },
         [](auto& f) { return saveResults(f, *cards); }, [](int i) { return cards->cards[i].teamNumber; }},
        {kStartListFileName, sizeof(StartEntry), 4, kMaxStartEntries,
         [](auto& f) { return loadStartList(f, *starts); }, [](auto& f) { return saveStartList(f, *starts); },
         [](int i) { return starts->entries[i].team; }},
    };
}

class TableFiles : public trop::test::FolderTest {
protected:
    // A file of records whose team fields hold the given numbers; every other
    // byte is 0x55 so that stale or shifted bytes show.
    void writeRecords(const TableFile& file, const std::vector<std::int32_t>& teams, std::size_t cutBytes = 0)
    {
        std::vector<char> bytes(teams.size() * file.recordSize, 0x55);
        for (std::size_t i = 0; i < teams.size(); ++i)
            std::memcpy(&bytes[i * file.recordSize + file.teamOffset], &teams[i], 4);
        writeBytes(file.name, bytes.data(), bytes.size() - cutBytes);
    }
};

TEST_F(TableFiles, LoadCountsTheLeadingRecordsAndIgnoresWhatFollows)
{
    for (const TableFile& file : tableFiles()) {
        SCOPED_TRACE(file.name);
        EXPECT_EQ(file.load(folder), 0) << "missing file";
        EXPECT_EQ(std::filesystem::file_size(folder / file.name), 0u) << "created empty";
        EXPECT_EQ(file.load(folder), 0) << "0-byte file";

        writeRecords(file, {3, 5, 0, 9});
        EXPECT_EQ(file.load(folder), 2) << "a 0 team ends the table";
        EXPECT_EQ(file.teamAt(3), 0) << "nothing is kept behind the end";

        std::vector<std::int32_t> tooMany(file.capacity + 1, 4);
        writeRecords(file, tooMany);
        EXPECT_EQ(file.load(folder), file.capacity) << "records beyond the capacity";

        writeRecords(file, {3, 5}, 1);
        EXPECT_EQ(file.load(folder), -1) << "a partial last record is never read as a record";
        EXPECT_EQ(file.teamAt(0), 0) << "nothing of a damaged file is used";
    }
}

TEST_F(TableFiles, SaveWritesTheUsedPartAndFailuresKeepTheOldFile)
{
    for (const TableFile& file : tableFiles()) {
        SCOPED_TRACE(file.name);
        writeRecords(file, {3, 5, 0, 9});
        ASSERT_EQ(file.load(folder), 2);
        ASSERT_TRUE(file.save(folder));
        EXPECT_EQ(std::filesystem::file_size(folder / file.name), 2 * file.recordSize);

        writeRecords(file, {});
        ASSERT_EQ(file.load(folder), 0);
        writeRecords(file, {7});
        blockWritesTo(file.name);
        EXPECT_FALSE(file.save(folder)) << "read-only file";
        EXPECT_EQ(std::filesystem::file_size(folder / file.name), file.recordSize) << "old file intact";
        unblockWritesTo(file.name);
        ASSERT_TRUE(file.save(folder));
        EXPECT_EQ(std::filesystem::file_size(folder / file.name), 0u) << "empty table, empty file";

        std::filesystem::remove(folder / file.name);
        std::filesystem::create_directory(folder / file.name);
        EXPECT_EQ(file.load(folder), -1) << "unreadable";
        std::filesystem::remove(folder / file.name);
    }
}

} // namespace
