#include "integer_entry.h"

#include "trop/store/messages.h"

#include <charconv>
#include <limits>

namespace trop {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string integerMessage() { return "Wprowadź liczbę całkowitą."; }

std::string integerRangeMessage(long long low, long long high)
{
    return "Wprowadź liczbę całkowitą z zakresu od " + std::to_string(low) + " do "
           + std::to_string(high) + ".";
}

std::optional<long long> parseInteger(std::string_view text)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    constexpr auto kMax = static_cast<unsigned long long>(std::numeric_limits<long long>::max());
    if (magnitude > kMax + (negative ? 1 : 0))
        return std::nullopt;
    if (negative)
        return magnitude == kMax + 1 ? std::numeric_limits<long long>::min()
                                     : -static_cast<long long>(magnitude);
    return static_cast<long long>(magnitude);
}

std::optional<int> readIntegerField(std::string_view typed, int low, int high)
{
    const std::optional<long long> value = parseInteger(typed);
    if (!value) {
        showMessageText(integerMessage(), MessageStyle::Notice);
        return std::nullopt;
    }
    if (*value < low || *value > high) {
        showMessageText(integerRangeMessage(low, high), MessageStyle::Notice);
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

} // namespace trop
