// A category: its fixed entries, its stages and the stage dialog flows.
#include "rules_test_support.h"
#include "trop/store/fixed_text.h"
#include "trop/store/header_files.h"

#include <gtest/gtest.h>

#include <cstring>

namespace trop::test {
namespace {

using Texts = std::vector<std::string>;

StageParams paramsWithAuthor(const std::string& author)
{
    StageParams params{};
    std::memcpy(params.author, author.data(), std::min(author.size(), sizeof params.author));
    return params;
}

class CategoryWindowRulesTest : public ::testing::Test {
protected:
    void SetUp() override { store.makeFolder("Wrzos/TD"); }

    std::filesystem::path category() const { return store.path() / "Wrzos" / "TD"; }

    CategoryWindowRules openRules()
    {
        CategoryWindowRules rules(store.path(), "Wrzos", categoryEntry("TD"), host, opener);
        EXPECT_TRUE(rules.open());
        return rules;
    }

    // OK is pressed with each number in turn while the dialog stays open.
    void answerStageDialog(std::vector<std::string> numbers, const StageParams& params = {})
    {
        host.stageDialog = [numbers, params, this](StageDialogFlow& flow) {
            dialogTitle = flow.title();
            for (const std::string& number : numbers)
                if (flow.accept(number, params))
                    return true;
            return false;
        };
    }

    TempFolder store;
    MessageRecorder messages;
    FakeHost host;
    RecordingOpener opener;
    std::string dialogTitle;
};

TEST_F(CategoryWindowRulesTest, CategoryWithoutStagesShowsFixedEntries)
{
    CategoryWindowRules rules = openRules();
    EXPECT_EQ(rules.title(), "Wrzos      kategoria  TD");
    EXPECT_EQ(entryTexts(rules), (Texts{"Dodaj", "Uczestnicy", "Wyniki"}));
}

TEST_F(CategoryWindowRulesTest, OnlyExactStageFoldersAreListed)
{
    for (const char* name : {"E3", "E10", "e1", "E", "Ex"})
        store.makeFolder(std::filesystem::path("Wrzos/TD") / name);
    CategoryWindowRules rules = openRules();
    EXPECT_EQ(entryTexts(rules), (Texts{"Dodaj", "Uczestnicy", "Wyniki", "E3"}));
    EXPECT_EQ(rules.entries()[3].data, 3);
    EXPECT_EQ(rules.entries()[3].icon, EntryIcon::Stage);
}

TEST_F(CategoryWindowRulesTest, NewStageIsCreatedWithItsParameters)
{
    CategoryWindowRules rules = openRules();
    answerStageDialog({"2"}, paramsWithAuthor("Jan"));
    EXPECT_EQ(rules.openEntry(0), CommandResult::ListChanged);
    EXPECT_EQ(dialogTitle, "Nowy etap");
    EXPECT_EQ(entryTexts(rules).back(), "E2");
    const std::string bytes = readFile(category() / "E2" / kStageParamsFileName);
    ASSERT_EQ(bytes.size(), 232u);
    EXPECT_EQ(bytes.substr(16, 4), std::string("Jan\0", 4));
}

TEST_F(CategoryWindowRulesTest, OutOfRangeNumbersAreRefusedBeforeAnythingIsSaved)
{
    CategoryWindowRules rules = openRules();
    answerStageDialog({"10", "-1", "x", "", "3"});
    rules.openEntry(0);
    const std::string range = "Wprowadź liczbę całkowitą z zakresu od 0 do 9.";
    const std::string notNumber = "Wprowadź liczbę całkowitą.";
    Texts asked;
    for (const MessageRequest& request : messages.asked)
        asked.push_back(request.text);
    EXPECT_EQ(asked, (Texts{range, range, notNumber, notNumber}));
    EXPECT_EQ(entryTexts(rules), (Texts{"Dodaj", "Uczestnicy", "Wyniki", "E3"}));
}

TEST_F(CategoryWindowRulesTest, ExistingStageNumberGivesMessage2AndWritesNothing)
{
    store.makeFolder("Wrzos/TD/E1");
    CategoryWindowRules rules = openRules();
    answerStageDialog({"1"}, paramsWithAuthor("Jan"));
    EXPECT_EQ(rules.openEntry(0), CommandResult::Nothing);
    ASSERT_EQ(messages.ids(), std::vector<int>{2});
    EXPECT_EQ(messages.asked[0].arg1, "E1");
    EXPECT_FALSE(std::filesystem::exists(category() / "E1" / kStageParamsFileName));
}

TEST_F(CategoryWindowRulesTest, EditingStageKeepsNumberAndRewritesFile)
{
    store.makeFolder("Wrzos/TD/E2");
    CategoryWindowRules rules = openRules();
    std::string numberShown;
    host.stageDialog = [&](StageDialogFlow& flow) {
        dialogTitle = flow.title();
        numberShown = flow.stageNumberText();
        return flow.accept("7", paramsWithAuthor(std::string(44, 'A')));
    };
    choose(rules, 3, "Edytuj");
    EXPECT_EQ(dialogTitle, "E2");
    EXPECT_EQ(numberShown, "2");
    EXPECT_EQ(messages.ids(), std::vector<int>{7}); // the missing file is reported, the fields are empty
    EXPECT_FALSE(std::filesystem::exists(category() / "E7"));

    // A full-width field loses its last character on the way to the file.
    StageDialogFlow again = StageDialogFlow::forEdit(category(), 2);
    EXPECT_EQ(std::string(fieldText(again.params().author)), std::string(43, 'A'));
}

TEST_F(CategoryWindowRulesTest, DamagedStageFileShowsMessage7AndKeepsWhatWasRead)
{
    store.makeFolder("Wrzos/TD/E2");
    store.writeFile("Wrzos/TD/E2/Name.and.Param", std::string("1:30\0\0\0\0", 8) + "0:15");
    StageDialogFlow flow = StageDialogFlow::forEdit(category(), 2);
    ASSERT_EQ(messages.ids(), std::vector<int>{7});
    EXPECT_NE(messages.asked[0].arg1.find("Name.and.Param"), std::string::npos);
    EXPECT_EQ(std::string(fieldText(flow.params().timeLimitText)), "1:30");
    EXPECT_EQ(std::string(fieldText(flow.params().author)), "");
}

TEST_F(CategoryWindowRulesTest, RemovingStageAsksMessage11)
{
    store.makeFolder("Wrzos/TD/E2");
    CategoryWindowRules rules = openRules();
    messages.answers = {MessageAnswer::Yes};
    EXPECT_EQ(choose(rules, 3, "Usuń"), CommandResult::ListChanged);
    ASSERT_EQ(messages.ids(), std::vector<int>{11});
    EXPECT_EQ(messages.asked[0].arg1, "E2");
    EXPECT_FALSE(std::filesystem::exists(category() / "E2"));
    EXPECT_EQ(entryTexts(rules), (Texts{"Dodaj", "Uczestnicy", "Wyniki"}));
}

TEST_F(CategoryWindowRulesTest, FixedEntriesGoThroughTheOpener)
{
    CategoryWindowRules rules = openRules();
    rules.openEntry(1);
    rules.openEntry(2);
    choose(rules, 1, "Drukuj");
    choose(rules, 2, "Drukuj");
    choose(rules, 2, "Export");
    choose(rules, 1, "Ustawienia drukarki");
    EXPECT_EQ(opener.calls, (Texts{"openParticipantsEditor:TD", "openOverallResults:TD", "printParticipants:TD",
                                   "printCategoryResults:TD", "exportResults:TD", "printerSetup"}));
    EXPECT_EQ(opener.lastCategory.categoryFolder, category());
    EXPECT_EQ(opener.lastCategory.competitionName, "Wrzos");
    EXPECT_EQ(opener.lastCategory.categoryNumber, 2);
}

TEST_F(CategoryWindowRulesTest, StageRemovedFromOutsideGivesMessage8)
{
    store.makeFolder("Wrzos/TD/E4");
    CategoryWindowRules rules = openRules();
    std::filesystem::remove(category() / "E4");
    rules.openEntry(3);
    EXPECT_TRUE(host.windowsRun.empty());
    // The members file is created on the way; the stage folder is what fails.
    ASSERT_EQ(messages.ids(), std::vector<int>{8});
    EXPECT_EQ(messages.asked[0].arg1, "E4");
}

TEST(StageNumber, OnlyWholeNumbersZeroToNine)
{
    struct Case {
        const char* text;
        std::optional<int> expected;
    };
    const Case cases[] = {{"0", 0}, {"9", 9}, {" 4 ", 4}, {"+3", 3},        {"10", std::nullopt},
                          {"-1", std::nullopt}, {"", std::nullopt}, {"1a", std::nullopt}, {"+", std::nullopt},
                          {"99999999999", std::nullopt}};
    for (const Case& c : cases)
        EXPECT_EQ(parseStageNumber(c.text), c.expected) << "'" << c.text << "'";
}

} // namespace
} // namespace trop::test
