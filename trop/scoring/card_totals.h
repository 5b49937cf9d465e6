// The card-wide figures: order changes, lateness, the task, penalty points
// PK and stage points PP.
#pragma once

#include "matching.h"

#include <cstdint>

namespace trop::scoring {

inline constexpr std::int32_t kNoBestScore = 100000;

// Lowest penaltyPoints among the stored cards that are entered, finished and
// have stage points (kNoBestScore when none); reads up to the first card with
// teamNumber 0.
std::int32_t bestPenaltyPoints(const ResultsTable& stored);
// Whether a stored card takes part in the best score.
bool countsForBest(const ControlCard& card);

// Marks boxes confirmed out of the obligatory order (ZK, +30).
void markOrderChanges(ControlCard& card, const PreparedStage& stage, const Matching& matching);

std::int32_t timePenaltyOf(const ControlCard& card, const StageDefinition& stage);
std::int32_t taskPenaltyOf(const ControlCard& card, const StageDefinition& stage);
// Sum of the missing, task, time and box penalties.
std::int32_t computedPenaltyPoints(const ControlCard& card);
// Stage points in tenths against the best score; 0 without a finish time or
// without any confirmed slot, otherwise at least 10.
std::int32_t stagePointsOf(const ControlCard& card, const StageDefinition& stage, std::int32_t best,
                           bool anythingConfirmed);

} // namespace trop::scoring
