// One position of a stage's start list: a record of "Start.List".
#pragma once

#include "trop/store/layout.h"

namespace trop {

inline constexpr int kMaxStartEntries = 1000;
inline constexpr std::int32_t kEmptyStartPosition = -1;

struct StartEntry {
    std::int32_t startTime; // multiples of the team interval from the first start
    std::int32_t team;      // -1 = empty position, 0 = end of the list
};

TROP_CHECK_LAYOUT(StartEntry, 8);
TROP_CHECK_OFFSET(StartEntry, startTime, 0);
TROP_CHECK_OFFSET(StartEntry, team, 4);

} // namespace trop
