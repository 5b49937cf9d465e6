// trop-cli demo builds the competition aside and renames it into the store
// only when it is complete: a failed run leaves nothing behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

int runDemo(const fs::path& root)
{
    const std::string command = std::string("'") + TROP_CLI_PATH + "' demo '" + root.string() + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::size_t entryCount(const fs::path& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

class CliDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        base = fs::temp_directory_path() / ("trop-demo-" + std::to_string(::getpid()));
        fs::remove_all(base);
    }
    void TearDown() override { fs::remove_all(base); }
    fs::path base;
};

TEST_F(CliDemo, AFailureHalfWayLeavesNothingAndTheNextRunSeeds)
{
    // A store whose path leaves room for the competition header but not for
    // the members files below it: the run fails half way, even for root.
    constexpr std::size_t kLength = 4045;
    fs::path root = base;
    while (root.string().size() < kLength)
        root /= std::string(std::min<std::size_t>(kLength - root.string().size() - 1, 200), 'z');
    fs::create_directories(root);
    EXPECT_EQ(runDemo(root), 1);
    EXPECT_EQ(entryCount(root), 0u) << "no half competition and no building folder";

    const fs::path store = base / "Zawody";
    EXPECT_EQ(runDemo(store), 0);
    EXPECT_EQ(entryCount(store), 1u);
    struct stat info {};
    ASSERT_EQ(::stat((store / "Wrzos 2026").c_str(), &info), 0);
    EXPECT_NE(info.st_mode & S_IXOTH, 0u) << "an ordinary folder, not a private temporary one";
    EXPECT_TRUE(fs::is_regular_file(store / "Wrzos 2026" / "TU" / "E2" / "Results"));
}

} // namespace
