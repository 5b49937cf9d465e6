#include "start_list_generation.h"

#include <algorithm>
#include <utility>

namespace trop {

int StartDraw::below(int bound)
{
    if (bound <= 1)
        return 0;
    // Values from the uneven top end of the engine's range are drawn again,
    // so that no remainder is more likely than another.
    const std::uint64_t range = std::uint64_t{std::mt19937::max()} + 1;
    const std::uint64_t limit = range - range % static_cast<std::uint64_t>(bound);
    std::uint64_t value = engine_();
    while (value >= limit)
        value = engine_();
    return static_cast<int>(value % static_cast<std::uint64_t>(bound));
}

namespace {

// Entries with start time -1: the teams, then as many empty positions as fit.
GenerationOutcome placeEntries(const MemberTable& members, int emptyPositions, StartList& list)
{
    list = StartList{};
    GenerationOutcome outcome;
    int& count = outcome.count;
    for (int team : teamNumbers(members))
        if (team >= 1 && count < kMaxStartEntries)
            list.entries[count++] = {-1, team};
    const int wanted = std::max(emptyPositions, 0);
    const int room = std::min(wanted, kMaxStartEntries - count);
    for (int i = 0; i < room; ++i)
        list.entries[count++] = {-1, kEmptyStartPosition};
    outcome.droppedEmptyPositions = wanted - room;
    return outcome;
}

// Start j goes to an entry drawn among those still without a start time:
// every order of the entries is equally likely.
void drawStartTimes(StartList& list, int count, int teamInterval, std::uint32_t seed)
{
    StartDraw draw(seed);
    for (int j = 0; j < count; ++j) {
        int pick = draw.below(count - j);
        for (int r = 0; r < count; ++r) {
            if (list.entries[r].startTime >= 0)
                continue;
            if (pick-- == 0) {
                list.entries[r].startTime = j * teamInterval;
                break;
            }
        }
    }
}

} // namespace

GenerationOutcome generateStartList(const MemberTable& members, const StartListParams& params, std::uint32_t seed,
                                    StartList& list)
{
    const GenerationOutcome outcome = placeEntries(members, params.emptyPositions, list);
    drawStartTimes(list, outcome.count, std::max(params.teamInterval, 1), seed);
    sortStartList(list);
    return outcome;
}

void sortStartList(StartList& list)
{
    const int count = startEntryCount(list);
    for (int i = 0; i + 1 < count; ++i)
        for (int k = i; k < count; ++k)
            if (list.entries[i].startTime > list.entries[k].startTime)
                std::swap(list.entries[i], list.entries[k]);
}

} // namespace trop
