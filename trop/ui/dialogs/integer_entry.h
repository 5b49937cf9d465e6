// Number fields of the dialogs and windows: reading what was typed and the
// standard messages shown when it is not a whole number in range.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trop {

// "Wprowadź liczbę całkowitą." — the field holds no whole number.
std::string integerMessage();

// "Wprowadź liczbę całkowitą z zakresu od LOW do HIGH."
std::string integerRangeMessage(long long low, long long high);

// A whole number typed in a field: optional blanks around it, an optional
// sign, then digits. Nothing for anything else, a blank text included, and
// for a number that does not fit.
std::optional<long long> parseInteger(std::string_view text);

// The value of a number field in [low, high]. Otherwise shows the standard
// message (integerMessage() when there is no whole number,
// integerRangeMessage(low, high) when it is out of range) and returns
// nothing; the caller then keeps the focus on the field.
std::optional<int> readIntegerField(std::string_view typed, int low, int high);

} // namespace trop
