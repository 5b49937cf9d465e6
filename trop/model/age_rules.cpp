// Years of birth and the age limits of the categories that have one.
#include "members.h"

#include <algorithm>
#include <cstdint>

namespace trop {

int birthYearFromDigits(int typedDigits, int currentYear)
{
    // Wide arithmetic: the field may hold any integer, and a year without
    // meaning is acceptable where an overflow is not.
    std::int64_t year = 1900 + std::int64_t{typedDigits};
    if (currentYear - year >= 100)
        year += 100;
    return static_cast<int>(std::clamp<std::int64_t>(year, INT32_MIN, INT32_MAX));
}

std::optional<int> ageLimit(std::string_view categoryName, int currentYear)
{
    const bool after2000 = currentYear > 2000;
    if (categoryName == "TD")
        return after2000 ? 13 : 15;
    if (categoryName == "TM")
        return 16;
    if (categoryName == "TJ")
        return after2000 ? 19 : 18;
    return std::nullopt;
}

std::optional<int> ageCheckFails(std::string_view categoryName, int birthYear, int currentYear)
{
    const std::optional<int> limit = ageLimit(categoryName, currentYear);
    if (limit && std::int64_t{currentYear} - birthYear > *limit)
        return limit;
    return std::nullopt;
}

} // namespace trop
