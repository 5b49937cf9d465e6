// Evaluation of a control card into box kinds, marks, penalties, penalty
// points PK and stage points PP.
#pragma once

#include "trop/model/control_card.h"
#include "trop/model/stage_definition.h"

namespace trop {

// Evaluates the card in place against the stage's route and the stored cards
// of the stage (read only, for the best penalty score) and returns its
// penaltyPoints. Writes nothing but the card; keeps no state between calls.
int evaluateCard(ControlCard& card, const StageDefinition& stage, const ResultsTable& stored);

// Brings every stored card up to date: evaluates the cards in table order,
// storing each result before the next card is evaluated, then evaluates again
// the cards that saw a best score other than the final one, so that all stage
// points are measured against the same best team. True when any card's
// stagePoints changed.
bool reevaluateAllCards(ResultsTable& table, const StageDefinition& stage);

} // namespace trop
