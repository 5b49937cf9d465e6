#include "trop/print/points_text.h"

#include "trop/print/classification.h"

#include <cstdio>

namespace trop {

std::string pointsText(std::int32_t tenths)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d,%01d", tenths / 10, tenths % 10);
    return buffer;
}

std::string integerText(std::int32_t value)
{
    return std::to_string(value);
}

std::string standingPenaltyText(std::int32_t penaltyPoints)
{
    if (penaltyPoints == kAbsent)
        return "ABS";
    if (penaltyPoints == kNotClassified)
        return "NKL";
    // Negating the most negative value would overflow; such a value only
    // comes from a damaged file and is shown as it is.
    if (penaltyPoints == INT32_MIN)
        return integerText(penaltyPoints);
    return integerText(-penaltyPoints);
}

} // namespace trop
