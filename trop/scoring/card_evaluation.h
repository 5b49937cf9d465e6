// The evaluation of one card against a prepared stage and a known best
// penalty score; evaluateCard and reevaluateAllCards are built on it.
#pragma once

#include "prepared_stage.h"

#include <cstdint>

namespace trop::scoring {

// Evaluates the card in place and returns its penaltyPoints. best is the
// lowest penaltyPoints of the stored cards that count for it (see
// bestPenaltyPoints).
std::int32_t evaluatePreparedCard(ControlCard& card, const PreparedStage& stage, std::int32_t best);

} // namespace trop::scoring
