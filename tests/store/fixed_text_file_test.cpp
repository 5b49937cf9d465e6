#include "trop/store/fixed_text_file.h"

#include <gtest/gtest.h>

using namespace trop;

namespace {

struct WriteCase {
    std::string text;
    int width;
    std::string expected;
};

TEST(FixedTextFile, WritesExactlyWidthBytesEndingInZero)
{
    const std::vector<WriteCase> cases = {
        {"ABCDEFGH", 8, std::string("ABCDEFG\0", 8)},
        {"", 8, std::string(8, '\0')},
        {"AB", 4, std::string("AB\0\0", 4)},
        {"ABC", 4, std::string("ABC\0", 4)},
        {"ABC", 1, std::string(1, '\0')},
        {"ABC", 0, ""},
        {"ABC", -5, ""},
        {std::string(100, 'z'), 200, std::string(79, 'z') + std::string(1, '\0')},
        {"short", 200, "short" + std::string(75, '\0')},
    };
    for (const WriteCase& c : cases) {
        std::string out = "pre";
        writeFixedText(out, c.text, c.width);
        EXPECT_EQ(out, "pre" + c.expected) << c.text << " width " << c.width;
    }
}

TEST(FixedTextFile, ReadsUpToTheFirstZeroAndConsumesTheField)
{
    std::string bytes = std::string("Wrzos\0xy", 8) + std::string("12345678") + std::string("tail");
    std::string_view in = bytes;
    std::string text;

    ASSERT_TRUE(readFixedText(in, 8, text));
    EXPECT_EQ(text, "Wrzos");
    ASSERT_TRUE(readFixedText(in, 8, text));
    EXPECT_EQ(text, "12345678"); // a field without a zero yields all of it
    EXPECT_FALSE(readFixedText(in, 8, text));
    EXPECT_EQ(text, "tail");
    EXPECT_TRUE(in.empty());
    EXPECT_FALSE(readFixedText(in, 8, text));
    EXPECT_EQ(text, "");
}

TEST(FixedTextFile, ReadWidthIsClampedTo80)
{
    const std::string bytes = std::string(80, 'a') + "rest";
    std::string_view in = bytes;
    std::string text;
    ASSERT_TRUE(readFixedText(in, 500, text));
    EXPECT_EQ(text.size(), 80u);
    EXPECT_EQ(in, "rest");
}

TEST(FixedTextFile, WriteTextHasNoTerminatorAndAtMost80Bytes)
{
    std::string out;
    writeText(out, "ab;");
    writeText(out, "");
    EXPECT_EQ(out, "ab;");
    out.clear();
    writeText(out, std::string(81, 'q'));
    EXPECT_EQ(out, std::string(80, 'q'));
}

} // namespace
