#include "trop/store/cp1250.h"
#include "trop/store/file_io.h"
#include "trop/store/fixed_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace trop;

namespace {

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("trop-io-" + std::to_string(::getpid()) + "-"
                                              + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

using FileIo = TempFolder;

TEST_F(FileIo, ReadsMissingShortAndCappedFiles)
{
    EXPECT_EQ(readFileUpTo(folder / "none", 10).status, ReadStatus::Missing);

    ASSERT_TRUE(writeFileAtomically(folder / "f", std::string_view("abcdef")));
    FileBytes all = readFileUpTo(folder / "f", 100);
    EXPECT_EQ(all.status, ReadStatus::Ok);
    EXPECT_EQ(std::string(all.bytes.begin(), all.bytes.end()), "abcdef");

    FileBytes capped = readFileUpTo(folder / "f", 4);
    EXPECT_EQ(std::string(capped.bytes.begin(), capped.bytes.end()), "abcd");

    // A folder in place of a file is an error, not an empty file.
    fs::create_directory(folder / "dir");
    EXPECT_EQ(readFileUpTo(folder / "dir", 10).status, ReadStatus::Error);
}

TEST_F(FileIo, FailedWriteKeepsTheOldFile)
{
    ASSERT_TRUE(writeFileAtomically(folder / "f", std::string_view("old")));
    // A file marked read-only for everybody is refused even for root.
    fs::permissions(folder / "f", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(writeFileAtomically(folder / "f", std::string_view("new contents")));
    FileBytes kept = readFileUpTo(folder / "f", 100);
    EXPECT_EQ(std::string(kept.bytes.begin(), kept.bytes.end()), "old");
}

TEST_F(FileIo, ReadsFilesLargerThanTheFirstGuess)
{
    const std::string big(100000, 'x');
    ASSERT_TRUE(writeFileAtomically(folder / "big", big));
    EXPECT_EQ(readFileUpTo(folder / "big", 1000000).bytes.size(), big.size());
    EXPECT_EQ(readFileUpTo(folder / "big", 70000).bytes.size(), 70000u);
}

TEST_F(FileIo, WriteIntoMissingFolderFailsCleanly)
{
    EXPECT_FALSE(writeFileAtomically(folder / "absent" / "f", std::string_view("x")));
    EXPECT_FALSE(fs::exists(folder / "absent"));
}

TEST_F(FileIo, ReplacingLeavesExactlyTheNewBytes)
{
    ASSERT_TRUE(writeFileAtomically(folder / "f", std::string_view("a much longer old content")));
    ASSERT_TRUE(writeFileAtomically(folder / "f", std::string_view("")));
    EXPECT_EQ(fs::file_size(folder / "f"), 0u);
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_EQ(entry.path().filename(), "f");
}

TEST_F(FileIo, CreateEmptyFileKeepsExistingContent)
{
    ASSERT_TRUE(writeFileAtomically(folder / "f", std::string_view("keep")));
    EXPECT_TRUE(createEmptyFileIfMissing(folder / "f"));
    EXPECT_EQ(fs::file_size(folder / "f"), 4u);
    EXPECT_TRUE(createEmptyFileIfMissing(folder / "g"));
    EXPECT_EQ(fs::file_size(folder / "g"), 0u);
}

TEST(FixedText, FieldWithoutTerminatorIsBoundedByItsArray)
{
    char field[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(fieldText(field), "abcd");
    setFieldText(field, "xyz123");
    EXPECT_EQ(fieldText(field), "xyz");
    EXPECT_EQ(field[3], 0);
    setFieldText(field, "");
    EXPECT_EQ(fieldText(field), "");
}

TEST(Cp1250, PolishLettersRoundTrip)
{
    const std::string utf8 = "Zażółć gęślą jaźń ŁÓDŹ Środowisko";
    const std::string bytes = utf8ToCp1250(utf8);
    EXPECT_EQ(bytes.size(), 33u);
    EXPECT_EQ(static_cast<unsigned char>(utf8ToCp1250("ą")[0]), 0xB9);
    EXPECT_EQ(static_cast<unsigned char>(utf8ToCp1250("Ś")[0]), 0x8C);
    EXPECT_EQ(cp1250ToUtf8(bytes), utf8);
    EXPECT_EQ(utf8ToCp1250("日"), "?");
}

} // namespace
