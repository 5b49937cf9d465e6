// The board's reading of the store while the main program writes it: another
// process replacing "Results" continuously, files that are not regular files,
// and files that end inside a record.
#include "tablo/board/board_table.h"
#include "tests/print/category_builder.h"
#include "trop/store/file_io.h"

#include <chrono>
#include <cstring>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tablo;
using namespace trop::testing;

namespace {

class BoardReader : public CategoryFolder {
protected:
    BoardTable built()
    {
        BoardTable table;
        last = buildBoard(category, table);
        return table;
    }

    std::vector<trop::MemberRecord> teams(int count)
    {
        std::vector<trop::MemberRecord> records;
        for (int t = 1; t <= count; ++t)
            records.push_back(member(t, "Nowak", "Jan"));
        return records;
    }

    BoardBuild last;
};

// Version `points`: the first `count` teams, each with these stage points.
std::vector<trop::ControlCard> version(int count, int points)
{
    std::vector<trop::ControlCard> cards;
    for (int t = 1; t <= count; ++t)
        cards.push_back(enteredCard(t, 0, points));
    return cards;
}

TEST_F(BoardReader, NeverSeesATornResultsFileWhileAnotherProcessRewritesIt)
{
    writeMembers(teams(300));
    writeStage(1, version(300, 1000));
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (std::chrono::steady_clock::now() < end) {
            writeStage(1, version(200, 2000));
            writeStage(1, version(300, 1000));
        }
        ::_exit(0);
    }
    int reads = 0;
    std::set<std::pair<int, int>> seen; // (teams with a card, their points)
    int status = 0;
    while (::waitpid(writer, &status, WNOHANG) == 0) {
        const BoardTable table = built();
        ASSERT_EQ(table.stageLimit, 2) << last.unreadableFile;
        int entered = 0;
        std::set<int> points;
        for (const BoardRow& row : table.rows)
            if (row.stages[1].penaltyCode != trop::kAbsent) {
                ++entered;
                points.insert(row.stages[1].totalPoints);
            }
        ASSERT_EQ(points.size(), 1u);
        seen.insert({entered, *points.begin()});
        ++reads;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_GT(reads, 5);
    for (const auto& [entered, points] : seen)
        EXPECT_TRUE((entered == 300 && points == 1000) || (entered == 200 && points == 2000))
            << entered << " cards of " << points;
}

TEST_F(BoardReader, FilesThatAreNotRegularFilesAreErrorsAndNeverBlock)
{
    writeMembers(teams(2));
    std::filesystem::create_directories(category / "E1");
    ASSERT_EQ(::mkfifo((category / "E1" / trop::kResultsFileName).c_str(), 0644), 0);
    BoardTable table = built();
    EXPECT_EQ(last.status, BoardBuildStatus::StageUnreadable);
    EXPECT_EQ(last.unreadableFile, trop::stageResultsFileText(1));
    EXPECT_EQ(table.rowCount(), 0);

    std::filesystem::remove(category / trop::kMembersFileName);
    ASSERT_EQ(::mkfifo((category / trop::kMembersFileName).c_str(), 0644), 0);
    table = built();
    EXPECT_EQ(last.status, BoardBuildStatus::MembersUnreadable);
    EXPECT_EQ(table.rowCount(), 0);
}

// A file cut inside a record (a copy in progress) is refused whole: the
// partial record is never shown as a team or a card.
TEST_F(BoardReader, AFileEndingInsideARecordIsNeverShown)
{
    auto appendHalf = [](const std::filesystem::path& file, const auto& record) {
        const trop::FileBytes old = trop::readFileUpTo(file, 1 << 23);
        std::string bytes(old.bytes.begin(), old.bytes.end());
        bytes.append(reinterpret_cast<const char*>(&record), sizeof record / 2);
        ASSERT_TRUE(trop::writeFileAtomically(file, bytes));
    };
    writeMembers(teams(1));
    writeStage(1, {enteredCard(1, 0, 500)});
    appendHalf(category / "E1" / trop::kResultsFileName, enteredCard(1, 0, 9000));
    BoardTable table = built();
    EXPECT_EQ(last.status, BoardBuildStatus::StageUnreadable);
    EXPECT_EQ(table.rowCount(), 0);

    appendHalf(category / trop::kMembersFileName, member(2, "Kowal", "Ewa"));
    table = built();
    EXPECT_EQ(last.status, BoardBuildStatus::MembersUnreadable);
    EXPECT_EQ(table.rowCount(), 0);
}

} // namespace
