#include "evaluate_card.h"

namespace trop {

int evaluateCard(ControlCard& card, const StageDefinition&, const ResultsTable&)
{
    return card.penaltyPoints; // placeholder until the evaluation lands
}

bool reevaluateAllCards(ResultsTable&, const StageDefinition&)
{
    return false;
}

} // namespace trop
