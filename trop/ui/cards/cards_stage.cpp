#include "cards_stage.h"

#include "trop/model/results.h"
#include "trop/scoring/evaluate_card.h"
#include "trop/store/messages.h"

#include <cstring>
#include <vector>

namespace trop {

bool reevaluateStoredCards(ResultsTable& table, const StageDefinition& stage)
{
    const int count = cardCount(table);
    const std::vector<ControlCard> before(table.cards, table.cards + count);
    reevaluateAllCards(table, stage);
    return std::memcmp(before.data(), table.cards, sizeof(ControlCard) * static_cast<std::size_t>(count)) != 0;
}

bool saveStoredCards(const CardsStage& cards)
{
    if (saveResults(cards.stageFolder, *cards.table))
        return true;
    showMessage(7, kResultsFileName);
    return false;
}

} // namespace trop
