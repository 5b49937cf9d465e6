// Text from outside (folder names, the command line) that is not valid UTF-8
// converts like any character code page 1250 lacks.
#include "trop/store/cp1250.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8Input, InvalidFormsBecomeOneQuestionMarkAndNeverANul)
{
    const struct {
        const char* name;
        std::string utf8;
        std::string cp1250;
    } cases[] = {
        {"over-long NUL", "a\xC0\x80z", "a?z"},
        {"over-long slash", "a\xE0\x80\xAFz", "a?z"},
        {"over-long four bytes", "a\xF0\x80\x81\x81z", "a?z"},
        {"surrogate", "a\xED\xA0\x80z", "a?z"},
        {"beyond U+10FFFF", "a\xF4\x90\x80\x80z", "a?z"},
        {"cut sequence", "a\xC4", "a?"},
        {"shortest forms stay", "\xC4\x85\xC5\x9A", "\xB9\x8C"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(trop::utf8ToCp1250(c.utf8), c.cp1250) << c.name;
}

} // namespace
