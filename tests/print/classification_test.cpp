#include "category_builder.h"

#include "trop/print/classification.h"
#include "trop/print/overall_results.h"

#include <vector>

using namespace trop;
using namespace trop::testing;

namespace {

class Classification : public CategoryFolder {
protected:
    ClassificationResult classify() { return classifyCategory(category, *members, *table); }

    std::vector<int> teamOrder() const
    {
        std::vector<int> order;
        for (int i = 0; i < table->rowCount; ++i)
            order.push_back(table->rows[i].teamNumber);
        return order;
    }
    const StageStanding& standing(int row, int stage) const { return table->rows[row].stages[stage]; }

    std::unique_ptr<MemberTable> members = std::make_unique<MemberTable>();
    std::unique_ptr<ClassificationTable> table = std::make_unique<ClassificationTable>();
};

TEST_F(Classification, NoMembersOrUnreadableMembersGiveNoTable)
{
    EXPECT_EQ(classify(), ClassificationResult::NoMembers);
    EXPECT_FALSE(buildClassification(category, *members, *table));
    EXPECT_EQ(table->rowCount, 0);

    std::filesystem::remove(category / kMembersFileName);
    std::filesystem::create_directory(category / kMembersFileName);
    EXPECT_EQ(classify(), ClassificationResult::MembersUnreadable);
}

TEST_F(Classification, StagesEndAtTheFirstStageWithoutResultsAndNeverUseE0)
{
    writeMembers({member(1, "A", "a"), member(2, "B", "b")});
    writeStage(0, {enteredCard(1, 10, 10000)});
    ASSERT_EQ(classify(), ClassificationResult::Built);
    EXPECT_EQ(table->stageCount, 0);
    EXPECT_EQ(teamOrder(), (std::vector<int>{1, 2}));

    writeStage(1, {enteredCard(1, 10, 9000), enteredCard(2, 0, 10000)});
    writeStage(3, {enteredCard(1, 0, 10000)});
    ASSERT_EQ(classify(), ClassificationResult::Built);
    EXPECT_EQ(table->stageCount, 1);
    EXPECT_EQ(teamOrder(), (std::vector<int>{2, 1}));

    writeStage(2, {});  // an empty file ends the stages as well
    ASSERT_EQ(classify(), ClassificationResult::Built);
    EXPECT_EQ(table->stageCount, 1);
}

TEST_F(Classification, EqualPointsAndPenaltiesShareAStagePlace)
{
    writeMembers({member(3, "C", "c"), member(5, "E", "e"), member(7, "G", "g"), member(9, "I", "i")});
    writeStage(1, {enteredCard(3, 60, 9000), enteredCard(5, 40, 9500), enteredCard(7, 40, 9500),
                   enteredCard(9, 45, 9500)});
    ASSERT_EQ(classify(), ClassificationResult::Built);
    ASSERT_EQ(table->stageCount, 1);
    EXPECT_EQ(teamOrder(), (std::vector<int>{5, 7, 9, 3}));
    const std::vector<int> stagePlaces = {1, 1, 3, 4};
    const ResultsGrid grid = overallResultsGrid(*table, *members);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(standing(row, 1).stagePlace, stagePlaces[row]) << row;
        // with one stage the overall place is the stage place
        EXPECT_EQ(standing(row, 1).totalPlace, stagePlaces[row]) << row;
        EXPECT_EQ(grid.rows[row][0], std::to_string(stagePlaces[row])) << row;
    }
}

TEST_F(Classification, TotalsPlacesAbsentAndUnclassifiedTeamsOverTwoStages)
{
    writeMembers({member(1, "A", "a"), member(2, "B", "b"), member(3, "C", "c"), member(4, "D", "d"),
                  member(4, "D2", "d2")});
    writeStage(1, {enteredCard(1, 20, 700), enteredCard(2, 0, 1000), enteredCard(3, 10, 800),
                   enteredCard(4, 0, 0)});
    // Stage 2: team 2's card comes out of team order and is ignored, as is the
    // card of an unknown team; of team 4's two cards the later, not entered,
    // counts.
    writeStage(2, {enteredCard(1, 5, 800), enteredCard(3, 0, 400), enteredCard(2, 0, 900), enteredCard(4, 0, 500),
                   freshCard(4), enteredCard(6, 0, 10000)});
    ASSERT_EQ(classify(), ClassificationResult::Built);
    ASSERT_EQ(table->stageCount, 2);
    EXPECT_EQ(teamOrder(), (std::vector<int>{1, 3, 2, 4}));

    struct Expected { int team, pk1, pp1, place1, pk2, pp2, total2, place2, totalPlace2; };
    const Expected expected[] = {
        {1, 20, 700, 3, 5, 800, 1500, 1, 1},
        {3, 10, 800, 2, 0, 400, 1200, 2, 2},
        {2, 0, 1000, 1, kAbsent, 0, 1000, 0, 3},
        {4, kNotClassified, 0, 0, kAbsent, 0, 0, 0, 0},
    };
    for (int row = 0; row < 4; ++row) {
        const Expected& e = expected[row];
        SCOPED_TRACE(e.team);
        EXPECT_EQ(standing(row, 1).penaltyPoints, e.pk1);
        EXPECT_EQ(standing(row, 1).stagePoints, e.pp1);
        EXPECT_EQ(standing(row, 1).totalPoints, e.pp1);
        EXPECT_EQ(standing(row, 1).stagePlace, e.place1);
        EXPECT_EQ(standing(row, 2).penaltyPoints, e.pk2);
        EXPECT_EQ(standing(row, 2).stagePoints, e.pp2);
        EXPECT_EQ(standing(row, 2).totalPoints, e.total2);
        EXPECT_EQ(standing(row, 2).stagePlace, e.place2);
        EXPECT_EQ(standing(row, 2).totalPlace, e.totalPlace2);
    }
}

TEST_F(Classification, RunningTotalsAndTiesOverThreeStages)
{
    writeMembers({member(1, "A", "a"), member(2, "B", "b"), member(3, "C", "c"), member(4, "D", "d"),
                  member(5, "E", "e")});
    writeStage(1, {enteredCard(1, 10, 300), enteredCard(2, 0, 500), enteredCard(3, 20, 200), enteredCard(4, 5, 400),
                   enteredCard(5, 30, 0)});
    writeStage(2, {enteredCard(1, 0, 300), enteredCard(2, 0, 100), enteredCard(3, 0, 400), enteredCard(4, 0, 200)});
    writeStage(3, {enteredCard(1, 0, 400), enteredCard(2, 0, 400), enteredCard(3, 0, 300), enteredCard(4, 0, 400),
                   enteredCard(5, 0, 100)});
    ASSERT_EQ(classify(), ClassificationResult::Built);
    ASSERT_EQ(table->stageCount, 3);
    // The three teams tied at 100,0 stay in the order the exchange sorts leave.
    EXPECT_EQ(teamOrder(), (std::vector<int>{1, 4, 2, 3, 5}));
    const int totals[][3] = {{300, 600, 1000}, {400, 600, 1000}, {500, 600, 1000}, {200, 600, 900}, {0, 0, 100}};
    const int totalPlaces[][3] = {{3, 1, 1}, {2, 1, 1}, {1, 1, 1}, {4, 1, 4}, {0, 0, 5}};
    for (int row = 0; row < 5; ++row)
        for (int s = 1; s <= 3; ++s) {
            EXPECT_EQ(standing(row, s).totalPoints, totals[row][s - 1]) << row << " E" << s;
            EXPECT_EQ(standing(row, s).totalPlace, totalPlaces[row][s - 1]) << row << " E" << s;
        }
    // Team 5 finished without confirming anything in stage 1.
    EXPECT_EQ(standing(4, 1).penaltyPoints, kNotClassified);
}

TEST_F(Classification, DamagedPointsSaturateTheRunningTotal)
{
    writeMembers({member(1, "A", "a")});
    writeStage(1, {enteredCard(1, 0, 2000000000)});
    writeStage(2, {enteredCard(1, 0, 2000000000)});
    ASSERT_EQ(classify(), ClassificationResult::Built);
    EXPECT_EQ(standing(0, 2).totalPoints, INT32_MAX);
}

TEST_F(Classification, EqualTotalsShareTheOverallPlaceAndZeroTotalsComeLastWithoutOne)
{
    writeMembers({member(1, "A", "a"), member(2, "B", "b"), member(3, "C", "c"), member(4, "D", "d")});
    writeStage(1, {enteredCard(1, 0, 0), enteredCard(2, 10, 700), enteredCard(3, 0, 1000), enteredCard(4, 20, 600)});
    writeStage(2, {enteredCard(1, 0, 0), enteredCard(2, 5, 800), enteredCard(3, 30, 500), enteredCard(4, 0, 600)});
    ASSERT_EQ(classify(), ClassificationResult::Built);
    // totals 150,0 / 150,0 / 120,0 / 0
    EXPECT_EQ(teamOrder(), (std::vector<int>{2, 3, 4, 1}));
    const int totals[] = {1500, 1500, 1200, 0};
    const int places[] = {1, 1, 3, 0};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(standing(row, 2).totalPoints, totals[row]);
        EXPECT_EQ(standing(row, 2).totalPlace, places[row]);
    }

    const ResultsGrid grid = overallResultsGrid(*table, *members);
    ASSERT_EQ(grid.rows.size(), 4u);
    const char* shownPlaces[] = {"1", "1", "3", ""};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(grid.rows[row][0], shownPlaces[row]) << row;
}

TEST_F(Classification, AbsentTeamsSortBeforeUnclassifiedOnesInAStage)
{
    writeMembers({member(1, "A", "a"), member(2, "B", "b"), member(3, "C", "c")});
    writeStage(1, {enteredCard(1, 0, 0), enteredCard(3, 10, 900)});
    ASSERT_EQ(classify(), ClassificationResult::Built);
    EXPECT_EQ(teamOrder(), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(standing(1, 1).penaltyPoints, kAbsent);
    EXPECT_EQ(standing(2, 1).penaltyPoints, kNotClassified);
}

TEST_F(Classification, OverallGridShowsTheWindowsColumnsAndCells)
{
    writeMembers({member(1, "Kowalski", "Jan"), member(1, "Nowak", "Ewa"), member(2, "Lis", "Piotr")});
    writeStage(1, {enteredCard(1, 35, 10000), enteredCard(2, 0, 0)});
    writeStage(2, {enteredCard(1, 0, 9505)});
    ASSERT_EQ(classify(), ClassificationResult::Built);
    const ResultsGrid grid = overallResultsGrid(*table, *members);

    std::vector<std::string> titles;
    for (const ResultsColumn& column : grid.columns)
        titles.push_back(column.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Miejsce ", "Nr ", "Zesp\xF3\xB3", "PK na E1", "PP na E1", "PK na E2",
                                                "PP na E2", "PP po E2"}));
    EXPECT_EQ(grid.columns[2].alignment, CellAlignment::Left);
    EXPECT_EQ(grid.columns[2].widthInDialogUnits, 205);
    EXPECT_EQ(grid.columns[1].alignment, CellAlignment::Right);

    ASSERT_EQ(grid.rows.size(), 2u);
    EXPECT_EQ(grid.rows[0], (std::vector<std::string>{"1", "1", "Kowalski Jan,     Nowak Ewa", "-35 ", "1000,0",
                                                      "0 ", "950,5", "1950,5"}));
    EXPECT_EQ(grid.rows[1], (std::vector<std::string>{"", "2", "Lis Piotr", "NKL ", "0,0", "ABS ", "0,0", "0,0"}));
}

} // namespace
