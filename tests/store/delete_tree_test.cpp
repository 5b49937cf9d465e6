#include "trop/store/delete_tree.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace trop;
using trop::testing::RecordingAnswerer;
using trop::testing::TemporaryFolder;
using trop::testing::writeFile;

namespace {

namespace fs = std::filesystem;

// A competition with two categories, one with a stage holding files.
fs::path buildTree(const fs::path& root)
{
    const fs::path competition = root / "Wrzos";
    fs::create_directories(competition / "TD" / "E1");
    fs::create_directories(competition / "TU");
    writeFile(competition / "Name.and.date", "header");
    writeFile(competition / "TD" / "Class.Members.Data", "members");
    writeFile(competition / "TD" / "E1" / "Results", "cards");
    writeFile(competition / "TD" / "E1" / "Start.List", "list");
    writeFile(competition / "TU" / "Class.Members.Data", "members");
    return competition;
}

// The system remover, except that one file name can never be deleted.
TreeRemover lockingOne(const std::string& lockedPath, std::vector<std::string>& attempts)
{
    TreeRemover remover = systemTreeRemover();
    auto removeFile = remover.removeFile;
    remover.removeFile = [=, &attempts](const fs::path& file) {
        attempts.push_back(file.filename().string());
        return file.string() != lockedPath && removeFile(file);
    };
    return remover;
}

TEST(DeleteTree, RemovesAWholeTreeSilentlyAndIgnoresAMissingOne)
{
    TemporaryFolder root;
    const fs::path competition = buildTree(root.path());
    RecordingAnswerer answerer;
    EXPECT_TRUE(deleteTree(competition));
    EXPECT_FALSE(fs::exists(competition));
    EXPECT_TRUE(fs::exists(root.path()));
    EXPECT_TRUE(deleteTree(root.path() / "absent"));
    EXPECT_TRUE(answerer.asked.empty());
}

TEST(DeleteTree, ALockedFileIsReportedOnceAndEverythingElseGoes)
{
    TemporaryFolder root;
    const fs::path competition = buildTree(root.path());
    const fs::path locked = competition / "TD" / "E1" / "Results";
    std::vector<std::string> attempts;
    RecordingAnswerer answerer;

    EXPECT_FALSE(deleteTree(competition, lockingOne(locked.string(), attempts)));

    // Every file was tried exactly once, never stopping at the failure.
    std::sort(attempts.begin(), attempts.end());
    EXPECT_EQ(attempts, (std::vector<std::string>{"Class.Members.Data", "Class.Members.Data", "Name.and.date",
                                                  "Results", "Start.List"}));
    EXPECT_TRUE(fs::exists(locked));
    EXPECT_FALSE(fs::exists(competition / "TD" / "E1" / "Start.List"));
    EXPECT_FALSE(fs::exists(competition / "TU"));
    EXPECT_FALSE(fs::exists(competition / "Name.and.date"));
    // The file, then each folder up the chain that could not go.
    EXPECT_EQ(answerer.summary(), (std::vector<std::string>{"3:Results", "4:E1", "4:TD", "4:Wrzos"}));
    for (const MessageRequest& request : answerer.asked)
        EXPECT_EQ(request.style, MessageStyle::Notice);
}

TEST(DeleteTree, LinksAreRemovedNotFollowed)
{
    TemporaryFolder root;
    const fs::path outside = root.path() / "outside";
    fs::create_directory(outside);
    writeFile(outside / "keep", "x");
    const fs::path competition = root.path() / "Wrzos";
    fs::create_directory(competition);
    fs::create_directory_symlink(outside, competition / "TD");
    RecordingAnswerer answerer;

    EXPECT_TRUE(deleteTree(competition));
    EXPECT_FALSE(fs::exists(competition));
    EXPECT_TRUE(fs::exists(outside / "keep"));
    EXPECT_TRUE(answerer.asked.empty());
}

} // namespace
