#include "trop/store/store_actions.h"

#include "trop/store/fixed_text.h"
#include "trop/store/header_files.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

using namespace trop;
using trop::testing::readFile;
using trop::testing::RecordingAnswerer;
using trop::testing::TemporaryFolder;
using trop::testing::writeFile;

namespace {

namespace fs = std::filesystem;

using Messages = std::vector<std::string>;

// A folder whose path is so long that a two-letter folder can still be made
// inside it but no file can be created in that one: the path limit makes the
// header write fail even for root.
fs::path folderWhereHeadersCannotBeWritten(const fs::path& base)
{
    constexpr std::size_t kLength = 4085; // + "/E1" fits 4095, + "/E1/Name.and.Param.tmp~" does not
    fs::path deep = base;
    while (deep.string().size() < kLength) {
        const std::size_t room = kLength - deep.string().size() - 1;
        deep /= std::string(std::min<std::size_t>(room, 200), 'd');
    }
    fs::create_directories(deep);
    return deep;
}

CompetitionHeader headerNamed(const char* name)
{
    CompetitionHeader header{};
    setFieldText(header.fullName1, name);
    return header;
}

std::size_t entryCount(const fs::path& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SaveNewCompetition, CreatesTheFolderAndItsHeader)
{
    TemporaryFolder root;
    RecordingAnswerer answerer;
    EXPECT_TRUE(saveNewCompetition(root.path(), "Wrzos '99", headerNamed("Rajd")));
    CompetitionHeader back{};
    ASSERT_EQ(readCompetitionHeader(root.path() / "Wrzos '99", back), HeaderRead::Ok);
    EXPECT_EQ(fieldText(back.fullName1), "Rajd");
    EXPECT_TRUE(answerer.asked.empty());
}

TEST(SaveNewCompetition, RefusesWithoutCreatingAnything)
{
    struct Case {
        std::string shortName;
        Messages expected;
    };
    const std::vector<Case> cases = {
        {"Taken", {"2:Taken"}},          // an existing folder
        {"file.txt", {"2:file.txt"}},    // an existing file of that name
        {"", {"1:"}},                    // empty: an empty name in quotes
        {"..", {"1:.."}},                // would leave the root
        {"a/b", {"1:a/b"}},
        {"..\\Up", {"1:..\\Up"}},
        {std::string(300, 'w'), {"1:" + std::string(300, 'w')}},
    };
    for (const Case& c : cases) {
        TemporaryFolder root;
        fs::create_directory(root.path() / "Taken");
        writeFile(root.path() / "Taken" / "Name.and.date", "old");
        writeFile(root.path() / "file.txt", "data");
        fs::create_directory(root.path() / "a");
        RecordingAnswerer answerer;

        EXPECT_FALSE(saveNewCompetition(root.path(), c.shortName, headerNamed("new"))) << c.shortName;
        EXPECT_EQ(answerer.summary(), c.expected);
        EXPECT_EQ(entryCount(root.path()), 3u) << c.shortName;
        EXPECT_TRUE(fs::is_empty(root.path() / "a"));
        EXPECT_EQ(readFile(root.path() / "Taken" / "Name.and.date"), "old");
        EXPECT_EQ(readFile(root.path() / "file.txt"), "data");
    }
}

TEST(SaveNewCompetition, FolderThatCannotBeCreatedKeepsTheDialogOpen)
{
    TemporaryFolder base;
    RecordingAnswerer answerer;
    EXPECT_FALSE(saveNewCompetition(base.path() / "no-root", "Wrzos", headerNamed("x")));
    EXPECT_EQ(answerer.summary(), (Messages{"1:Wrzos"}));
    EXPECT_EQ(answerer.asked[0].style, MessageStyle::Error);
}

TEST(SaveNewCompetition, FailedHeaderRemovesTheFolderItCreated)
{
    TemporaryFolder base;
    const fs::path root = folderWhereHeadersCannotBeWritten(base.path());
    fs::create_directory(root / "XX");
    RecordingAnswerer answerer;
    EXPECT_TRUE(saveNewCompetition(root, "ab", headerNamed("x")));
    EXPECT_EQ(answerer.summary(), (Messages{"6:ab/Name.and.date"}));
    EXPECT_FALSE(fs::exists(root / "ab"));
    EXPECT_TRUE(fs::exists(root / "XX"));
}

TEST(SaveEditedCompetition, RewritesTheHeaderOrReportsAndKeepsEverything)
{
    TemporaryFolder root;
    RecordingAnswerer answerer;
    fs::create_directories(root.path() / "Wrzos" / "TD");
    EXPECT_TRUE(saveEditedCompetition(root.path(), "Wrzos", headerNamed("first")));
    EXPECT_TRUE(saveEditedCompetition(root.path(), "Wrzos", headerNamed("second")));
    CompetitionHeader back{};
    ASSERT_EQ(readCompetitionHeader(root.path() / "Wrzos", back), HeaderRead::Ok);
    EXPECT_EQ(fieldText(back.fullName1), "second");
    EXPECT_TRUE(answerer.asked.empty());

    // A folder in the way of the file: the save fails and touches nothing.
    fs::create_directories(root.path() / "Broken" / "Name.and.date" / "inside");
    EXPECT_FALSE(saveEditedCompetition(root.path(), "Broken", headerNamed("x")));
    EXPECT_FALSE(saveEditedCompetition(root.path(), "Gone", headerNamed("x")));
    EXPECT_EQ(answerer.summary(), (Messages{"6:Broken/Name.and.date", "6:Gone/Name.and.date"}));
    EXPECT_TRUE(fs::exists(root.path() / "Broken" / "Name.and.date" / "inside"));
    EXPECT_EQ(entryCount(root.path() / "Broken"), 1u);
    EXPECT_FALSE(fs::exists(root.path() / "Gone"));
}

TEST(SaveNewStage, CreatesTheStageWithItsParameters)
{
    TemporaryFolder category;
    RecordingAnswerer answerer;
    StageParams params{};
    setFieldText(params.author, "Kowalski");
    EXPECT_TRUE(saveNewStage(category.path(), 3, params));
    StageParams back{};
    ASSERT_EQ(readStageParams(category.path() / "E3", back), HeaderRead::Ok);
    EXPECT_EQ(fieldText(back.author), "Kowalski");
    EXPECT_TRUE(answerer.asked.empty());
}

TEST(SaveNewStage, ExistingStageOrBadNumberKeepsTheDialogOpen)
{
    TemporaryFolder category;
    fs::create_directory(category.path() / "E2");
    RecordingAnswerer answerer;
    for (int stage : {2, -1, 10})
        EXPECT_FALSE(saveNewStage(category.path(), stage, StageParams{})) << stage;
    EXPECT_EQ(answerer.summary(), (Messages{"2:E2"}));
    EXPECT_TRUE(fs::is_empty(category.path() / "E2"));
    EXPECT_EQ(entryCount(category.path()), 1u);
}

TEST(SaveNewStage, FailuresAfterTheSearchCloseTheDialog)
{
    TemporaryFolder base;
    RecordingAnswerer answerer;
    EXPECT_TRUE(saveNewStage(base.path() / "no-category", 1, StageParams{}));
    const fs::path category = folderWhereHeadersCannotBeWritten(base.path());
    EXPECT_TRUE(saveNewStage(category, 1, StageParams{}));
    EXPECT_EQ(answerer.summary(), (Messages{"1:E1", "6:E1/Name.and.Param"}));
    EXPECT_FALSE(fs::exists(category / "E1"));
}

TEST(SaveEditedStage, ReportsFailureAndKeepsTheStage)
{
    TemporaryFolder category;
    fs::create_directory(category.path() / "E4");
    writeFile(category.path() / "E4" / "Results", "cards");
    RecordingAnswerer answerer;
    EXPECT_TRUE(saveEditedStage(category.path(), 4, StageParams{}));
    EXPECT_FALSE(saveEditedStage(category.path(), 5, StageParams{}));
    EXPECT_EQ(answerer.summary(), (Messages{"6:E5/Name.and.Param"}));
    EXPECT_EQ(readFile(category.path() / "E4" / "Results"), "cards");
    EXPECT_FALSE(fs::exists(category.path() / "E5"));
}

TEST(CreateCategoryFolder, CreatesOnceAndRefusesUnsafeNames)
{
    TemporaryFolder competition;
    RecordingAnswerer answerer;
    EXPECT_EQ(createCategoryFolder(competition.path(), "TD"), CategoryCreation::Created);
    EXPECT_EQ(createCategoryFolder(competition.path(), "TD"), CategoryCreation::AlreadyExists);
    EXPECT_EQ(createCategoryFolder(competition.path(), "X.OPEN"), CategoryCreation::Created);
    EXPECT_TRUE(answerer.asked.empty());

    EXPECT_EQ(createCategoryFolder(competition.path(), "X./../../evil"), CategoryCreation::Failed);
    EXPECT_EQ(createCategoryFolder(competition.path() / "absent", "TU"), CategoryCreation::Failed);
    EXPECT_EQ(answerer.summary(), (Messages{"1:X./../../evil", "1:TU"}));
    EXPECT_EQ(entryCount(competition.path()), 2u);
}

TEST(RemoveFolders, AskFirstAndRemoveOnlyOnYes)
{
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        TemporaryFolder root;
        const fs::path category = root.path() / "Wrzos" / "XY";
        fs::create_directories(category / "E2");
        writeFile(category / "E2" / "Results", "cards");
        RecordingAnswerer answerer(answer);
        const bool yes = answer == MessageAnswer::Yes;

        EXPECT_EQ(removeStage(category, 2), yes);
        EXPECT_EQ(fs::exists(category / "E2"), !yes);
        EXPECT_EQ(removeCategory(root.path() / "Wrzos", CategoryEntry{"XY", "Y", 14}), yes);
        EXPECT_EQ(fs::exists(category), !yes);
        EXPECT_EQ(removeCompetition(root.path(), "Wrzos"), yes);
        EXPECT_EQ(fs::exists(root.path() / "Wrzos"), !yes);

        EXPECT_EQ(answerer.summary(), (Messages{"11:E2", "9:Y", "5:Wrzos"}));
        for (const MessageRequest& request : answerer.asked)
            EXPECT_EQ(request.style, MessageStyle::Question);
    }
}

TEST(RemoveFolders, NamesThatLeaveTheirParentAreNeverRemoved)
{
    TemporaryFolder root;
    const fs::path competition = root.path() / "Wrzos";
    fs::create_directories(competition);
    RecordingAnswerer answerer(MessageAnswer::Yes);
    EXPECT_FALSE(removeCompetition(competition, ".."));
    EXPECT_FALSE(removeCategory(competition, CategoryEntry{"..", "", 14}));
    EXPECT_FALSE(removeStage(competition, 12));
    EXPECT_TRUE(fs::exists(competition));
    EXPECT_TRUE(answerer.asked.empty());
}

} // namespace
