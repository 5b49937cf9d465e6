// Generating a stage's start list at random, and sorting it by start time.
#pragma once

#include "trop/model/members.h"
#include "trop/model/start_list.h"

#include <cstdint>
#include <random>

namespace trop {

inline constexpr int kMinTeamInterval = 1;
inline constexpr int kMaxTeamInterval = 100;
inline constexpr int kMinEmptyPositions = 0;
inline constexpr int kMaxEmptyPositions = 100;

// The parameters offered by every generation ("Odstęp pomiędzy zespołami",
// "Ilość pustych pozycji").
struct StartListParams {
    int teamInterval = 4;
    int emptyPositions = 0;
};

// The random numbers of one draw. The same seed always gives the same numbers
// on every platform, so a draw named by its seed can be repeated.
class StartDraw {
public:
    explicit StartDraw(std::uint32_t seed) : engine_(seed) {}
    // A whole number in 0..bound-1 (bound >= 1), every value equally likely.
    int below(int bound);

private:
    std::mt19937 engine_;
};

struct GenerationOutcome {
    int count = 0;                 // entries in the new list
    int droppedEmptyPositions = 0; // empty positions that found no room in the table
};

// Replaces the list: one entry per team of the members (ascending, team
// numbers below 1 skipped), then the empty positions, placed in a uniformly
// random order drawn from seed, with start times j * teamInterval from 0 and
// the list sorted by them. Every team keeps its entry; empty positions beyond
// the 1000 entries of the table are dropped and counted. The parameters are
// taken as given (interval at least 1, empty positions at least 0).
GenerationOutcome generateStartList(const MemberTable& members, const StartListParams& params, std::uint32_t seed,
                                    StartList& list);

// Sorts the used part by start time with the exchange sort that the start
// lists have always used: for each position i and each later position k, i
// and k swap when i starts later. It is not stable.
void sortStartList(StartList& list);

} // namespace trop
