#include "trop/model/members.h"
#include "trop/store/fixed_text.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trop;

namespace {

MemberRecord member(int team, const char* surname, const char* firstName = "Jan")
{
    MemberRecord record{};
    record.teamNumber = team;
    setFieldText(record.surname, surname);
    setFieldText(record.firstName, firstName);
    return record;
}

std::unique_ptr<MemberTable> tableOf(std::initializer_list<MemberRecord> records)
{
    auto table = std::make_unique<MemberTable>();
    std::copy(records.begin(), records.end(), table->records);
    return table;
}

std::unique_ptr<MemberTable> fullTable()
{
    auto table = std::make_unique<MemberTable>();
    for (int i = 0; i < kMaxMembers; ++i)
        table->records[i] = member(i + 1, "x");
    return table;
}

TEST(Members, InsertionGoesAfterTheLastMemberWithANumberNotAbove)
{
    struct Case {
        int team, slot;
    };
    for (const Case c : {Case{5, 3}, Case{1, 0}, Case{3, 1}, Case{4, 1}, Case{8, 4}, Case{9, 4}}) {
        auto table = tableOf({member(3, "a"), member(5, "b"), member(5, "c"), member(8, "d")});
        EXPECT_EQ(insertMember(*table, member(c.team, "new")), c.slot) << "team " << c.team;
        EXPECT_EQ(memberCount(*table), 5);
        EXPECT_EQ(fieldText(table->records[c.slot].surname), "new");
        EXPECT_TRUE(std::is_sorted(table->records, table->records + 5,
                                   [](auto& l, auto& r) { return l.teamNumber < r.teamNumber; }));
    }
    auto strayAfterEnd = tableOf({member(3, "a"), member(0, ""), member(9, "stray")});
    EXPECT_EQ(insertMember(*strayAfterEnd, member(5, "new")), 1);
    EXPECT_EQ(memberCount(*strayAfterEnd), 2) << "a record behind the end stays out of the table";
    EXPECT_EQ(insertMember(*fullTable(), member(5, "y")), -1) << "full";
    EXPECT_EQ(insertMember(*tableOf({}), member(0, "y")), -1) << "team 0 would end the table";
}

TEST(Members, RemovalShiftsDownAndClearsTheFreedSlot)
{
    auto table = tableOf({member(3, "a"), member(5, "b"), member(8, "c")});
    removeMember(*table, 1);
    EXPECT_EQ(memberCount(*table), 2);
    EXPECT_EQ(fieldText(table->records[1].surname), "c");
    EXPECT_EQ(table->records[2].teamNumber, 0);
    removeMember(*table, 2);
    removeMember(*table, -1);
    EXPECT_EQ(memberCount(*table), 2) << "slots outside the used part";

    auto full = fullTable();
    removeMember(*full, kMaxMembers - 1);
    EXPECT_EQ(memberCount(*full), kMaxMembers - 1);
}

TEST(Members, TeamNumbersAndLabels)
{
    auto table = tableOf({member(3, "Kowalski", "Jan"), member(5, "Nowak", "Anna"), member(5, "Zi\xEAtek", "Ola"),
                          member(8, "Lis", "Ewa")});
    EXPECT_EQ(teamNumbers(*table), (std::vector<int>{3, 5, 8}));
    EXPECT_EQ(teamLabel(*table, 5), "Nowak Anna,     Zi\xEAtek Ola");
    EXPECT_EQ(teamLabel(*table, 3), "Kowalski Jan");
    EXPECT_EQ(teamLabel(*table, 4), "");

    std::memset(table->records[0].surname, 'S', sizeof table->records[0].surname); // no terminator
    EXPECT_EQ(teamLabel(*table, 3), std::string(31, 'S') + " Jan");
}

TEST(Members, BirthYearFromTwoDigits)
{
    struct Case {
        int digits, currentYear, year;
    };
    for (const Case c : {Case{5, 2026, 2005}, Case{30, 2026, 1930}, Case{20, 2026, 2020}, Case{26, 2026, 2026},
                         Case{27, 2026, 1927}, Case{0, 2026, 2000}, Case{99, 1999, 1999}, Case{0, 1999, 1900},
                         Case{2147483647, 2026, 2147483647}})
        EXPECT_EQ(birthYearFromDigits(c.digits, c.currentYear), c.year) << c.digits << " in " << c.currentYear;
}

TEST(Members, AgeRulesCompareTheShownCategoryName)
{
    struct Case {
        const char* category;
        int currentYear;
        std::optional<int> limit;
    };
    for (const Case& c : {Case{"TD", 2026, 13}, Case{"TD", 2000, 15}, Case{"TD", 2001, 13}, Case{"TM", 1990, 16},
                          Case{"TJ", 2026, 19}, Case{"TJ", 2000, 18}, Case{"RK", 2026, {}}, Case{"td", 2026, {}},
                          Case{"X.TD", 2026, {}}})
        EXPECT_EQ(ageLimit(c.category, c.currentYear), c.limit) << c.category << " " << c.currentYear;

    struct Check {
        const char* category;
        int birthYear;
        std::optional<int> fails;
    };
    for (const Check& c : {Check{"TD", 2012, 13}, Check{"TD", 2013, {}}, Check{"TJ", 2007, {}},
                           Check{"TJ", 2006, 19}, Check{"TM", 2009, 16}, Check{"TK", 1930, {}}})
        EXPECT_EQ(ageCheckFails(c.category, c.birthYear, 2026), c.fails) << c.category << " " << c.birthYear;
}

} // namespace
