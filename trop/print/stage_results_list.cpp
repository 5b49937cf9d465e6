#include "trop/print/stage_results_list.h"

#include "trop/print/points_text.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace trop {
namespace {

bool ranksAbove(const ControlCard& a, const ControlCard& b)
{
    if (a.notEntered != 0)
        return false;
    if (b.notEntered != 0)
        return true;
    return a.stagePoints > b.stagePoints || (a.stagePoints == b.stagePoints && a.penaltyPoints < b.penaltyPoints);
}

std::vector<ResultsColumn> stageColumns()
{
    return {
        {"Miejsce ", 55, CellAlignment::Right},
        {"Nr ", 40, CellAlignment::Right},
        {"Zesp\xF3\xB3", 205, CellAlignment::Left},
        {"PK ", 55, CellAlignment::Right},
        {"PP ", 55, CellAlignment::Right},
    };
}

} // namespace

std::vector<int> stageResultsOrder(const ResultsTable& cards, int cardTotal)
{
    cardTotal = std::clamp(cardTotal, 0, kMaxCards);
    std::vector<int> order(cardTotal);
    std::iota(order.begin(), order.end(), 0);
    for (int r = 0; r < cardTotal; ++r)
        for (int q = r + 1; q < cardTotal; ++q)
            if (ranksAbove(cards.cards[order[q]], cards.cards[order[r]]))
                std::swap(order[q], order[r]);
    return order;
}

ResultsGrid stageResultsGrid(const ResultsTable& cards, int cardTotal, const MemberTable& members)
{
    ResultsGrid grid;
    grid.columns = stageColumns();
    std::int32_t referencePoints = -1;
    std::int32_t referencePenalty = -1;
    int referencePlace = 0;
    const std::vector<int> order = stageResultsOrder(cards, cardTotal);
    for (int i = 0; i < static_cast<int>(order.size()); ++i) {
        const ControlCard& card = cards.cards[order[i]];
        const bool entered = card.notEntered == 0;
        std::string place;
        if (!entered) {
            // A card that is not entered has no result, whatever it holds.
        } else if (card.stagePoints == referencePoints && card.penaltyPoints == referencePenalty) {
            place = integerText(referencePlace);
        } else if (card.stagePoints != 0) {
            referencePoints = card.stagePoints;
            referencePenalty = card.penaltyPoints;
            referencePlace = i + 1;
            place = integerText(referencePlace);
        }
        std::string penalty;
        if (entered && card.stagePoints != 0)
            penalty = card.penaltyPoints == INT32_MIN ? integerText(card.penaltyPoints)
                                                      : integerText(-card.penaltyPoints);
        grid.rows.push_back({place, integerText(card.teamNumber) + " ", teamLabel(members, card.teamNumber),
                             penalty, entered ? pointsText(card.stagePoints) : std::string()});
    }
    return grid;
}

} // namespace trop
