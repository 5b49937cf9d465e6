#include "evaluate_card.h"

#include "card_evaluation.h"
#include "card_totals.h"

#include <algorithm>

namespace trop {

namespace {

// The best score of the table as the cards are stored one after another;
// equal to bestPenaltyPoints of the table at every moment, without walking
// the 3.4 MB table for every card.
class BestScoreTracker {
public:
    explicit BestScoreTracker(const ResultsTable& table)
    {
        while (count_ < kMaxCards && table.cards[count_].teamNumber != 0) {
            update(count_, table.cards[count_]);
            ++count_;
        }
    }

    int count() const { return count_; }

    void update(int index, const ControlCard& card)
    {
        candidate_[index] = scoring::countsForBest(card) ? card.penaltyPoints : scoring::kNoBestScore;
    }

    std::int32_t best() const
    {
        std::int32_t best = scoring::kNoBestScore;
        for (int i = 0; i < count_; ++i)
            best = std::min(best, candidate_[i]);
        return best;
    }

private:
    int count_ = 0;
    std::int32_t candidate_[kMaxCards];
};

} // namespace

int evaluateCard(ControlCard& card, const StageDefinition& stage, const ResultsTable& stored)
{
    scoring::PreparedStage prepared;
    scoring::prepareStage(stage, prepared);
    return scoring::evaluatePreparedCard(card, prepared, scoring::bestPenaltyPoints(stored));
}

// Each card is evaluated as a copy and stored afterwards, so that the best
// score seen by the evaluation is the table as stored at that moment.
bool reevaluateAllCards(ResultsTable& table, const StageDefinition& stage)
{
    scoring::PreparedStage prepared;
    scoring::prepareStage(stage, prepared);
    BestScoreTracker tracker(table);
    bool changed = false;
    for (int i = 0; i < tracker.count(); ++i) {
        ControlCard card = table.cards[i];
        scoring::evaluatePreparedCard(card, prepared, tracker.best());
        changed = changed || card.stagePoints != table.cards[i].stagePoints;
        table.cards[i] = card;
        tracker.update(i, card);
    }
    return changed;
}

} // namespace trop
