#include "card_evaluation.h"

#include "box_values.h"
#include "card_totals.h"
#include "owed_points.h"

namespace trop::scoring {

std::int32_t evaluatePreparedCard(ControlCard& card, const PreparedStage& stage, std::int32_t best)
{
    const StageDefinition& definition = *stage.stage;

    Matching matching;
    matchCard(card, stage, matching);
    valueBoxes(card, stage, matching);
    chargeEmptyBoxes(card);

    card.timePenalty = timePenaltyOf(card, definition);

    OwedPoints owed;
    buildOwedPoints(stage, owed);
    removeConfirmedPoints(stage, matching, owed);
    chargeMissingPoints(card, stage, owed);
    downgradeSurplus(card, matching, owed);

    markOrderChanges(card, stage, matching);
    card.taskPenalty = taskPenaltyOf(card, definition);
    if (card.autoScore != 0)
        card.penaltyPoints = computedPenaltyPoints(card);
    card.stagePoints = stagePointsOf(card, definition, best, matching.anySlotConfirmed());
    return card.penaltyPoints;
}

} // namespace trop::scoring
