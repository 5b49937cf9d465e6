// A stage window: members loaded on opening, its five views and failures.
#include "rules_test_support.h"
#include "trop/model/members.h"

#include <gtest/gtest.h>

#include <cstring>

namespace trop::test {
namespace {

using Texts = std::vector<std::string>;

std::string memberBytes(int teamNumber)
{
    MemberRecord record{};
    record.teamNumber = teamNumber;
    std::strcpy(record.surname, "Nowak");
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

class StageWindowRulesTest : public ::testing::Test {
protected:
    void SetUp() override { store.makeFolder("Wrzos/X.OPEN/E2"); }

    CategoryContext categoryContext()
    {
        CategoryWindowRules category(store.path(), "Wrzos", categoryEntry("X.OPEN"), host, opener);
        return category.context();
    }

    TempFolder store;
    MessageRecorder messages;
    FakeHost host;
    RecordingOpener opener;
};

TEST_F(StageWindowRulesTest, ShowsFiveViewsAndItsTitle)
{
    StageWindowRules rules(categoryContext(), 2, opener);
    ASSERT_TRUE(rules.open());
    EXPECT_EQ(rules.title(), "Wrzos      kategoria  OPEN      etap  E2");
    EXPECT_EQ(entryTexts(rules),
              (Texts{"Lista startowa", "Definicja trasy", "Rezultat", "Klasyfikacja", "Statystyka"}));
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(StageWindowRulesTest, MemberCountAndNamesReachTheViews)
{
    store.writeFile("Wrzos/X.OPEN/Class.Members.Data", memberBytes(1) + memberBytes(1) + memberBytes(4));
    StageWindowRules rules(categoryContext(), 2, opener);
    ASSERT_TRUE(rules.open());
    rules.openEntry(StageWindowRules::kStageResultsIndex);
    const StageContext& seen = opener.lastStage;
    EXPECT_EQ(seen.memberCount, 3);
    ASSERT_NE(seen.members, nullptr);
    EXPECT_EQ(memberCount(*seen.members), 3);
    EXPECT_EQ(seen.stageFolder, store.path() / "Wrzos" / "X.OPEN" / "E2");
    EXPECT_EQ(seen.category.categoryDisplayName, "OPEN");
    EXPECT_EQ(seen.category.competitionName, "Wrzos");
    EXPECT_EQ(seen.stageFolderName, "E2");
}

TEST_F(StageWindowRulesTest, UnreadableMembersGiveMessage7AndNoEntries)
{
    store.makeFolder("Wrzos/X.OPEN/Class.Members.Data"); // a folder cannot be read as the file
    StageWindowRules rules(categoryContext(), 2, opener);
    EXPECT_TRUE(rules.open()); // the window stays open, empty
    ASSERT_EQ(messages.ids(), std::vector<int>{7});
    EXPECT_EQ(messages.asked[0].arg1, "Class.Members.Data");
    EXPECT_TRUE(rules.entries().empty());
    EXPECT_EQ(menuTexts(rules, kNoEntry), Texts{"Zamknij"});
    EXPECT_EQ(menuTexts(rules, 0), Texts{"Zamknij"});
    rules.openEntry(0);
    rules.run(NavigationCommand::Print, 0);
    EXPECT_TRUE(opener.calls.empty());
}

TEST_F(StageWindowRulesTest, MissingStageFolderGivesMessage8)
{
    StageWindowRules rules(categoryContext(), 5, opener);
    EXPECT_FALSE(rules.open());
    ASSERT_EQ(messages.ids(), std::vector<int>{8});
    EXPECT_EQ(messages.asked[0].arg1, "E5");
}

TEST_F(StageWindowRulesTest, OpeningFromCategoryWindowRunsStageWindow)
{
    CategoryWindowRules category(store.path(), "Wrzos", categoryEntry("X.OPEN"), host, opener);
    ASSERT_TRUE(category.open());
    Texts stageEntries;
    host.stageWindow = [&](StageWindowRules& stage) { stageEntries = entryTexts(stage); };
    choose(category, 3, "Otwórz");
    EXPECT_EQ(host.windowsRun, Texts{"Wrzos      kategoria  OPEN      etap  E2"});
    EXPECT_EQ(stageEntries.size(), 5u);
}

} // namespace
} // namespace trop::test
