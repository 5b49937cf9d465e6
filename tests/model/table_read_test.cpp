// The readers of the record tables for windows and commands that only show:
// they create nothing and tell a missing file from a damaged or unreadable one.
#include "model_test_support.h"

#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/model/start_list.h"

#include <functional>
#include <memory>
#include <sys/stat.h>

using namespace trop;
namespace fs = std::filesystem;

namespace {

struct Reader {
    const char* fileName;
    std::size_t recordBytes;
    std::size_t teamOffset;
    std::function<TableRead(const fs::path&)> read;
};

std::vector<Reader> readers()
{
    static auto members = std::make_unique<MemberTable>();
    static auto cards = std::make_unique<ResultsTable>();
    static auto starts = std::make_unique<StartList>();
    return {
        {kMembersFileName, sizeof(MemberRecord), 0, [](const fs::path& f) { return readMembers(f, *members); }},
        {kResultsFileName, sizeof(ControlCard), 0, [](const fs::path& f) { return readResults(f, *cards); }},
        {kStartListFileName, sizeof(StartEntry), 4, [](const fs::path& f) { return readStartList(f, *starts); }},
    };
}

using TableReaders = trop::test::FolderTest;

TEST_F(TableReaders, MissingOkDamagedAndErrorAreToldApartAndNothingIsCreated)
{
    ::alarm(20); // a FIFO that blocks the reader ends the suite instead of hanging it
    for (const Reader& reader : readers()) {
        SCOPED_TRACE(reader.fileName);
        const fs::path file = folder / reader.fileName;
        EXPECT_EQ(reader.read(folder).status, TableStatus::Missing);
        EXPECT_FALSE(fs::exists(file)) << "a reader creates nothing";

        std::vector<char> records(2 * reader.recordBytes, 0);
        records[reader.teamOffset] = 7;
        records[reader.recordBytes + reader.teamOffset] = 9;
        writeBytes(reader.fileName, records.data(), records.size());
        const TableRead whole = reader.read(folder);
        EXPECT_EQ(whole.status, TableStatus::Ok);
        EXPECT_EQ(whole.count, 2);

        writeBytes(reader.fileName, records.data(), records.size() - 1);
        const TableRead cut = reader.read(folder);
        EXPECT_EQ(cut.status, TableStatus::Damaged);
        EXPECT_FALSE(cut.usable());

        fs::remove(file);
        ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
        const TableRead fifo = reader.read(folder);
        EXPECT_EQ(fifo.status, TableStatus::Error);
        EXPECT_EQ(fifo.problem, "not a regular file");
        fs::remove(file);
    }
    ::alarm(0);
}

TEST_F(TableReaders, MembersLoadedForShowingLeaveAMissingFileAbsent)
{
    auto members = std::make_unique<MemberTable>();
    EXPECT_EQ(loadMembers(folder, *members, MissingTableFile::LeaveAbsent), 0);
    EXPECT_FALSE(fs::exists(folder / kMembersFileName));
    EXPECT_EQ(loadMembers(folder, *members), 0);
    EXPECT_TRUE(fs::is_regular_file(folder / kMembersFileName)) << "the editors still get an empty file";
}

TEST_F(TableReaders, AStageResultsFileThatCannotBeReadIsNotAnEmptyStage)
{
    auto cards = std::make_unique<ResultsTable>();
    fs::create_directory(folder / "E2");
    fs::create_symlink("gone", folder / "E2" / kResultsFileName);
    EXPECT_EQ(readStageResults(folder, 2, *cards).status, TableStatus::Error);
    EXPECT_EQ(loadStageResults(folder, 2, *cards), -1);
    EXPECT_EQ(stageResultsFileText(2), "E2\\Results");
}

TEST_F(TableReaders, RecordsBeyondTheCapacityAreToldButNotRead)
{
    const std::int32_t records[3] = {4, 5, 6};
    writeBytes("Table", records, sizeof records);
    std::int32_t table[3] = {};
    for (auto [capacity, over] : {std::pair{2, true}, {3, false}}) {
        const TableRead read = readTableRecords(folder / "Table", table, sizeof table[0], capacity);
        EXPECT_EQ(read.fileRecords, capacity);
        EXPECT_EQ(read.overCapacity, over) << capacity;
    }
    EXPECT_EQ(table[2], 6);
}

} // namespace
