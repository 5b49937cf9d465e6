// The start list window's rules: rows from the file, generation with its
// seed, the start time edit, and the question on closing.
#include "navigation_fakes.h"
#include "trop/model/members.h"
#include "trop/ui/startlist/start_list_params_check.h"
#include "trop/ui/startlist/start_list_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace trop::test {
namespace {

std::string entryBytes(std::int32_t startTime, std::int32_t team)
{
    const StartEntry entry{startTime, team};
    return std::string(reinterpret_cast<const char*>(&entry), sizeof entry);
}

std::unique_ptr<MemberTable> twoTeams()
{
    auto members = std::make_unique<MemberTable>();
    const struct {
        int team;
        const char* surname;
        const char* firstName;
    } people[] = {{3, "Nowak", "Jan"}, {5, "Kowalska", "Ewa"}, {5, "Lis", "Adam"}};
    for (const auto& person : people) {
        MemberRecord record{};
        record.teamNumber = person.team;
        std::strcpy(record.surname, person.surname);
        std::strcpy(record.firstName, person.firstName);
        insertMember(*members, record);
    }
    return members;
}

class StartListRulesTest : public ::testing::Test {
protected:
    std::filesystem::path stage() const { return store.path(); }
    std::string startListBytes() const { return readFile(stage() / "Start.List"); }

    // Rules over a list file of these entries, opened.
    std::unique_ptr<StartListRules> openWith(const std::string& bytes)
    {
        store.writeFile("Start.List", bytes);
        auto rules = std::make_unique<StartListRules>(stage(), members.get(), [] { return 4242u; });
        EXPECT_TRUE(rules->open());
        return rules;
    }

    TempFolder store;
    MessageRecorder messages;
    std::unique_ptr<MemberTable> members = twoTeams();
};

TEST_F(StartListRulesTest, RowsFromTheFile)
{
    const struct {
        std::string bytes;
        int rows;
    } files[] = {
        {entryBytes(0, 3) + entryBytes(4, -1) + entryBytes(8, 5), 3},
        {"", 0},
    };
    for (const auto& file : files) {
        const auto rules = openWith(file.bytes);
        EXPECT_EQ(rules->rowCount(), file.rows) << file.bytes.size() << " bytes";
    }
    const auto rules = openWith(files[0].bytes);
    EXPECT_EQ(rules->row(0).time, "0 ");
    EXPECT_EQ(rules->row(0).team, "3 ");
    EXPECT_EQ(rules->row(0).members, "Nowak Jan");
    EXPECT_EQ(rules->row(1).team, "");
    EXPECT_EQ(rules->row(1).members, "");
    EXPECT_EQ(rules->row(2).members, "Kowalska Ewa,     Lis Adam");
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(StartListRulesTest, UnreadableFileClosesAtOnce)
{
    store.makeFolder("Start.List");
    StartListRules rules(stage(), members.get());
    EXPECT_FALSE(rules.open());
    EXPECT_EQ(messages.ids(), std::vector<int>{7});
    EXPECT_EQ(messages.asked.front().arg1, "Start.List");
}

TEST_F(StartListRulesTest, AFileEndingInsideAnEntryClosesAtOnce)
{
    store.writeFile("Start.List", entryBytes(0, 3) + entryBytes(8, 5).substr(0, 4));
    StartListRules rules(stage(), members.get());
    EXPECT_FALSE(rules.open());
    EXPECT_EQ(messages.ids(), std::vector<int>{7});
}

TEST_F(StartListRulesTest, StartTimeEditLimits)
{
    const struct {
        const char* typed;
        bool taken;
        const char* message;
    } cases[] = {
        {"0", true, nullptr},
        {"600", true, nullptr},
        {"601", false, "Wprowadź liczbę całkowitą z zakresu od 0 do 600."},
        {"-1", false, "Wprowadź liczbę całkowitą z zakresu od 0 do 600."},
        {"x", false, "Wprowadź liczbę całkowitą."},
    };
    for (const auto& c : cases) {
        messages.asked.clear();
        const auto rules = openWith(entryBytes(8, 3));
        EXPECT_EQ(rules->startTimeText(0), "8");
        EXPECT_EQ(rules->setStartTime(0, c.typed), c.taken) << c.typed;
        EXPECT_EQ(rules->changed(), c.taken) << c.typed;
        EXPECT_EQ(rules->list().entries[0].startTime, c.taken ? std::atoi(c.typed) : 8) << c.typed;
        ASSERT_EQ(messages.asked.size(), c.message ? 1u : 0u) << c.typed;
        if (c.message) {
            EXPECT_EQ(messages.asked[0].text, c.message);
        }
    }
}

TEST_F(StartListRulesTest, TimesAboveTheTypedLimitAreShownAsTheyAre)
{
    const auto rules = openWith(entryBytes(990, 3));
    EXPECT_EQ(rules->row(0).time, "990 ");
    EXPECT_EQ(rules->startTimeText(0), "990");
}

TEST_F(StartListRulesTest, SortAloneAsksNothingOnClose)
{
    const std::string bytes = entryBytes(8, 3) + entryBytes(0, 5);
    const auto rules = openWith(bytes);
    rules->sort();
    EXPECT_EQ(rules->row(0).team, "5 ");
    EXPECT_TRUE(rules->close());
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(startListBytes(), bytes);
}

TEST_F(StartListRulesTest, ClosingAfterAChangeAsksAndYesSaves)
{
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        messages.asked.clear();
        const auto rules = openWith(entryBytes(8, 3));
        rules->setStartTime(0, "12");
        messages.answers = {answer};
        EXPECT_TRUE(rules->close());
        EXPECT_EQ(messages.ids(), std::vector<int>{12});
        EXPECT_EQ(startListBytes(), entryBytes(answer == MessageAnswer::Yes ? 12 : 8, 3));
    }
}

TEST_F(StartListRulesTest, FailedSaveKeepsTheWindowOpenWithItsChanges)
{
    const auto rules = openWith(entryBytes(8, 3));
    rules->setStartTime(0, "12");
    // A file marked read-only is refused by every save, even for root.
    std::filesystem::permissions(stage() / "Start.List", std::filesystem::perms::owner_read);
    messages.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(rules->close());
    EXPECT_EQ(messages.ids(), (std::vector<int>{12, 7}));
    EXPECT_TRUE(rules->changed());
    EXPECT_EQ(rules->list().entries[0].startTime, 12);
}

TEST_F(StartListRulesTest, GenerationShowsItsSeedAndMarksTheList)
{
    const auto rules = openWith("");
    EXPECT_EQ(rules->statusText(), "");
    rules->generate({5, 1});
    EXPECT_EQ(rules->rowCount(), 3);
    EXPECT_EQ(rules->row(2).time, "10 ");
    EXPECT_EQ(rules->statusText(), "Ziarno losowania: 4242");
    EXPECT_EQ(rules->params().teamInterval, 5);
    EXPECT_TRUE(rules->changed());
    // The draw named in the status line can be repeated.
    StartList again;
    generateStartList(*members, {5, 1}, 4242, again);
    EXPECT_EQ(std::memcmp(&again, &rules->list(), sizeof again), 0);
}

TEST_F(StartListRulesTest, SurplusEmptyPositionsAreDroppedAndTold)
{
    members = std::make_unique<MemberTable>();
    for (int t = 1; t <= kMaxStartEntries; ++t)
        members->records[t - 1].teamNumber = t;
    const auto rules = openWith("");
    rules->generate({1, 5});
    EXPECT_EQ(rules->rowCount(), kMaxStartEntries);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_NE(messages.asked[0].text.find("Pominięto pustych pozycji: 5."), std::string::npos);
    messages.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(rules->close());
    EXPECT_EQ(startListBytes().size(), 8u * kMaxStartEntries);
}

TEST(StartListParamsCheck, RangesAndTheFieldThatKeepsTheFocus)
{
    MessageRecorder messages;
    const struct {
        const char* interval;
        const char* empty;
        bool accepted;
        StartListParamsField refused;
    } cases[] = {
        {"1", "0", true, {}},
        {"100", "100", true, {}},
        {"0", "0", false, StartListParamsField::TeamInterval},
        {"101", "0", false, StartListParamsField::TeamInterval},
        {"4", "101", false, StartListParamsField::EmptyPositions},
        {"4", "", false, StartListParamsField::EmptyPositions},
    };
    for (const auto& c : cases) {
        const StartListParamsCheck check = checkStartListParams(c.interval, c.empty);
        EXPECT_EQ(check.params.has_value(), c.accepted) << c.interval << "/" << c.empty;
        if (!c.accepted) {
            EXPECT_EQ(check.refused, c.refused) << c.interval << "/" << c.empty;
        }
    }
    EXPECT_EQ(messages.asked.size(), 4u);
    const StartListParamsCheck last = checkStartListParams(" 7", "3 ");
    ASSERT_TRUE(last.params);
    EXPECT_EQ(last.params->teamInterval, 7);
    EXPECT_EQ(last.params->emptyPositions, 3);
}

} // namespace
} // namespace trop::test
