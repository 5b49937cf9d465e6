// Which popup each window offers for which target entry.
#include "rules_test_support.h"
#include "trop/ui/navigation/main_window_rules.h"

#include <gtest/gtest.h>

namespace trop::test {
namespace {

using Texts = std::vector<std::string>;

struct PopupCase {
    int target;
    Texts expected;
};

void expectPopups(const NavigationRules& rules, const std::vector<PopupCase>& cases)
{
    for (const PopupCase& popup : cases)
        EXPECT_EQ(menuTexts(rules, popup.target), popup.expected) << "target " << popup.target;
}

class MenuChoiceTest : public ::testing::Test {
protected:
    void SetUp() override { store.makeFolder("Wrzos/TD/E1"); }

    CategoryContext categoryContext()
    {
        CategoryWindowRules category(store.path(), "Wrzos", categoryEntry("TD"), host, opener);
        return category.context();
    }

    TempFolder store;
    MessageRecorder messages;
    FakeHost host;
    RecordingOpener opener;
};

TEST_F(MenuChoiceTest, MainWindow)
{
    MainWindowRules rules(store.path(), host, opener);
    ASSERT_EQ(rules.entries().size(), 2u);
    expectPopups(rules, {{kNoEntry, {"Dodaj", "Zamknij"}},
                         {0, {"Dodaj"}},
                         {1, {"Otwórz", "Edytuj", "Drukuj", "Ustawienia drukarki", "Usuń"}},
                         {2, {"Dodaj", "Zamknij"}}});
}

TEST_F(MenuChoiceTest, CompetitionWindow)
{
    CompetitionWindowRules rules(store.path(), "Wrzos", host, opener);
    ASSERT_TRUE(rules.open());
    ASSERT_EQ(rules.entries().size(), 2u);
    expectPopups(rules, {{kNoEntry, {"Dodaj", "Zamknij"}}, {0, {"Dodaj"}}, {1, {"Otwórz", "Usuń"}}});
}

TEST_F(MenuChoiceTest, CategoryWindow)
{
    CategoryWindowRules rules(store.path(), "Wrzos", categoryEntry("TD"), host, opener);
    ASSERT_TRUE(rules.open());
    ASSERT_EQ(rules.entries().size(), 4u);
    expectPopups(rules, {{kNoEntry, {"Dodaj", "Zamknij"}},
                         {0, {"Dodaj"}},
                         {1, {"Otwórz", "Drukuj", "Ustawienia drukarki"}},
                         {2, {"Otwórz", "Drukuj", "Ustawienia drukarki", "Export"}},
                         {3, {"Otwórz", "Edytuj", "Usuń"}},
                         {4, {"Dodaj", "Zamknij"}}});
}

TEST_F(MenuChoiceTest, StageWindowFirstKindIsStartListAndResults)
{
    StageWindowRules rules(categoryContext(), 1, opener);
    ASSERT_TRUE(rules.open());
    const Texts firstKind{"Otwórz", "Drukuj", "Ustawienia drukarki"};
    const Texts secondKind{"Otwórz"};
    expectPopups(rules, {{kNoEntry, {"Zamknij"}},
                         {0, firstKind},
                         {1, secondKind},
                         {2, secondKind},
                         {3, firstKind},
                         {4, secondKind},
                         {5, {"Zamknij"}}});
}

TEST_F(MenuChoiceTest, StageWindowCommandsReachTheirViews)
{
    StageWindowRules rules(categoryContext(), 1, opener);
    ASSERT_TRUE(rules.open());
    for (int index = 0; index < 5; ++index)
        rules.openEntry(index);
    choose(rules, 0, "Drukuj");
    choose(rules, 3, "Drukuj");
    choose(rules, 3, "Ustawienia drukarki");
    choose(rules, 2, "Otwórz");
    EXPECT_EQ(opener.calls, (Texts{"openStartList:E1", "openRouteDefinition:E1", "openStartCards:E1",
                                   "openStageResultsList:E1", "openFinishOrder:E1", "printStartList:E1",
                                   "printStageResultDetails:E1", "printerSetup", "openStartCards:E1"}));
    EXPECT_EQ(choose(rules, kNoEntry, "Zamknij"), CommandResult::CloseWindow);
}

} // namespace
} // namespace trop::test
