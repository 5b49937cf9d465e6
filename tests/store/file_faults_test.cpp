// Reading and saving store files as an office's folder can really look:
// FIFOs, folders and links where files belong, read-only files, and two
// programs saving the same file at once.
#include "store_test_support.h"

#include "trop/store/file_io.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace trop;
using trop::testing::TemporaryFolder;

namespace {

// A read that blocks would hang the suite: the alarm ends the process instead.
class NoHang {
public:
    NoHang() { ::alarm(20); }
    ~NoHang() { ::alarm(0); }
};

std::string contentOf(const fs::path& file)
{
    const FileBytes read = readFileUpTo(file, 1 << 20);
    return std::string(read.bytes.begin(), read.bytes.end());
}

struct Intruder {
    const char* name;
    std::function<void(const fs::path&)> make;
    const char* problem; // "" when any description will do
};

std::vector<Intruder> intruders()
{
    return {
        {"FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }, "not a regular file"},
        {"folder", [](const fs::path& p) { fs::create_directory(p); }, "not a regular file"},
        {"device", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, "not a regular file"},
        {"dangling link", [](const fs::path& p) { fs::create_symlink("nowhere", p); }, "dangling link"},
    };
}

TEST(StoreFileFaults, AnythingButARegularFileIsAReadErrorAndNeverBlocks)
{
    const NoHang guard;
    for (const Intruder& intruder : intruders()) {
        SCOPED_TRACE(intruder.name);
        const TemporaryFolder folder;
        const fs::path file = folder.path() / "Results";
        intruder.make(file);
        const FileBytes read = readFileUpTo(file, 100);
        EXPECT_EQ(read.status, ReadStatus::Error);
        EXPECT_EQ(read.problem, intruder.problem);
        EXPECT_TRUE(read.bytes.empty());

        EXPECT_FALSE(writeFileAtomically(file, std::string_view("x"))) << "never replaced by a save";
        EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(file)));
        EXPECT_FALSE(createEmptyFileIfMissing(file));
        EXPECT_FALSE(fs::exists(folder.path() / "nowhere")) << "nothing created through a link";
    }
}

TEST(StoreFileFaults, OnlyAnAbsentNameIsMissing)
{
    const TemporaryFolder folder;
    EXPECT_EQ(readFileUpTo(folder.path() / "Results", 10).status, ReadStatus::Missing);
    EXPECT_EQ(readFileUpTo(folder.path() / "E1" / "Results", 10).status, ReadStatus::Missing);
    trop::testing::writeFile(folder.path() / "E2", "a file, not a stage folder");
    EXPECT_EQ(readFileUpTo(folder.path() / "E2" / "Results", 10).status, ReadStatus::Missing);
}

TEST(StoreFileFaults, ReadsTellWhetherTheFileGoesOnBeyondTheCap)
{
    const TemporaryFolder folder;
    const fs::path file = folder.path() / "f";
    trop::testing::writeFile(file, "abcdef");
    EXPECT_FALSE(readFileUpTo(file, 6).longer);
    const FileBytes capped = readFileUpTo(file, 5);
    EXPECT_TRUE(capped.longer);
    EXPECT_EQ(capped.bytes.size(), 5u);
}

TEST(StoreFileFaults, AStrayLinkAtAnOldTemporaryNameIsNeverWrittenThrough)
{
    const TemporaryFolder folder;
    const fs::path outside = folder.path() / "outside";
    fs::create_directory(folder.path() / "store");
    trop::testing::writeFile(outside, "precious");
    const fs::path results = folder.path() / "store" / "Results";
    fs::create_symlink(outside, folder.path() / "store" / "Results.tmp~");

    ASSERT_TRUE(writeFileAtomically(results, std::string_view("cards")));
    EXPECT_EQ(contentOf(outside), "precious");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(results)));
    EXPECT_EQ(contentOf(results), "cards");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.path() / "store"))
        ++entries;
    EXPECT_EQ(entries, 2u) << "no temporary file is left behind";
}

TEST(StoreFileFaults, ASaveKeepsTheModeAndRefusesAReadOnlyFile)
{
    const TemporaryFolder folder;
    const fs::path file = folder.path() / "Results";
    trop::testing::writeFile(file, "old");
    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(writeFileAtomically(file, std::string_view("new")));
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    ::chmod(file.c_str(), 0444); // read-only for everybody: refused even for root
    EXPECT_FALSE(writeFileAtomically(file, std::string_view("newer")));
    EXPECT_EQ(contentOf(file), "new");
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
}

TEST(StoreFileFaults, AFileTheUserMayNotWriteIsRefused)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any file that has a write bit; the read-only case is tested above";
    const TemporaryFolder folder;
    const fs::path file = folder.path() / "Results";
    trop::testing::writeFile(file, "old");
    ::chmod(file.c_str(), 0020); // only the group may write, and this user reads through the owner bits
    EXPECT_FALSE(writeFileAtomically(file, std::string_view("new")));
    ::chmod(file.c_str(), 0644);
    EXPECT_EQ(contentOf(file), "old");
}

// Two processes save one "Results" over and over while this one reads it:
// every read sees one whole version and no save fails.
TEST(StoreFileFaults, TwoWritersAndAReaderNeverSeeATornFile)
{
    const TemporaryFolder folder;
    const fs::path file = folder.path() / "Results";
    const std::string versions[] = {std::string(3 * 3412, 'A'), std::string(5 * 3412, 'B')};
    ASSERT_TRUE(writeFileAtomically(file, versions[0]));

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = ::fork();
        ASSERT_GE(writers[w], 0);
        if (writers[w] == 0) {
            int failures = 0;
            while (std::chrono::steady_clock::now() < deadline)
                failures += writeFileAtomically(file, versions[w]) ? 0 : 1;
            ::_exit(failures == 0 ? 0 : 1);
        }
    }
    long reads = 0;
    long torn = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        const FileBytes read = readFileUpTo(file, 1 << 20);
        const std::string text(read.bytes.begin(), read.bytes.end());
        torn += (read.status == ReadStatus::Ok && (text == versions[0] || text == versions[1])) ? 0 : 1;
        ++reads;
    }
    for (pid_t writer : writers) {
        int status = 0;
        ::waitpid(writer, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
    }
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    EXPECT_GT(reads, 100);
}

} // namespace
