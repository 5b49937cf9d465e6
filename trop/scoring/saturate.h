// Values computed in 64 bits from fields read from disk are stored back into
// 32-bit fields; out-of-range results stick to the nearest limit instead of
// wrapping around.
#pragma once

#include <cstdint>
#include <limits>

namespace trop::scoring {

inline std::int32_t saturateToInt32(std::int64_t value)
{
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

} // namespace trop::scoring
