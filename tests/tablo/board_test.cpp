// The results board without widgets: building, lines, the timer steps with a
// fake clock, file errors and the fit of the lines to the window.
#include "tablo/board/board_categories.h"
#include "tablo/board/board_fit.h"
#include "tablo/board/board_lines.h"
#include "tablo/board/board_rules.h"
#include "tests/print/category_builder.h"
#include "trop/store/messages.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

using namespace tablo;
using namespace trop::testing;

namespace {

// Fires the board's ticks by hand; a stopped timer fires nothing.
struct FakeClock : BoardTimer {
    void start(int periodMs) override
    {
        running = true;
        period = periodMs;
    }
    void stop() override { running = false; }
    bool running = false;
    int period = 0;
};

std::vector<std::string> titles(const std::vector<trop::ResultsColumn>& columns)
{
    std::vector<std::string> result;
    for (const trop::ResultsColumn& column : columns)
        result.push_back(column.title);
    return result;
}

// The team number shown by a line, "" for a blank line.
std::string teamOf(const BoardLine& line) { return line.empty() ? "" : line[1]; }

class Board : public CategoryFolder {
protected:
    void SetUp() override
    {
        CategoryFolder::SetUp();
        rules = std::make_unique<BoardRules>(category, clock);
        previous = trop::setMessageAnswerer([this](const trop::MessageRequest& request) {
            shown.push_back(request.text);
            timerRunningDuringMessage.push_back(clock.running);
            return trop::MessageAnswer::Ok;
        });
    }
    void TearDown() override
    {
        trop::setMessageAnswerer(previous);
        CategoryFolder::TearDown();
    }

    // Periods of the fake clock; each returns the team shown by the new line.
    std::vector<std::string> run(int periods, int fit = 20)
    {
        std::vector<std::string> teams;
        for (int i = 0; i < periods && clock.running; ++i) {
            rules->tick(fit);
            teams.push_back(teamOf(rules->state().lines.back()));
        }
        return teams;
    }

    void writeThreeTeams()
    {
        writeMembers({member(1, "Adamska", "Ala"), member(1, "Bury", "Bob"), member(2, "Cis", "Cezary"),
                      member(3, "Dyl", "Dorota")});
    }

    BoardTable built()
    {
        BoardTable table;
        buildBoard(category, table);
        return table;
    }

    FakeClock clock;
    std::unique_ptr<BoardRules> rules; // made once the category folder is known
    std::vector<std::string> shown;
    std::vector<bool> timerRunningDuringMessage;
    trop::MessageAnswerer previous;
};

TEST_F(Board, ThreeTeamsOfStageOneScrollThenBlankLinesThenTheNextPass)
{
    writeThreeTeams();
    writeStage(1, {enteredCard(1, 35, 9000), enteredCard(2, 0, 10000), enteredCard(3, 50, 8500)});
    ASSERT_TRUE(rules->open());
    EXPECT_TRUE(clock.running);
    EXPECT_EQ(clock.period, 2000);
    EXPECT_EQ(titles(rules->columns()),
              (std::vector<std::string>{"Miejsce ", "Nr ", "Zesp\xF3\xB3", "E1 PK", "PP po E1"}));

    EXPECT_EQ(run(8), (std::vector<std::string>{"2 ", "1 ", "3 ", "", "", "", "2 ", "1 "}));
    const BoardLine& second = rules->state().lines.back();
    EXPECT_EQ(second, (BoardLine{"2 ", "1 ", "Adamska,     Bury", "-35 ", "900,0"}));
    EXPECT_TRUE(shown.empty());

    rules->close();
    EXPECT_FALSE(clock.running);
}

TEST_F(Board, StageCellsShowAbsenceNoPointsAndTenths)
{
    writeThreeTeams();
    const trop::ControlCard notEntered = trop::freshCard(2);
    writeStage(1, {enteredCard(1, 0, 125), enteredCard(2, 40, 100), enteredCard(3, 10, 0)});
    writeStage(2, {enteredCard(1, 5, 100), notEntered, enteredCard(3, 0, 1000)});
    const BoardTable table = built();
    ASSERT_EQ(table.stageLimit, 3);
    EXPECT_EQ(boardLineCells(table, 0), (BoardLine{"1 ", "3 ", "Dyl", "NKL ", "0,0", "0 ", "100,0"}));
    EXPECT_EQ(boardLineCells(table, 1), (BoardLine{"2 ", "1 ", "Adamska,     Bury", "0 ", "12,5", "-5 ", "22,5"}));
    // Not entered in stage 2: absent, the total stays that of stage 1.
    EXPECT_EQ(boardLineCells(table, 2), (BoardLine{"3 ", "2 ", "Cis", "-40 ", "10,0", "ABS ", "10,0"}));
}

TEST_F(Board, StagesEndAtTheFirstStageWithoutCardsAndUnknownTeamsAreSkipped)
{
    writeThreeTeams();
    // Team 9 has no members; the search for team 2 goes on from where it stood.
    writeStage(1, {enteredCard(1, 0, 100), enteredCard(9, 0, 10000), enteredCard(2, 0, 300)});
    writeStage(3, {enteredCard(1, 0, 10000)});
    const BoardTable table = built();
    EXPECT_EQ(table.stageLimit, 2);
    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_EQ(boardLineCells(table, 0)[1], "2 ");
    EXPECT_EQ(boardLineCells(table, 1)[1], "1 ");
    EXPECT_EQ(boardLineCells(table, 2)[3], "ABS ");
}

TEST_F(Board, ANewStageAppearsAtTheStartOfTheNextPass)
{
    writeThreeTeams();
    writeStage(1, {enteredCard(1, 0, 100), enteredCard(2, 0, 200), enteredCard(3, 0, 300)});
    ASSERT_TRUE(rules->open());
    run(2);
    writeStage(2, {enteredCard(1, 0, 1000)});
    run(4); // the rest of the pass: row 3 and the blank lines
    EXPECT_EQ(rules->table().stageLimit, 2);
    const TickChange change = rules->tick(20);
    EXPECT_TRUE(change.rebuilt);
    EXPECT_TRUE(change.columnsChanged);
    EXPECT_EQ(rules->columns().size(), 7u);
    EXPECT_EQ(teamOf(rules->state().lines.back()), "1 ");
    EXPECT_FALSE(rules->tick(20).rebuilt);
}

TEST_F(Board, ShrinkingTheWindowDropsTheOldestLines)
{
    writeThreeTeams();
    writeStage(1, {enteredCard(1, 0, 100), enteredCard(2, 0, 200), enteredCard(3, 0, 300)});
    ASSERT_TRUE(rules->open());
    run(3, 5);
    EXPECT_EQ(rules->state().lines.size(), 3u);
    run(1, 2);
    ASSERT_EQ(rules->state().lines.size(), 2u);
    EXPECT_EQ(teamOf(rules->state().lines.front()), "1 ");
    BoardState state = rules->state();
    trimToFit(state, 0);
    EXPECT_EQ(state.lines.size(), 1u);
}

TEST_F(Board, NoMembersClosesTheBoardWithoutCreatingTheMembersFile)
{
    EXPECT_FALSE(rules->open());
    EXPECT_FALSE(clock.running);
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(std::filesystem::exists(category / trop::kMembersFileName));
}

TEST_F(Board, UnreadableMembersAreReportedAndCloseTheBoard)
{
    std::filesystem::create_directory(category / trop::kMembersFileName);
    EXPECT_FALSE(rules->open());
    EXPECT_EQ(shown, (std::vector<std::string>{trop::formatMessage(7, trop::kMembersFileName)}));
}

TEST_F(Board, AFileErrorIsShownOncePerBoardWithTheTimerStopped)
{
    writeThreeTeams();
    writeStage(1, {enteredCard(1, 0, 100)});
    ASSERT_TRUE(rules->open());
    std::filesystem::create_directories(category / "E2" / trop::kResultsFileName);
    run(4 * 6); // several passes
    EXPECT_EQ(shown, (std::vector<std::string>{trop::formatMessage(7, trop::stageResultsFileText(2))}));
    EXPECT_EQ(timerRunningDuringMessage, (std::vector<bool>{false}));
    EXPECT_TRUE(clock.running);
    EXPECT_EQ(rules->table().rowCount(), 0); // until the file can be read again

    std::filesystem::remove_all(category / "E2");
    run(4);
    EXPECT_EQ(rules->table().rowCount(), 3);
}

TEST_F(Board, TotalsSaturateAndExtremePenaltiesShowAsTheResultsWindowsShowThem)
{
    writeMembers({member(1, "A", "a")});
    writeStage(1, {enteredCard(1, INT_MIN, INT_MAX)});
    writeStage(2, {enteredCard(1, 0, INT_MAX)});
    const BoardLine line = boardLineCells(built(), 0);
    ASSERT_EQ(line.size(), 7u);
    EXPECT_EQ(line[3], std::to_string(INT_MIN) + " ");
    EXPECT_EQ(line[6], "214748364,7");
}

TEST(BoardFit, ChosenLinesFillTheHeightUntilTheyGetTooSmall)
{
    struct Case {
        int height, chosen, lines, linePixels;
    } cases[] = {
        {1080, 14, 14, 72}, // 15 rows with the titles
        {160, 15, 9, 16},   // too small: fewer lines of the smallest height
        {10, 15, 1, 16},    // always one line
        {400, 0, 1, 200},
    };
    for (const Case& c : cases) {
        const BoardFit fit = fitBoardLines(c.height, c.chosen);
        EXPECT_EQ(fit.lines, c.lines) << c.height;
        EXPECT_EQ(fit.linePixels, c.linePixels) << c.height;
    }
}

TEST(BoardFit, WideBoardsGetLowerLines)
{
    const BoardFit high{10, 60};
    EXPECT_EQ(fitBoardWidth(high, 900, 300).linePixels, 60);  // 900 pixels at 60
    EXPECT_EQ(fitBoardWidth(high, 600, 300).linePixels, 40);
    EXPECT_EQ(fitBoardWidth(high, 100, 300).linePixels, kMinLinePixels);
    EXPECT_EQ(fitBoardWidth(high, 100, 300).lines, 10);
}

} // namespace

namespace {

TEST(BoardCategories, OnlyTheTwelveBoardCodesAreListed)
{
    const std::filesystem::path competition =
        std::filesystem::temp_directory_path() / ("tablo-categories-" + std::to_string(::getpid()));
    for (const char* name : {"TP", "TU", "X.Rodzinna", "RK", "SZ", "tp", "Q1"})
        std::filesystem::create_directories(competition / name);
    std::vector<std::string> names;
    for (const trop::CategoryEntry& entry : boardCategories(competition))
        names.push_back(entry.folderName);
    std::filesystem::remove_all(competition);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"RK", "SZ", "TP"}));
}

} // namespace
