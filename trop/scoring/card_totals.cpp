#include "card_totals.h"

#include "saturate.h"

#include <algorithm>
#include <cmath>

namespace trop::scoring {

namespace {

constexpr std::int32_t kMaxTaskPenalty = 10;

} // namespace

bool countsForBest(const ControlCard& card)
{
    return card.notEntered == 0 && card.finishTime != 0 && card.stagePoints != 0;
}

std::int32_t bestPenaltyPoints(const ResultsTable& stored)
{
    std::int32_t best = kNoBestScore;
    for (int i = 0; i < kMaxCards && stored.cards[i].teamNumber != 0; ++i)
        if (countsForBest(stored.cards[i]) && stored.cards[i].penaltyPoints <= best)
            best = stored.cards[i].penaltyPoints;
    return best;
}

std::int32_t timePenaltyOf(const ControlCard& card, const StageDefinition& stage)
{
    const std::int64_t elapsed = std::int64_t{card.finishTime} - card.startTime;
    std::int64_t limit = stage.timeLimit;
    if (card.extendedLimit != 0)
        limit += stage.timeLimit / 10;
    if (elapsed <= limit)
        return 0;
    const std::int64_t over = elapsed - limit;
    const std::int64_t lateLimit = stage.lateLimit;
    return saturateToInt32(over <= lateLimit ? over : lateLimit + 10 * (over - lateLimit));
}

// A correct value of 0 in percent mode, or no penalty unit at all, leaves the
// deviation undefined: a right answer then costs nothing, any other the most.
std::int32_t taskPenaltyOf(const ControlCard& card, const StageDefinition& stage)
{
    if (card.autoScore == 0 || stage.taskEnabled == 0)
        return card.taskValue;
    const double difference = double(card.taskValue) - double(stage.taskCorrectValue);
    const double perPoint = double(stage.taskPenaltyPerPoint);
    const double divisor = stage.taskDeviationInPercent != 0 ? perPoint * double(stage.taskCorrectValue) : perPoint;
    if (divisor == 0)
        return difference == 0 ? 0 : kMaxTaskPenalty;
    const double deviation = std::fabs(std::trunc(difference / divisor * 100));
    return deviation >= kMaxTaskPenalty ? kMaxTaskPenalty : static_cast<std::int32_t>(deviation);
}

std::int32_t computedPenaltyPoints(const ControlCard& card)
{
    std::int64_t sum = std::int64_t{card.missingPenalty} + card.taskPenalty + card.timePenalty;
    for (const Confirmation& box : card.boxes)
        sum += box.penalty;
    return saturateToInt32(sum);
}

std::int32_t stagePointsOf(const ControlCard& card, const StageDefinition& stage, std::int32_t best,
                           bool anythingConfirmed)
{
    if (card.finishTime == 0 || !anythingConfirmed)
        return 0;
    const std::int64_t penalty = card.penaltyPoints;
    const std::int64_t low = std::min<std::int64_t>(best, penalty);
    const std::int64_t constant = stage.stageConstant;
    std::int64_t points = constant != 0 ? (constant - penalty + low) * 10000 / constant
                                        : (low - penalty + 1000) * 10000 / 1000;
    points = std::max<std::int64_t>(points, 10);
    return saturateToInt32(points);
}

} // namespace trop::scoring
