#include "trop/exchange/members_csv_export.h"
#include "trop/exchange/members_csv_import.h"
#include "trop/model/member_fields.h"
#include "trop/store/cp1250.h"
#include "trop/store/fixed_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace trop;

namespace {

constexpr int kYear = 2026;

std::unique_ptr<MemberTable> emptyTable()
{
    return std::make_unique<MemberTable>();
}

ImportPlan plan(const std::string& bytes, const MemberTable& table, const char* category = "TP")
{
    return planMemberImport(bytes, table, memberCount(table), category, kYear);
}

ImportPlan plan(const std::string& bytes)
{
    return plan(bytes, *emptyTable());
}

std::string surnameOf(const MemberRecord& member)
{
    return cp1250ToUtf8(fieldText(member.surname));
}

std::string errorsOf(const ImportPlan& result)
{
    std::string all;
    for (const ImportIssue& issue : result.errors)
        all += std::to_string(issue.line) + ": " + issue.text + "\n";
    return all;
}

TEST(MembersCsv, ReadsBothSeparatorsAndEncodings)
{
    const std::string utf8Rows = "Nr;Nazwisko;Imię;Rok urodzenia\n3;Żółkiewska;Łucja;08\n3;Nowak;Jan;1990\n";
    std::string commaRows = utf8Rows;
    std::replace(commaRows.begin(), commaRows.end(), ';', ',');
    struct Case {
        const char* name;
        std::string bytes;
        TextEncoding encoding;
        char separator;
    };
    const Case cases[] = {
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + utf8Rows, TextEncoding::Utf8WithMark, ';'},
        {"UTF-8, commas", commaRows, TextEncoding::Utf8, ','},
        {"code page 1250", utf8ToCp1250(utf8Rows), TextEncoding::Cp1250, ';'},
        {"separator line", "sep=,\r\nNr,Nazwisko,Imię,Rok urodzenia\r\n3,Żółkiewska,Łucja,08\r\n3,Nowak,Jan,1990\r\n",
         TextEncoding::Utf8, ','},
        {"CR LF", "Nr;Nazwisko;Imię;Rok urodzenia\r\n3;Żółkiewska;Łucja;08\r\n3;Nowak;Jan;1990\r\n",
         TextEncoding::Utf8, ';'},
    };
    for (const Case& c : cases) {
        const ImportPlan result = plan(c.bytes);
        ASSERT_TRUE(result.accepted()) << c.name << "\n" << errorsOf(result);
        EXPECT_EQ(result.encoding, c.encoding) << c.name;
        EXPECT_EQ(result.separator, c.separator) << c.name;
        ASSERT_EQ(result.members.size(), 2u) << c.name;
        EXPECT_EQ(surnameOf(result.members[0]), "Żółkiewska") << c.name;
        EXPECT_EQ(cp1250ToUtf8(fieldText(result.members[0].firstName)), "Łucja") << c.name;
        EXPECT_EQ(result.members[0].birthYear, 2008) << c.name;
        EXPECT_EQ(result.members[1].birthYear, 1990) << c.name;
        EXPECT_EQ(result.members[1].teamNumber, 3) << c.name;
        const int headerLine = c.bytes.compare(0, 4, "sep=") == 0 ? 2 : 1;
        EXPECT_EQ(result.memberLines, (std::vector<int>{headerLine + 1, headerLine + 2})) << c.name;
    }
}

TEST(MembersCsv, QuotedCellsAndAHeaderInAnotherOrder)
{
    const std::string file = "uwagi,NAZWISKO,Telefon,nr,IMIĘ\n"
                             "\"nocleg; \"\"Pod Wierchem\"\"\",\"Kos, Maria\",600,1,Ewa\n"
                             "\"dwie\nlinie\",Lis,,2,\n"
                             "\n"
                             ",,,,\n"
                             "'=1+1,'-Wrona,,2,\n";
    const ImportPlan result = plan(file);
    ASSERT_TRUE(result.accepted()) << errorsOf(result);
    ASSERT_EQ(result.members.size(), 3u);
    EXPECT_EQ(surnameOf(result.members[0]), "Kos, Maria");
    EXPECT_EQ(fieldText(result.members[0].remarks), "nocleg; \"Pod Wierchem\"");
    EXPECT_EQ(fieldText(result.members[1].remarks), "dwie linie");
    EXPECT_EQ(fieldText(result.members[2].remarks), "=1+1") << "the formula guard is taken off";
    EXPECT_EQ(surnameOf(result.members[2]), "-Wrona");
    EXPECT_EQ(result.memberLines, (std::vector<int>{2, 3, 7})) << "lines count the break inside quotes";
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_EQ(result.warnings[0].line, 1);
    EXPECT_NE(result.warnings[0].text.find("\"Telefon\""), std::string::npos);
}

TEST(MembersCsv, EveryRefusalNamesItsLineAndAddsNothing)
{
    struct Case {
        const char* name;
        std::string rows; // after the header "Nr;Nazwisko;Imię;Rok urodzenia;Uwagi"
        int line;
        const char* says;
    };
    const Case cases[] = {
        {"no team number", "1;Kos;;;\n;Lis;;;\n", 3, "numeru"},
        {"no surname", "1; ;Ewa;;\n", 2, "nazwiska"},
        {"team not a number", "1a;Kos;;;\n", 2, "1 do 99999"},
        {"team 0", "0;Kos;;;\n", 2, "1 do 99999"},
        {"team above 99999", "100000;Kos;;;\n", 2, "1 do 99999"},
        {"surname too long", "1;" + std::string(31, 'k') + ";;;\n", 2, "31 znaków"},
        {"remark too long in code page bytes", "1;Kos;;;" + std::string(121, 'x') + "\n", 2, "\"Uwagi\""},
        {"character outside the code page", "1;Kos;Жанна;;\n", 2, "1250"},
        {"year not a year", "1;Kos;;19x0;\n", 2, "rok urodzenia"},
        {"quote never closed", "1;Kos;;;\"bez końca\n", 2, "cudzysłów"},
        {"eleventh member", [] {
             std::string rows;
             for (int i = 0; i < 11; ++i)
                 rows += "4;M" + std::to_string(i) + ";;;\n";
             return rows;
         }(), 12, "więcej niż 10"},
    };
    for (const Case& c : cases) {
        const ImportPlan result = plan("Nr;Nazwisko;Imię;Rok urodzenia;Uwagi\n" + c.rows);
        EXPECT_FALSE(result.accepted()) << c.name;
        ASSERT_EQ(result.errors.size(), 1u) << c.name << "\n" << errorsOf(result);
        EXPECT_EQ(result.errors[0].line, c.line) << c.name;
        EXPECT_NE(result.errors[0].text.find(c.says), std::string::npos) << c.name << ": " << result.errors[0].text;
        auto table = emptyTable();
        EXPECT_FALSE(applyMemberImport(result, *table)) << c.name;
        EXPECT_EQ(memberCount(*table), 0) << c.name;
    }
    EXPECT_EQ(errorsOf(plan("Nazwisko;Imię\nKos;Ewa\n")), "1: brak wymaganej kolumny \"Nr\"\n");
    EXPECT_EQ(plan("").errors.size(), 1u);
    EXPECT_EQ(plan("1;Kos\n2;Lis\n").errors.size(), 2u) << "a file without a header lacks both columns";
    const ImportPlan thirtyPolish = plan("Nr;Nazwisko\n1;" + [] {
        std::string s;
        for (int i = 0; i < 30; ++i)
            s += "ż";
        return s;
    }() + "\n");
    EXPECT_TRUE(thirtyPolish.accepted()) << "30 letters are 30 bytes in code page 1250";
}

TEST(MembersCsv, AddsToAnExistingTeamAndStopsAtAThousand)
{
    auto table = emptyTable();
    for (int i = 0; i < 3; ++i) {
        MemberRecord member{};
        member.teamNumber = i < 2 ? 5 : 9;
        setFieldText(member.surname, "Stary" + std::to_string(i));
        insertMember(*table, member);
    }
    const ImportPlan result = plan("Nr;Nazwisko\n7;Nowy7\n5;Nowy5\n", *table);
    ASSERT_TRUE(result.accepted()) << errorsOf(result);
    EXPECT_EQ(result.newTeams, 1);
    EXPECT_EQ(result.extendedTeams, 1);
    ASSERT_TRUE(applyMemberImport(result, *table));
    std::vector<std::string> order;
    for (int slot = 0; slot < memberCount(*table); ++slot)
        order.push_back(surnameOf(table->records[slot]));
    EXPECT_EQ(order, (std::vector<std::string>{"Stary0", "Stary1", "Nowy5", "Nowy7", "Stary2"}));

    auto almostFull = emptyTable();
    for (int i = 0; i < kMaxMembers - 2; ++i) {
        almostFull->records[i].teamNumber = i + 1;
        setFieldText(almostFull->records[i].surname, "x");
    }
    const ImportPlan fits = plan("Nr;Nazwisko\n2000;a\n2000;b\n", *almostFull);
    EXPECT_TRUE(fits.accepted()) << errorsOf(fits);
    const ImportPlan over = plan("Nr;Nazwisko\n2000;a\n2000;b\n2000;c\n2001;d\n", *almostFull);
    EXPECT_EQ(errorsOf(over), "4: lista uczestników kategorii przekroczyłaby 1000 osób\n");
}

TEST(MembersCsv, AnAgeAboveTheCategoryLimitIsAWarning)
{
    const ImportPlan result = plan("Nr;Nazwisko;Rok urodzenia\n1;Mały;12\n1;Duży;2013\n", *emptyTable(), "TD");
    EXPECT_TRUE(result.accepted());
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_EQ(result.warnings[0].line, 2);
    EXPECT_NE(result.warnings[0].text.find("13 lat"), std::string::npos);
}

TEST(MembersCsv, ExportAndImportLeaveTheFileByteIdentical)
{
    auto original = emptyTable();
    const std::string longRemark(120, 'u');
    const char* texts[][8] = {
        {"Żółkiewska", "Łucja", "PTTK \"Żuraw\"", "20 zł", "30-001", "Kraków", "ul. Długa 5; m. 3", "kapitan"},
        {"=SUMA(A1)", "'=x", "-KTT", "+5", "@home", "'abc", "", "uwaga: \"Ala\"\t"},
        {"Nowak", "", "", "", "", "", "", longRemark.c_str()},
    };
    const int teams[] = {2, 2, 7};
    for (int i = 0; i < 3; ++i) {
        MemberRecord member{};
        member.teamNumber = teams[i];
        for (std::size_t f = 0; f < kMemberFields.size(); ++f)
            setMemberFieldText(member, kMemberFields[f], utf8ToCp1250(texts[i][f]));
        member.birthYearSet = i == 2 ? 0 : 1;
        member.birthYear = i == 2 ? 0 : 1950 + i * 40;
        insertMember(*original, member);
    }
    const std::string csv = exportMembersCsv(*original, memberCount(*original));
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("'=SUMA(A1)"), std::string::npos) << "formula cells are mended";
    const ImportPlan result = plan(csv);
    ASSERT_TRUE(result.accepted()) << errorsOf(result);
    auto copy = emptyTable();
    ASSERT_TRUE(applyMemberImport(result, *copy));
    ASSERT_EQ(memberCount(*copy), 3);
    EXPECT_EQ(std::memcmp(copy->records, original->records, 3 * sizeof(MemberRecord)), 0);
}

} // namespace
