// Generating a start list from the members, and the start list's sort.
#include "trop/model/start_list_generation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace trop {
namespace {

std::unique_ptr<MemberTable> membersOfTeams(const std::vector<int>& teamOfEachRecord)
{
    auto table = std::make_unique<MemberTable>();
    for (std::size_t i = 0; i < teamOfEachRecord.size(); ++i)
        table->records[i].teamNumber = teamOfEachRecord[i];
    return table;
}

std::vector<int> teamsInOrder(const StartList& list)
{
    std::vector<int> teams;
    for (int i = 0; i < startEntryCount(list); ++i)
        teams.push_back(list.entries[i].team);
    return teams;
}

TEST(StartListGeneration, TeamsOnceEachWithEmptyPositionsAtIntervalTimes)
{
    const auto members = membersOfTeams({3, 5, 5, 9});
    StartList list;
    const GenerationOutcome outcome = generateStartList(*members, {4, 2}, 12345, list);
    EXPECT_EQ(outcome.count, 5);
    EXPECT_EQ(outcome.droppedEmptyPositions, 0);
    ASSERT_EQ(startEntryCount(list), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(list.entries[i].startTime, 4 * i);
    std::vector<int> teams = teamsInOrder(list);
    std::sort(teams.begin(), teams.end());
    EXPECT_EQ(teams, (std::vector<int>{-1, -1, 3, 5, 9}));
    EXPECT_EQ(list.entries[5].team, 0);
}

TEST(StartListGeneration, TheSameSeedRepeatsTheDraw)
{
    const auto members = membersOfTeams({1, 2, 3, 4, 5, 6, 7, 8});
    StartList first, again, other;
    generateStartList(*members, {2, 3}, 777, first);
    generateStartList(*members, {2, 3}, 777, again);
    generateStartList(*members, {2, 3}, 778, other);
    EXPECT_EQ(teamsInOrder(first), teamsInOrder(again));
    EXPECT_NE(teamsInOrder(first), teamsInOrder(other));
}

// Over many seeds every order of a small list comes out, and every team
// reaches every position about equally often.
TEST(StartListGeneration, DrawIsUniform)
{
    const auto members = membersOfTeams({1, 2, 3});
    constexpr int kSeeds = 4800; // 200 per order of the 4 entries
    std::map<std::vector<int>, int> orders;
    int teamAtPosition[4][4] = {};
    StartList list;
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        generateStartList(*members, {1, 1}, seed, list);
        const std::vector<int> order = teamsInOrder(list);
        ++orders[order];
        for (int p = 0; p < 4; ++p)
            ++teamAtPosition[order[p] < 0 ? 0 : order[p]][p];
    }
    EXPECT_EQ(orders.size(), 24u);
    for (const auto& [order, times] : orders)
        EXPECT_NEAR(times, 200, 60);
    for (const auto& positions : teamAtPosition)
        for (int times : positions)
            EXPECT_NEAR(times, kSeeds / 4, 120);
}

TEST(StartListGeneration, EveryTeamKeepsItsEntryWhenTheTableIsFull)
{
    std::vector<int> teams;
    for (int t = 1; t <= kMaxStartEntries; ++t)
        teams.push_back(t);
    const auto members = membersOfTeams(teams);
    StartList list;
    const GenerationOutcome outcome = generateStartList(*members, {1, 5}, 99, list);
    EXPECT_EQ(outcome.count, kMaxStartEntries);
    EXPECT_EQ(outcome.droppedEmptyPositions, 5);
    std::vector<int> placed = teamsInOrder(list);
    std::sort(placed.begin(), placed.end());
    EXPECT_EQ(placed, teams);
    EXPECT_EQ(list.entries[kMaxStartEntries - 1].startTime, kMaxStartEntries - 1);

    const auto fewer = membersOfTeams(std::vector<int>(teams.begin(), teams.begin() + 997));
    EXPECT_EQ(generateStartList(*fewer, {1, 5}, 99, list).droppedEmptyPositions, 2);
    EXPECT_EQ(startEntryCount(list), kMaxStartEntries);
}

TEST(StartListGeneration, NoMembersGiveOnlyEmptyPositions)
{
    const auto members = membersOfTeams({});
    StartList list;
    EXPECT_EQ(generateStartList(*members, {4, 3}, 1, list).count, 3);
    EXPECT_EQ(teamsInOrder(list), (std::vector<int>{-1, -1, -1}));
}

// The exchange sort is pinned, instability included: of two entries with the
// same start time, the one met later by the swap of a smaller time goes first.
TEST(StartListSort, ExchangeSortOrder)
{
    StartList list{};
    const StartEntry entries[] = {{8, 1}, {8, 2}, {0, 3}, {4, 4}, {4, 5}};
    std::copy(std::begin(entries), std::end(entries), list.entries);
    sortStartList(list);
    EXPECT_EQ(teamsInOrder(list), (std::vector<int>{3, 4, 5, 2, 1}));
}

} // namespace
} // namespace trop
