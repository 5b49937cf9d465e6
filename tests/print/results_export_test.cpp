#include "category_builder.h"

#include "trop/print/export_cell.h"
#include "trop/print/points_text.h"
#include "trop/print/results_export.h"
#include "trop/store/file_io.h"

#include <fstream>

using namespace trop;
using namespace trop::testing;

namespace {

const std::string kFooter = "\n\n;Lirnik s.c.;;wtorek, 8 grudnia 2026 12:00:00\n";
const std::string kColumns = "Miejsce;Numer;Nazwisko i Imi\xEA;\x8Crodowisko;";

class ResultsExport : public ::testing::Test {
protected:
    ResultsExport()
    {
        setFieldText(header.fullName1, "XX Rajd Wrzos");
        setFieldText(header.fullName3, "Puszcza Kampinoska");
        classification->rowCount = 0;
        classification->stageCount = 0;
    }

    void addRow(int team, std::vector<StageStanding> stages)
    {
        ClassificationRow& row = classification->rows[classification->rowCount++];
        row = ClassificationRow{};
        row.teamNumber = team;
        for (std::size_t s = 0; s < stages.size(); ++s)
            row.stages[s + 1] = stages[s];
        classification->stageCount = static_cast<int>(stages.size());
    }

    std::string bytes(const std::string& competition = "Wrzos", bool withHeader = true)
    {
        ResultsExportInput input;
        input.competitionName = competition;
        input.categoryDisplayName = "TP";
        input.header = withHeader ? &header : nullptr;
        input.members = members.get();
        input.classification = classification.get();
        input.timestamp = "wtorek, 8 grudnia 2026 12:00:00";
        return resultsExportBytes(input);
    }

    CompetitionHeader header{};
    std::unique_ptr<MemberTable> members = memberTable({});
    std::unique_ptr<ClassificationTable> classification = std::make_unique<ClassificationTable>();
};

const std::string kTop = "Wrzos Kategoria TP\n\nXX Rajd Wrzos\nPuszcza Kampinoska\n\n";

TEST_F(ResultsExport, CategoryWithoutMembersHasNoTablePart)
{
    EXPECT_EQ(bytes(), kTop + kFooter);
    EXPECT_EQ(bytes("Wrzos", false), "Wrzos Kategoria TP\n\n\n" + kFooter);
}

TEST_F(ResultsExport, WithoutStagesTeamLinesEndAfterTheMemberCells)
{
    members = memberTable({member(4, "Nowak", "Ewa", "PTTK", "Kutno"), member(7, "Lis", "Jan", "", "Łódź")});
    addRow(4, {});
    addRow(7, {});
    EXPECT_EQ(bytes(), kTop + ";;;;\n" + kColumns + "\n" + "1;4;Nowak  Ewa;PTTK / Kutno;\n" + "2;7;Lis  Jan;Łódź;\n"
                           + kFooter);
}

TEST_F(ResultsExport, OneStageHasTwoStageCellsAndTiedTeamsAreNumberedByRow)
{
    members = memberTable({member(1, "A", "a", "Klub"), member(2, "B", "b"), member(3, "C", "c")});
    addRow(2, {{40, 9500, 9500, 1, 1}});
    addRow(1, {{40, 9500, 9500, 1, 1}});
    addRow(3, {{kNotClassified, 0, 0, 0, 0}});
    EXPECT_EQ(bytes(), kTop + ";;;;Etap 1;;\n" + kColumns + "PK;PP;\n" + "1;2;B  b;;-40;950,0;\n"
                           + "2;1;A  a;Klub;-40;950,0;\n" + "3;3;C  c;;NKL;0,0;\n" + kFooter);
}

TEST_F(ResultsExport, MembersOfATeamTakeOneLineEachWithStageCellsOnTheLast)
{
    members = memberTable({member(12, "Surname1", "Name1", "Club1", "Town1"), member(12, "Surname2", "Name2", "Club1"),
                           member(12, "Surname3", "Name3", "", "Town3"), member(13, "Solo", "Ola")});
    addRow(12, {{30, 815, 815, 1, 1}, {12, 900, 1715, 1, 1}});
    addRow(13, {{0, 7, 7, 2, 2}, {kAbsent, 0, 7, 0, 2}});
    EXPECT_EQ(bytes(), kTop + ";;;;Etap 1;;Etap 2;;;\n" + kColumns + "PK;PP;PK;PP na;PP po;\n"
                           + "1;12;Surname1  Name1;Club1 / Town1;\n" + ";;Surname2  Name2;Club1;\n"
                           + ";;Surname3  Name3;Town3;-30;81,5;-12;90,0;171,5;\n" + "2;13;Solo  Ola;;0;0,7;ABS;0,0;0,7;\n"
                           + kFooter);
}

TEST_F(ResultsExport, TeamWithoutMemberRecordsGetsNoNameCells)
{
    members = memberTable({member(1, "A", "a")});
    addRow(5, {{0, 10000, 10000, 1, 1}});
    EXPECT_NE(bytes().find("\n1;5;0;1000,0;\n"), std::string::npos);
}

TEST_F(ResultsExport, TheTitlePieceIsCutAtEightyBytes)
{
    const std::string suffix = " Kategoria TP";
    const std::string name79(79 - suffix.size(), 'w');
    EXPECT_EQ(bytes(name79, false).substr(0, 81), name79 + suffix + "\n\n");
    const std::string name80(80 - suffix.size(), 'w');
    EXPECT_EQ(bytes(name80, false).substr(0, 81), name80 + suffix + "\n");
    // A quoted title may fill the whole piece; its line feeds are then cut.
    std::string quoted78(78 - suffix.size(), 'w');
    quoted78[0] = ';';
    EXPECT_EQ(bytes(quoted78, false).substr(0, 81), "\"" + quoted78 + suffix + "\"\n");
}

TEST_F(ResultsExport, TextCellsAreProtectedFromSplittingAndFormulas)
{
    members = memberTable({member(1, "O\"Brien;x", "Ann", "=SUM(A1)", "-Town"), member(2, "Plain", "Name", "@Club")});
    addRow(1, {{30, 500, 500, 1, 1}});
    addRow(2, {{0, 900, 900, 1, 1}});
    const std::string text = bytes("Wrzos;99");
    EXPECT_EQ(text.rfind("\"Wrzos;99 Kategoria TP\"\n\nXX Rajd", 0), 0u) << text;
    EXPECT_NE(text.find("1;1;\"O\"\"Brien;x  Ann\";'=SUM(A1) / -Town;-30;50,0;\n"), std::string::npos) << text;
    EXPECT_NE(text.find("2;2;Plain  Name;'@Club;0;90,0;\n"), std::string::npos) << text;
}

TEST(ExportCell, ProtectsOnlyTextsThatNeedIt)
{
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"Kowalski  Jan", "Kowalski  Jan"},
        {"", ""},
        {"a;b", "\"a;b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"lone\rreturn", "\"lone\rreturn\""},
        {"+48", "'+48"},
        {"\tx", "'\tx"},
        {"-a;b", "\"'-a;b\""},
        {"mid-dash=ok", "mid-dash=ok"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(protectTextCell(c.text), c.expected) << c.text;

    // A quoted cell keeps its closing quote within the piece limit.
    const std::string quotes(60, '"');
    const std::string protectedText = protectTextCell(quotes);
    EXPECT_LE(protectedText.size() + 1, 80u);
    EXPECT_EQ(protectedText.front(), '"');
    EXPECT_EQ(protectedText.back(), '"');
    EXPECT_EQ(protectedText.size() % 2, 0u);
}

TEST(PointsText, PenaltiesAndPoints)
{
    for (auto [penalty, text] : {std::pair{kAbsent, "ABS"}, {kNotClassified, "NKL"}, {35, "-35"}, {0, "0"},
                                 {-5, "5"}, {INT32_MIN, "-2147483648"}})
        EXPECT_EQ(standingPenaltyText(penalty), text) << penalty;
    EXPECT_EQ(pointsText(10000) + " " + pointsText(7), "1000,0 0,7");
}

TEST(ResultsExportFile, FailedWriteLeavesTheOldFileInPlace)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("trop-export-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "Wrzos Kategoria TP.csv";
    ASSERT_TRUE(writeResultsExport(file, "old"));
    EXPECT_FALSE(writeResultsExport(folder / "missing" / "x.csv", "new"));
    // the folder is made read-only, so no temporary file can be created
    std::filesystem::permissions(folder, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    if (!writeResultsExport(file, "new")) {
        const FileBytes kept = readFileUpTo(file, 100);
        EXPECT_EQ(std::string(kept.bytes.begin(), kept.bytes.end()), "old");
    }
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    ASSERT_TRUE(writeResultsExport(file, "new"));
    const FileBytes written = readFileUpTo(file, 100);
    EXPECT_EQ(std::string(written.bytes.begin(), written.bytes.end()), "new");
    std::filesystem::remove_all(folder);
}

} // namespace
