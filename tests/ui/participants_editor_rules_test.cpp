// The participants editor without widgets: the rows, the commands with their
// clipboard, the restricted mode and the questions on opening and closing.
#include "participants_test_support.h"
#include "trop/model/results.h"

#include <gtest/gtest.h>

#include <climits>

using namespace trop;
using namespace trop::test;

namespace {

// One line per row: the "Nr " text, the name (dashes shortened to "--"),
// the team the row applies to and "+" for a row that adds a member.
std::vector<std::string> describe(const MemberTable& table, const std::vector<ParticipantRow>& rows)
{
    std::vector<std::string> lines;
    for (const ParticipantRow& row : rows) {
        std::string name = participantCellText(table, row, ParticipantColumn::Name);
        if (name == std::string(38, '-'))
            name = "--";
        std::string line = participantCellText(table, row, ParticipantColumn::Number);
        line.append("|").append(name).append("|").append(std::to_string(row.rowTeam));
        line.append(row.isSlotRow ? "+" : "");
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> rowsOf(const std::vector<int>& teams)
{
    auto table = tableOfTeams(teams);
    return describe(*table, buildParticipantRows(*table, memberCount(*table)));
}

using Lines = std::vector<std::string>;

TEST(ParticipantRows, FollowTheTeamsWithSlotFreeAndNextNumberRows)
{
    EXPECT_EQ(rowsOf({}), (Lines{"1 |--|1+"}));
    EXPECT_EQ(rowsOf({1, 1, 3}), (Lines{"1 |m0 Jan|1", "|m1 Jan|1", "||1+", "2 |--|2+", "||-1", "3 |m2 Jan|3",
                                        "||3+", "4 |--|4+"}));
    EXPECT_EQ(rowsOf({2}), (Lines{"1 |--|1+", "||-1", "2 |m0 Jan|2", "||2+", "3 |--|3+"}));
    EXPECT_EQ(rowsOf({-4, 2}), (Lines{"-4 |m0 Jan|-1", "1 |--|1+", "||-1", "2 |m1 Jan|2", "||2+", "3 |--|3+"}))
        << "numbers below 1 are inert and open no team";
    EXPECT_EQ(rowsOf({INT_MAX}).back(), "||2147483647+") << "no next number past the largest";
}

TEST(ParticipantRows, TenMembersCloseATeamAndAThousandTheTable)
{
    const Lines ten = rowsOf(std::vector<int>(10, 1));
    EXPECT_EQ(ten[10], "||-1+") << "the slot row of a full team is inert";
    EXPECT_EQ(ten[11], "2 |--|2+");

    std::vector<int> teams;
    for (int i = 0; i < kMaxMembers; ++i)
        teams.push_back(i / 4 * 2 + 1); // teams 1, 3, 5 ... of four
    auto table = tableOfTeams(teams);
    teams.pop_back();
    auto almostFull = tableOfTeams(teams);
    const auto full = buildParticipantRows(*table, kMaxMembers);
    EXPECT_TRUE(std::none_of(full.begin(), full.end(), [](auto& r) { return r.isSlotRow && r.rowTeam != kInertRow; }));
    EXPECT_EQ(describe(*table, full).back(), "||-1+") << "no next-number row";
    EXPECT_EQ(describe(*almostFull, buildParticipantRows(*almostFull, kMaxMembers - 1)).back(), "500 |--|500+");
}

TEST(ParticipantRows, FreeNumberRowsOfADamagedFileAreCapped)
{
    auto table = tableOfTeams({1, 2'000'000'000});
    const auto rows = buildParticipantRows(*table, 2);
    const auto freeRows = std::count_if(rows.begin(), rows.end(), [](auto& r) { return r.dashes; });
    EXPECT_EQ(freeRows, kMaxFreeNumberRows + 1) << "capped free numbers and the next number";
}

class ParticipantsEditorRulesTest : public ::testing::Test {
protected:
    // Writes the members file, then opens the editor on it.
    void openWith(const std::vector<int>& teams, const std::string& category = "TP")
    {
        auto stored = tableOfTeams(teams);
        ASSERT_TRUE(saveMembers(folder.path(), *stored));
        rules = std::make_unique<ParticipantsEditorRules>(categoryAt(folder.path(), category), *table, dialogs,
                                                          2026, remover);
        ASSERT_TRUE(rules->open());
    }
    Lines lines() const { return describe(*table, rules->rows()); }
    int rowOf(const std::string& line) const
    {
        const Lines all = lines();
        return static_cast<int>(std::find(all.begin(), all.end(), line) - all.begin());
    }
    void addResults(int stage)
    {
        folder.makeFolder(stageFolderName(stage));
        folder.writeFile(std::filesystem::path(stageFolderName(stage)) / kResultsFileName, "");
    }

    TempFolder folder;
    MessageRecorder messages;
    ScriptedDialogs dialogs;
    TreeRemover remover = systemTreeRemover();
    std::unique_ptr<MemberTable> table = std::make_unique<MemberTable>();
    std::unique_ptr<ParticipantsEditorRules> rules;
};

TEST_F(ParticipantsEditorRulesTest, CutAndInsertMoveAMemberToAFreeNumber)
{
    openWith({1, 1, 3});
    const Lines before = lines();
    EXPECT_FALSE(rules->canInsert(rowOf("2 |--|2+"))) << "empty clipboard";
    ASSERT_TRUE(rules->cut(rowOf("|m1 Jan|1")));
    EXPECT_EQ(rules->selectedRow(), 0) << "one row up";
    EXPECT_TRUE(rules->clipboardFull());
    EXPECT_FALSE(rules->canInsert(rowOf("1 |m0 Jan|1"))) << "a member row takes no insertion";
    ASSERT_TRUE(rules->insert(rowOf("||1+")));
    EXPECT_EQ(lines(), before) << "cutting and inserting back restores the rows";

    ASSERT_TRUE(rules->cut(rowOf("3 |m2 Jan|3")));
    ASSERT_TRUE(rules->insert(rowOf("2 |--|2+")));
    EXPECT_EQ(lines(), (Lines{"1 |m0 Jan|1", "|m1 Jan|1", "||1+", "2 |m2 Jan|2", "||2+", "3 |--|3+"}));
    EXPECT_EQ(rules->selectedRow(), 4) << "the row after the inserted one";
    EXPECT_FALSE(rules->clipboardFull());
    EXPECT_TRUE(rules->modified());
}

TEST_F(ParticipantsEditorRulesTest, MenuGreysWhatTheRowCannotTake)
{
    openWith(std::vector<int>(10, 1));
    auto enabled = [&](int row) {
        std::string flags;
        for (const EditorMenuEntry& entry : rules->menuFor(row))
            flags += entry.enabled ? "1" : "0";
        return flags;
    };
    EXPECT_EQ(enabled(0), "110111") << "member row";
    EXPECT_EQ(enabled(10), "000111") << "inert slot row of a full team";
    EXPECT_EQ(enabled(-1), "000111") << "empty space";
    EXPECT_FALSE(rules->edit(10));
    EXPECT_TRUE(dialogs.titles.empty());
    rules->cut(0);
    EXPECT_EQ(enabled(rowOf("||1+")), "101111");
}

TEST_F(ParticipantsEditorRulesTest, EditAddsOrReplacesAndSelectsTheNextRow)
{
    openWith({});
    dialogs.script = [](MemberDialogFlow& flow) { return flow.accept(typedMember("Nowak", "05")); };
    ASSERT_TRUE(rules->edit(0));
    EXPECT_EQ(dialogs.titles, (std::vector<std::string>{"Drużyna nr 1"}));
    EXPECT_EQ(lines(), (Lines{"1 |Nowak |1", "||1+", "2 |--|2+"}));
    EXPECT_EQ(rules->selectedRow(), 1);
    EXPECT_EQ(table->records[0].birthYear, 2005);
    EXPECT_EQ(table->records[0].birthYearSet, 1);

    dialogs.script = [](MemberDialogFlow& flow) { return flow.accept(typedMember("Kos")); };
    ASSERT_TRUE(rules->edit(0));
    EXPECT_EQ(lines()[0], "1 |Kos |1");
    EXPECT_EQ(table->records[0].birthYearSet, 0);
    EXPECT_EQ(table->records[0].birthYear, 2005) << "an empty year keeps the stored one";
    dialogs.script = nullptr;
    EXPECT_FALSE(rules->edit(0)) << "Anuluj";
}

TEST_F(ParticipantsEditorRulesTest, RestrictedModeKeepsEveryTeam)
{
    addResults(1);
    messages.answers = {MessageAnswer::No};
    openWith({1, 3, 3});
    EXPECT_TRUE(rules->restricted());
    EXPECT_FALSE(rules->cut(rowOf("1 |m0 Jan|1"))) << "the only member of team 1";
    EXPECT_EQ(memberCount(*table), 3);
    EXPECT_TRUE(rules->canCut(rowOf("3 |m1 Jan|3"))) << "the first of two members";
    ASSERT_TRUE(rules->cut(rowOf("|m2 Jan|3")));
    ASSERT_TRUE(rules->insert(rowOf("2 |--|2+")));
    EXPECT_EQ(lines()[2], "2 |m2 Jan|2");
    dialogs.script = [](MemberDialogFlow& flow) { return flow.accept(typedMember("Nowy")); };
    EXPECT_TRUE(rules->edit(rowOf("||3+"))) << "members can still be added";
}

TEST_F(ParticipantsEditorRulesTest, StageResultsAreDeletedOnYesAndAnUndeletableOneRestricts)
{
    addResults(1);
    addResults(3);
    folder.makeFolder("EX");
    folder.writeFile("EX/Results", "");
    folder.writeFile("E2", "");
    remover.removeFile = [](const std::filesystem::path& file) {
        return file.parent_path().filename() != "E3" && std::filesystem::remove(file);
    };
    messages.answers = {MessageAnswer::Yes};
    openWith({1});
    ASSERT_EQ(messages.ids(), (std::vector<int>{15, 3}));
    EXPECT_EQ(messages.asked[0].arg1, "E1, E3");
    EXPECT_EQ(messages.asked[1].arg1, "E3/Results");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "E1" / "Results"));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "EX" / "Results")) << "not a stage folder";
    EXPECT_TRUE(rules->restricted());
}

TEST_F(ParticipantsEditorRulesTest, ClosingAsksOnlyAfterChangesAndKeepsTheWindowWhenTheSaveFails)
{
    openWith({1, 2});
    EXPECT_TRUE(rules->close());
    EXPECT_TRUE(messages.ids().empty());

    const std::string stored = readFile(folder.path() / kMembersFileName);
    rules->cut(0);
    messages.answers = {MessageAnswer::No};
    EXPECT_TRUE(rules->close());
    EXPECT_EQ(messages.ids(), (std::vector<int>{10}));
    EXPECT_EQ(memberCount(*table), 2) << "No reloads the file";
    EXPECT_EQ(readFile(folder.path() / kMembersFileName), stored);

    rules->cut(0);
    // A file marked read-only is refused by every save, even for root.
    std::filesystem::permissions(folder.path() / kMembersFileName, std::filesystem::perms::owner_read);
    messages.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(rules->close()) << "the failed save keeps the window open";
    EXPECT_EQ(messages.ids(), (std::vector<int>{10, 10, 7}));
    EXPECT_TRUE(rules->modified());
    EXPECT_EQ(memberCount(*table), 1);

    std::filesystem::permissions(folder.path() / kMembersFileName,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    messages.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(rules->close());
    EXPECT_EQ(readFile(folder.path() / kMembersFileName).size(), sizeof(MemberRecord));
}

TEST_F(ParticipantsEditorRulesTest, AnUnreadableFileClosesTheEditorAtOnce)
{
    std::filesystem::create_directories(folder.path() / kMembersFileName);
    ParticipantsEditorRules broken(categoryAt(folder.path()), *table, dialogs, 2026, remover);
    EXPECT_FALSE(broken.open());
    EXPECT_EQ(messages.ids(), (std::vector<int>{7}));
    EXPECT_TRUE(broken.close());
}

TEST_F(ParticipantsEditorRulesTest, ImportAddsAfterThePreviewAndRefusesWhileResultsExist)
{
    openWith({2});
    folder.writeFile("lista.csv", "Nr;Nazwisko\n2;Dodany\n1;Nowy\n");
    dialogs.importFile = folder.path() / "lista.csv";
    dialogs.confirm = false;
    EXPECT_FALSE(rules->importMembers()) << "Anuluj in the preview";
    EXPECT_EQ(memberCount(*table), 1);
    dialogs.confirm = true;
    ASSERT_TRUE(rules->importMembers());
    EXPECT_EQ(dialogs.previews.size(), 2u);
    EXPECT_EQ(lines(), (Lines{"1 |Nowy |1", "||1+", "2 |m0 Jan|2", "|Dodany |2", "||2+", "3 |--|3+"}));
    EXPECT_TRUE(rules->modified());

    folder.writeFile("lista.csv", "Nr;Nazwisko\n2;Dodany\n0;Zero\n");
    EXPECT_FALSE(rules->importMembers()) << "a file with an error adds no one";
    EXPECT_FALSE(dialogs.previews.back().errors.empty());
    EXPECT_EQ(memberCount(*table), 3);
    dialogs.importFile = folder.path() / "brak.csv";
    EXPECT_FALSE(rules->importMembers());
    EXPECT_EQ(messages.ids(), (std::vector<int>{7}));

    dialogs.exportFile = folder.path() / "wynik.csv";
    rules->exportMembers();
    EXPECT_NE(readFile(dialogs.exportFile).find("Dodany"), std::string::npos) << "the table as shown";
    dialogs.exportFile = folder.path();
    rules->exportMembers();
    EXPECT_EQ(messages.ids(), (std::vector<int>{7, 6}));

    addResults(4);
    messages.answers = {MessageAnswer::No};
    openWith({2});
    dialogs.importFile = folder.path() / "lista.csv";
    const std::size_t previews = dialogs.previews.size();
    EXPECT_FALSE(rules->importMembers());
    EXPECT_EQ(dialogs.previews.size(), previews) << "no file is read";
    EXPECT_NE(messages.asked.back().text.find("E4"), std::string::npos);
}

TEST(MemberDialogFlowTest, AgeAboveTheLimitIsAskedAndNoKeepsTheDialog)
{
    MessageRecorder messages;
    struct Case {
        const char* category;
        const char* year;
        bool asked;
    };
    for (const Case c : {Case{"TD", "12", true}, Case{"TD", "13", false}, Case{"TJ", "07", false},
                         Case{"TJ", "06", true}, Case{"TM", "09", true}, Case{"TP", "30", false}}) {
        for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            messages.asked.clear();
            messages.answers = {answer};
            MemberDialogFlow flow(freshMember(4), c.category, 2026);
            const bool closed = flow.accept(typedMember("Mały", c.year));
            EXPECT_EQ(messages.asked.size(), c.asked ? 1u : 0u) << c.category << c.year;
            EXPECT_EQ(closed, !c.asked || answer == MessageAnswer::Yes) << c.category << c.year;
            EXPECT_EQ(flow.record().birthYearSet, closed ? 1 : 0) << "nothing stored on No";
        }
    }
    messages.asked.clear();
    messages.answers = {MessageAnswer::No};
    MemberDialogFlow td(freshMember(4), "TD", 2026);
    td.accept(typedMember("Mały", "12"));
    ASSERT_EQ(messages.ids(), (std::vector<int>{23}));
    EXPECT_EQ(messages.asked[0].arg1, "13");
    EXPECT_EQ(messages.asked[0].arg2, "TD");
}

TEST(MemberDialogFlowTest, StoredTextsAndYearAreShownAndKeptWhole)
{
    MemberRecord stored = memberOf(7, "Abcdefghijabcdefghijabcdefghij");
    stored.birthYear = 2005;
    stored.birthYearSet = 1;
    MemberDialogFlow flow(stored, "TP", 2026);
    EXPECT_EQ(flow.title(), "Drużyna nr 7");
    EXPECT_EQ(flow.yearText(), "5");
    TypedMember typed = typedMember("Abcdefghijabcdefghijabcdefghij", "5");
    typed.texts[7] = std::string(120, 'u');
    ASSERT_TRUE(flow.accept(typed));
    EXPECT_EQ(memberFieldText(flow.record(), MemberField::Surname).size(), 30u);
    EXPECT_EQ(memberFieldText(flow.record(), MemberField::Remarks).size(), 120u);
    EXPECT_EQ(flow.record().birthYear, 2005);
    EXPECT_EQ(flow.record().teamNumber, 7);
}

} // namespace
