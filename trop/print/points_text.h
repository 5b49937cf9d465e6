// How points and penalty points are written in the result lists and the
// export (plain ASCII texts).
#pragma once

#include <cstdint>
#include <string>

namespace trop {

// Tenths of a point as "%d,%01d" of v / 10 and v % 10: 125 -> "12,5".
std::string pointsText(std::int32_t tenths);

// "%d" of a plain integer.
std::string integerText(std::int32_t value);

// A stage's penalty points as the result lists show them: "ABS" for an absent
// team, "NKL" for a team without stage points, otherwise negated ("-35").
std::string standingPenaltyText(std::int32_t penaltyPoints);

} // namespace trop
