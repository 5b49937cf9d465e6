// The categories of a competition and the "Nowa kategoria" flow.
#include "rules_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace trop::test {
namespace {

using Texts = std::vector<std::string>;

std::optional<std::string> cancelled() { return std::nullopt; }

class CompetitionWindowRulesTest : public ::testing::Test {
protected:
    std::filesystem::path competition() const { return store.path() / "Wrzos"; }

    CompetitionWindowRules openRules()
    {
        CompetitionWindowRules rules(store.path(), "Wrzos", host, opener);
        EXPECT_TRUE(rules.open());
        return rules;
    }

    // Answers the category dialog: chooses code, then OK (and "Anuluj" when
    // OK keeps the dialog open).
    void answerCategoryDialog(const std::string& code, CategoryDialogFlow::NamePrompt prompt = cancelled)
    {
        host.categoryDialog = [code, prompt, this](CategoryDialogFlow& flow) {
            if (!code.empty())
                flow.choose(code);
            okClosedDialog = flow.accept(prompt);
            return okClosedDialog;
        };
    }

    TempFolder store;
    MessageRecorder messages;
    FakeHost host;
    RecordingOpener opener;
    bool okClosedDialog = false;

    void SetUp() override { store.makeFolder("Wrzos"); }
};

TEST_F(CompetitionWindowRulesTest, EmptyCompetitionShowsOnlyAdd)
{
    CompetitionWindowRules rules = openRules();
    EXPECT_EQ(rules.title(), "Wrzos");
    EXPECT_EQ(entryTexts(rules), Texts{"Dodaj"});
}

TEST_F(CompetitionWindowRulesTest, CategoriesShowDisplayNameAndNumber)
{
    store.makeFolder("Wrzos/TD");
    store.makeFolder("Wrzos/X.MASTERS");
    store.makeFolder("Wrzos/Q1");
    store.makeFolder("Wrzos/td");
    CompetitionWindowRules rules = openRules();
    const Texts all = entryTexts(rules);
    Texts shown(all.begin() + 1, all.end());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (Texts{"MASTERS", "TD"}));
    const NavigationEntry& td = rules.entries()[static_cast<std::size_t>(indexOf(rules, "TD"))];
    const NavigationEntry& masters = rules.entries()[static_cast<std::size_t>(indexOf(rules, "MASTERS"))];
    EXPECT_EQ(td.data, 2);
    EXPECT_EQ(masters.data, 14);
    EXPECT_EQ(td.icon, EntryIcon::Category);
}

TEST_F(CompetitionWindowRulesTest, ChosenCodeCreatesFolderAndListGrows)
{
    CompetitionWindowRules rules = openRules();
    answerCategoryDialog("TF");
    EXPECT_EQ(rules.openEntry(0), CommandResult::ListChanged);
    EXPECT_TRUE(okClosedDialog);
    EXPECT_TRUE(std::filesystem::is_directory(competition() / "TF"));
    EXPECT_EQ(entryTexts(rules), (Texts{"Dodaj", "TF"}));
}

TEST_F(CompetitionWindowRulesTest, ExistingCodeClosesQuietlyWithoutSecondEntry)
{
    store.makeFolder("Wrzos/TD");
    CompetitionWindowRules rules = openRules();
    answerCategoryDialog("TD");
    rules.run(NavigationCommand::Add, kNoEntry);
    EXPECT_TRUE(okClosedDialog);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(entryTexts(rules), (Texts{"Dodaj", "TD"}));
}

TEST_F(CompetitionWindowRulesTest, OutcomesThatCreateNothing)
{
    struct Case {
        const char* code;
        std::optional<std::string> typedName;
        bool closes;
    };
    // Nothing chosen closes; a cancelled or empty name prompt keeps it open.
    const Case cases[] = {{"", std::nullopt, true}, {"X", std::nullopt, false}, {"X", "", false}};
    CompetitionWindowRules rules = openRules();
    for (const Case& c : cases) {
        int prompts = 0;
        answerCategoryDialog(c.code, [&] {
            ++prompts;
            return c.typedName;
        });
        rules.openEntry(0);
        EXPECT_EQ(okClosedDialog, c.closes) << c.code;
        EXPECT_EQ(prompts, std::string(c.code) == "X" ? 1 : 0);
        EXPECT_TRUE(std::filesystem::is_empty(competition()));
    }
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(CompetitionWindowRulesTest, CustomCategoryIsStoredWithPrefix)
{
    CompetitionWindowRules rules = openRules();
    answerCategoryDialog("X", [] { return std::optional<std::string>("OPEN"); });
    rules.openEntry(0);
    EXPECT_TRUE(okClosedDialog);
    EXPECT_TRUE(std::filesystem::is_directory(competition() / "X.OPEN"));
    EXPECT_EQ(entryTexts(rules), (Texts{"Dodaj", "OPEN"}));
}

TEST_F(CompetitionWindowRulesTest, UnsafeCustomNameIsRefusedWithMessage1)
{
    CompetitionWindowRules rules = openRules();
    answerCategoryDialog("X", [] { return std::optional<std::string>("A/../../B"); });
    rules.openEntry(0);
    EXPECT_EQ(messages.ids(), std::vector<int>{1});
    EXPECT_TRUE(std::filesystem::is_empty(competition()));
    EXPECT_EQ(entryTexts(rules), Texts{"Dodaj"});
}

TEST_F(CompetitionWindowRulesTest, RemovingCustomCategoryUsesItsRealFolder)
{
    // Listed as "_ABC": only the X goes when no point follows it.
    store.makeFolder("Wrzos/X_ABC/E1");
    CompetitionWindowRules rules = openRules();
    ASSERT_EQ(entryTexts(rules), (Texts{"Dodaj", "_ABC"}));
    messages.answers = {MessageAnswer::Yes};
    EXPECT_EQ(choose(rules, 1, "Usuń"), CommandResult::ListChanged);
    ASSERT_EQ(messages.ids(), std::vector<int>{9});
    EXPECT_EQ(messages.asked[0].arg1, "_ABC");
    EXPECT_FALSE(std::filesystem::exists(competition() / "X_ABC"));
    EXPECT_EQ(entryTexts(rules), Texts{"Dodaj"});
}

TEST_F(CompetitionWindowRulesTest, RemovalAnsweredNoKeepsCategory)
{
    store.makeFolder("Wrzos/TD");
    CompetitionWindowRules rules = openRules();
    EXPECT_EQ(choose(rules, 1, "Usuń"), CommandResult::Nothing); // No is the default
    EXPECT_TRUE(std::filesystem::is_directory(competition() / "TD"));
}

TEST_F(CompetitionWindowRulesTest, OpeningCategoryShowsCategoryWindow)
{
    store.makeFolder("Wrzos/X.OPEN");
    CompetitionWindowRules rules = openRules();
    Texts childEntries;
    host.categoryWindow = [&](CategoryWindowRules& child) { childEntries = entryTexts(child); };
    choose(rules, 1, "Otwórz");
    EXPECT_EQ(host.windowsRun, Texts{"Wrzos      kategoria  OPEN"});
    EXPECT_EQ(childEntries, (Texts{"Dodaj", "Uczestnicy", "Wyniki"}));
}

TEST_F(CompetitionWindowRulesTest, CategoryRemovedFromOutsideGivesMessage8)
{
    store.makeFolder("Wrzos/TD");
    CompetitionWindowRules rules = openRules();
    std::filesystem::remove(competition() / "TD");
    rules.openEntry(1);
    EXPECT_TRUE(host.windowsRun.empty());
    ASSERT_EQ(messages.ids(), std::vector<int>{8});
    EXPECT_EQ(messages.asked[0].arg1, "TD");
}

TEST_F(CompetitionWindowRulesTest, MissingCompetitionFolderRefusesToOpen)
{
    CompetitionWindowRules rules(store.path(), "Gone", host, opener);
    EXPECT_FALSE(rules.open());
    EXPECT_EQ(messages.ids(), std::vector<int>{8});
}

} // namespace
} // namespace trop::test
