#include "trop/store/custom_colours.h"
#include "trop/store/startup.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

using namespace trop;
using trop::testing::readFile;
using trop::testing::RecordingAnswerer;
using trop::testing::TemporaryFolder;
using trop::testing::writeFile;

namespace {

namespace fs = std::filesystem;

TEST(StoreRoot, CreatedOnFirstStartAndKeptAfterwards)
{
    TemporaryFolder program;
    RecordingAnswerer answerer;
    EXPECT_EQ(ensureStoreRoot(program.path()), StoreRootStatus::Ready);
    EXPECT_TRUE(fs::is_directory(program.path() / "Zawody"));
    fs::create_directory(program.path() / "Zawody" / "Wrzos");
    EXPECT_EQ(ensureStoreRoot(program.path()), StoreRootStatus::Ready);
    EXPECT_TRUE(fs::exists(program.path() / "Zawody" / "Wrzos"));
    EXPECT_EQ(storeRootOf(program.path()), program.path() / "Zawody");
    EXPECT_TRUE(answerer.asked.empty());
}

TEST(StoreRoot, AFileOrAnUncreatableFolderStopsTheProgram)
{
    TemporaryFolder program;
    writeFile(program.path() / "Zawody", "not a folder");
    fs::create_directory_symlink(program.path() / "nowhere", program.path() / "dangling");
    fs::create_directory(program.path() / "dangling-parent");
    fs::create_directory_symlink(program.path() / "nowhere", program.path() / "dangling-parent" / "Zawody");
    RecordingAnswerer answerer;

    EXPECT_EQ(ensureStoreRoot(program.path()), StoreRootStatus::Failed);
    EXPECT_EQ(ensureStoreRoot(program.path() / "absent"), StoreRootStatus::Failed);
    EXPECT_EQ(ensureStoreRoot(program.path() / "dangling-parent"), StoreRootStatus::Failed);
    EXPECT_EQ(answerer.summary(), (std::vector<std::string>{"1:Zawody", "1:Zawody", "1:Zawody"}));
    EXPECT_EQ(answerer.asked[0].style, MessageStyle::Error);
    EXPECT_EQ(readFile(program.path() / "Zawody"), "not a folder");
    EXPECT_FALSE(fs::exists(program.path() / "nowhere"));
}

TEST(CustomColours, MissingFileIsCreatedWithSixteenWhites)
{
    TemporaryFolder stage;
    RecordingAnswerer answerer;
    CustomColours colours{};
    ASSERT_TRUE(loadCustomColours(stage.path(), colours));
    for (std::uint32_t colour : colours)
        EXPECT_EQ(colour, 0x00FFFFFFu);
    std::string expected;
    for (int i = 0; i < 16; ++i)
        expected += std::string("\xFF\xFF\xFF\x00", 4);
    EXPECT_EQ(readFile(stage.path() / "UserColor"), expected);
    EXPECT_TRUE(answerer.asked.empty());
}

TEST(CustomColours, SavedColoursAreRedLowByteFirst)
{
    TemporaryFolder stage;
    CustomColours colours{};
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = static_cast<std::uint32_t>(i);
    colours[0] = 0x00336699; // blue 0x33, green 0x66, red 0x99
    ASSERT_TRUE(saveCustomColours(stage.path(), colours));
    const std::string bytes = readFile(stage.path() / "UserColor");
    ASSERT_EQ(bytes.size(), 64u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x99\x66\x33\x00", 4));
    EXPECT_EQ(bytes.substr(60, 4), std::string("\x0F\x00\x00\x00", 4));

    CustomColours back{};
    ASSERT_TRUE(loadCustomColours(stage.path(), back));
    EXPECT_EQ(back, colours);
}

TEST(CustomColours, FileErrorsShowMessage7AndKeepTheTable)
{
    TemporaryFolder stage;
    writeFile(stage.path() / "UserColor", std::string(63, '\x01'));
    RecordingAnswerer answerer;
    CustomColours colours;
    colours.fill(0x123456);
    const CustomColours before = colours;

    EXPECT_FALSE(loadCustomColours(stage.path(), colours));                  // short file
    EXPECT_FALSE(loadCustomColours(stage.path() / "absent", colours));       // cannot be created
    EXPECT_FALSE(saveCustomColours(stage.path() / "absent", colours));       // cannot be written
    EXPECT_EQ(colours, before);
    EXPECT_EQ(answerer.summary(), (std::vector<std::string>{"7:UserColor", "7:UserColor", "7:UserColor"}));
    EXPECT_EQ(readFile(stage.path() / "UserColor").size(), 63u);
}

} // namespace
