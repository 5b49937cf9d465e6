// The competitions window: listing, adding, editing, removing and opening.
#include "rules_test_support.h"
#include "trop/store/header_files.h"
#include "trop/ui/navigation/main_window_rules.h"

#include <gtest/gtest.h>

#include <cstring>

namespace trop::test {
namespace {

using Texts = std::vector<std::string>;

CompetitionHeader headerWithDate(const char* date)
{
    CompetitionHeader header{};
    std::strncpy(header.dateText, date, sizeof header.dateText - 1);
    std::strncpy(header.fullName1, "Zawody", sizeof header.fullName1 - 1);
    return header;
}

class MainWindowRulesTest : public ::testing::Test {
protected:
    TempFolder store;
    MessageRecorder messages;
    FakeHost host;
    RecordingOpener opener;
};

TEST_F(MainWindowRulesTest, EmptyStoreShowsOnlyAdd)
{
    MainWindowRules rules(store.path(), host, opener);
    EXPECT_EQ(rules.title(), "Trop");
    EXPECT_EQ(entryTexts(rules), Texts{"Dodaj"});
    EXPECT_EQ(rules.entries()[0].icon, EntryIcon::Add);
}

TEST_F(MainWindowRulesTest, ListsFoldersOnlyAfterAdd)
{
    store.makeFolder("Wrzos '99");
    store.writeFile("notes.txt", "not a competition");
    MainWindowRules rules(store.path(), host, opener);
    EXPECT_EQ(entryTexts(rules), (Texts{"Dodaj", "Wrzos '99"}));
}

TEST_F(MainWindowRulesTest, AddingCompetitionWritesHeaderAndRebuildsList)
{
    MainWindowRules rules(store.path(), host, opener);
    std::string title;
    host.competitionDialog = [&](CompetitionDialogFlow& flow) {
        title = flow.title();
        return flow.accept("Wrzos", headerWithDate("12-13 maja"));
    };
    EXPECT_EQ(rules.openEntry(0), CommandResult::ListChanged);
    EXPECT_EQ(title, "Nowe zawody");
    EXPECT_EQ(entryTexts(rules), (Texts{"Dodaj", "Wrzos"}));
    const std::string bytes = readFile(store.path() / "Wrzos" / kCompetitionHeaderFileName);
    ASSERT_EQ(bytes.size(), 224u);
    EXPECT_EQ(bytes.substr(0, 10), "12-13 maja");
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(MainWindowRulesTest, ExistingNameKeepsDialogOpenWithMessage2)
{
    store.makeFolder("Wrzos");
    MainWindowRules rules(store.path(), host, opener);
    bool firstTry = true;
    host.competitionDialog = [&](CompetitionDialogFlow& flow) {
        firstTry = flow.accept("Wrzos", headerWithDate("x"));
        return false; // the user gives up with "Anuluj"
    };
    EXPECT_EQ(rules.run(NavigationCommand::Add, kNoEntry), CommandResult::Nothing);
    EXPECT_FALSE(firstTry);
    EXPECT_EQ(messages.ids(), std::vector<int>{2});
    EXPECT_FALSE(std::filesystem::exists(store.path() / "Wrzos" / kCompetitionHeaderFileName));
}

TEST_F(MainWindowRulesTest, EditingCompetitionWithoutHeaderWarnsThenCreatesIt)
{
    store.makeFolder("Wrzos");
    MainWindowRules rules(store.path(), host, opener);
    std::string title;
    bool shortNameFixed = false;
    host.competitionDialog = [&](CompetitionDialogFlow& flow) {
        title = flow.title();
        shortNameFixed = !flow.isNew() && flow.shortName() == "Wrzos";
        // The typed short name cannot change the competition that is saved.
        return flow.accept("Other", headerWithDate("1 maja"));
    };
    EXPECT_EQ(choose(rules, 1, "Edytuj"), CommandResult::Nothing);
    EXPECT_EQ(title, "Wrzos");
    EXPECT_TRUE(shortNameFixed);
    ASSERT_EQ(messages.ids(), std::vector<int>{7});
    EXPECT_NE(messages.asked[0].arg1.find("Name.and.date"), std::string::npos);
    EXPECT_EQ(readFile(store.path() / "Wrzos" / kCompetitionHeaderFileName).substr(0, 6), "1 maja");
    EXPECT_FALSE(std::filesystem::exists(store.path() / "Other"));
}

TEST_F(MainWindowRulesTest, RemovingAsksMessage5AndHonoursTheAnswer)
{
    store.makeFolder("Wrzos/TD/E1");
    MainWindowRules rules(store.path(), host, opener);

    messages.answers = {MessageAnswer::No};
    EXPECT_EQ(choose(rules, 1, "Usuń"), CommandResult::Nothing);
    EXPECT_TRUE(std::filesystem::exists(store.path() / "Wrzos"));

    messages.answers = {MessageAnswer::Yes};
    EXPECT_EQ(choose(rules, 1, "Usuń"), CommandResult::ListChanged);
    EXPECT_FALSE(std::filesystem::exists(store.path() / "Wrzos"));
    EXPECT_EQ(entryTexts(rules), Texts{"Dodaj"});
    ASSERT_EQ(messages.ids(), (std::vector<int>{5, 5}));
    EXPECT_EQ(messages.asked[0].arg1, "Wrzos");
}

TEST_F(MainWindowRulesTest, OpeningByDoubleClickOrMenuShowsCompetitionWindow)
{
    store.makeFolder("Wrzos");
    MainWindowRules rules(store.path(), host, opener);
    Texts childEntries;
    host.competitionWindow = [&](CompetitionWindowRules& child) { childEntries = entryTexts(child); };
    rules.openEntry(1);
    choose(rules, 1, "Otwórz");
    EXPECT_EQ(host.windowsRun, (Texts{"Wrzos", "Wrzos"}));
    EXPECT_EQ(childEntries, Texts{"Dodaj"}); // a competition without categories
}

TEST_F(MainWindowRulesTest, CompetitionRemovedFromOutsideGivesMessage8)
{
    store.makeFolder("Wrzos");
    MainWindowRules rules(store.path(), host, opener);
    std::filesystem::remove(store.path() / "Wrzos");
    rules.openEntry(1);
    EXPECT_TRUE(host.windowsRun.empty());
    ASSERT_EQ(messages.ids(), std::vector<int>{8});
    EXPECT_EQ(messages.asked[0].arg1, "Wrzos");
}

TEST_F(MainWindowRulesTest, PrintAndPrinterSetupGoThroughTheOpener)
{
    store.makeFolder("Wrzos");
    MainWindowRules rules(store.path(), host, opener);
    choose(rules, 1, "Drukuj");
    choose(rules, 1, "Ustawienia drukarki");
    EXPECT_EQ(opener.calls, (Texts{"printCompetitionResults:Wrzos", "printerSetup"}));
}

TEST_F(MainWindowRulesTest, CloseAndStaleTargetsAreSafe)
{
    store.makeFolder("Wrzos");
    MainWindowRules rules(store.path(), host, opener);
    EXPECT_EQ(choose(rules, kNoEntry, "Zamknij"), CommandResult::CloseWindow);
    for (NavigationCommand command : {NavigationCommand::Open, NavigationCommand::Edit, NavigationCommand::Remove,
                                      NavigationCommand::Print})
        EXPECT_EQ(rules.run(command, 7), CommandResult::Nothing);
    EXPECT_EQ(rules.openEntry(7), CommandResult::Nothing);
    EXPECT_EQ(rules.openEntry(kNoEntry), CommandResult::Nothing);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(host.dialogsRun, 0);
}

} // namespace
} // namespace trop::test
