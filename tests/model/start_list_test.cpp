#include "model_test_support.h"

#include "trop/model/start_list.h"

#include <memory>

using namespace trop;
using trop::test::int32At;

namespace {

class StartListFile : public trop::test::FolderTest {
protected:
    std::unique_ptr<StartList> list = std::make_unique<StartList>();
};

TEST_F(StartListFile, EntriesAreWrittenAtTheirOffsets)
{
    list->entries[0] = {0, 3};
    list->entries[1] = {4, kEmptyStartPosition};
    list->entries[2] = {8, 0x7FFFFFFF};
    list->entries[4] = {12, 9}; // after the end of the list
    ASSERT_TRUE(saveStartList(folder, *list));
    const auto bytes = fileBytes(kStartListFileName);
    ASSERT_EQ(bytes.size(), 24u);
    const std::int32_t expected[] = {0, 3, 4, -1, 8, 0x7FFFFFFF};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(int32At(bytes, 4 * i), expected[i]);
}

TEST_F(StartListFile, LoadCountsTheLeadingEntries)
{
    struct Case {
        const char* what;
        std::vector<StartEntry> onDisk;
        std::size_t extraBytes;
        int count;
    };
    std::vector<StartEntry> thousandAndOne(1001, StartEntry{1, 1});
    const Case cases[] = {
        {"empty", {}, 0, 0},
        {"three", {{0, 3}, {4, -1}, {8, 9}}, 0, 3},
        {"zero team ends", {{0, 3}, {4, 0}, {8, 9}}, 0, 1},
        {"more than the table", thousandAndOne, 0, 1000},
    };
    for (const Case& c : cases) {
        const std::size_t size = c.onDisk.size() * sizeof(StartEntry) - (c.extraBytes ? sizeof(StartEntry) - c.extraBytes : 0);
        writeBytes(kStartListFileName, c.onDisk.data(), size);
        list->entries[999] = {1, 77}; // stale
        EXPECT_EQ(loadStartList(folder, *list), c.count) << c.what;
        if (c.count < 1000) {
            EXPECT_EQ(list->entries[999].team, 0) << c.what;
        }
    }
}

TEST_F(StartListFile, PartialEntryKeepsNoStaleTeam)
{
    const StartEntry onDisk[] = {{0, 3}, {4, 5}};
    writeBytes(kStartListFileName, onDisk, 12); // second entry lacks its team
    list->entries[1] = {7, 7};
    EXPECT_EQ(loadStartList(folder, *list), 1);
    EXPECT_EQ(list->entries[1].startTime, 4);
    EXPECT_EQ(list->entries[1].team, 0);
}

TEST_F(StartListFile, MissingFileIsCreatedAndErrorsReported)
{
    EXPECT_EQ(loadStartList(folder, *list), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / kStartListFileName));

    list->entries[0] = {0, 1};
    ASSERT_TRUE(saveStartList(folder, *list));
    blockWritesTo(kStartListFileName);
    list->entries[1] = {4, 2};
    EXPECT_FALSE(saveStartList(folder, *list));
    EXPECT_EQ(std::filesystem::file_size(folder / kStartListFileName), 8u);

    std::filesystem::remove(folder / kStartListFileName);
    std::filesystem::create_directory(folder / kStartListFileName);
    EXPECT_EQ(loadStartList(folder, *list), -1);
}

} // namespace
