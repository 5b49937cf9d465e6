// Reading number fields and the standard messages they show.
#include "trop/store/messages.h"
#include "trop/ui/dialogs/integer_entry.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace trop;

TEST(IntegerEntry, ParsesWholeNumbersOnly)
{
    const struct {
        const char* text;
        std::optional<long long> expected;
    } cases[] = {
        {"42", 42}, {" -7 ", -7}, {"+3", 3}, {"0", 0}, {"", std::nullopt}, {"  ", std::nullopt},
        {"-", std::nullopt}, {"4 2", std::nullopt}, {"1.5", std::nullopt}, {"x1", std::nullopt},
        {"9223372036854775807", 9223372036854775807LL}, {"9223372036854775808", std::nullopt},
        {"-9223372036854775808", std::numeric_limits<long long>::min()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseInteger(c.text), c.expected) << "'" << c.text << "'";
}

TEST(IntegerEntry, RefusalShowsTheStandardMessage)
{
    const struct {
        const char* typed;
        std::optional<int> value;
        std::string message;
    } cases[] = {
        {"600", 600, ""},
        {"0", 0, ""},
        {"601", std::nullopt, "Wprowadź liczbę całkowitą z zakresu od 0 do 600."},
        {"-1", std::nullopt, "Wprowadź liczbę całkowitą z zakresu od 0 do 600."},
        {"", std::nullopt, "Wprowadź liczbę całkowitą."},
        {"abc", std::nullopt, "Wprowadź liczbę całkowitą."},
    };
    for (const auto& c : cases) {
        std::vector<std::string> shown;
        const MessageAnswerer previous = setMessageAnswerer([&shown](const MessageRequest& request) {
            shown.push_back(request.text);
            return MessageAnswer::Ok;
        });
        EXPECT_EQ(readIntegerField(c.typed, 0, 600), c.value) << c.typed;
        EXPECT_EQ(shown, c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message})
            << c.typed;
        setMessageAnswerer(previous);
    }
}
