#include "trop/model/members.h"

#include <gtest/gtest.h>

using namespace trop;

namespace {

TEST(BirthYear, TwoDigitsBecomeTheCenturyThatGivesAnAgeBelowHundred)
{
    struct Case {
        int digits, currentYear, year;
    };
    for (const Case c : {Case{5, 2026, 2005}, Case{30, 2026, 1930}, Case{20, 2026, 2020}, Case{26, 2026, 2026},
                         Case{27, 2026, 1927}, Case{0, 2026, 2000}, Case{99, 2026, 1999}, Case{99, 1999, 1999},
                         Case{0, 1999, 1900}})
        EXPECT_EQ(birthYearFromDigits(c.digits, c.currentYear), c.year) << c.digits << " in " << c.currentYear;
}

TEST(BirthYear, AnyIntegerGivesAYearWithoutOverflow)
{
    EXPECT_EQ(birthYearFromDigits(2147483647, 2026), 2147483647);
    EXPECT_LT(birthYearFromDigits(-2147483647 - 1, 2026), 0);
}

TEST(AgeRules, LimitsOfTheCategoriesThatHaveOne)
{
    struct Case {
        const char* category;
        int currentYear;
        std::optional<int> limit;
    };
    for (const Case& c : {Case{"TD", 2026, 13}, Case{"TD", 2000, 15}, Case{"TD", 2001, 13}, Case{"TM", 2026, 16},
                          Case{"TM", 1990, 16}, Case{"TJ", 2026, 19}, Case{"TJ", 2000, 18}, Case{"RK", 2026, {}},
                          Case{"TZ", 2026, {}}, Case{"td", 2026, {}}, Case{"TDX", 2026, {}}, Case{"", 2026, {}}})
        EXPECT_EQ(ageLimit(c.category, c.currentYear), c.limit) << c.category << " " << c.currentYear;
}

TEST(AgeRules, OnlyAnAgeAboveTheLimitFails)
{
    struct Case {
        const char* category;
        int birthYear;
        std::optional<int> fails;
    };
    for (const Case& c : {Case{"TD", 2012, 13}, Case{"TD", 2013, {}}, Case{"TJ", 2007, {}}, Case{"TJ", 2006, 19},
                          Case{"TM", 2010, {}}, Case{"TM", 2009, 16}, Case{"TK", 1930, {}}})
        EXPECT_EQ(ageCheckFails(c.category, c.birthYear, 2026), c.fails) << c.category << " " << c.birthYear;
}

} // namespace
