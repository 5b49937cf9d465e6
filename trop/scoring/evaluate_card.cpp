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
// score seen by the evaluation is the table as stored at that moment. A card
// evaluated before a later card lowered the best score is evaluated again:
// its penalty points stay, its stage points are measured against the best
// score of the whole table. A second evaluation changes no penalty points,
// so the best score is settled after the first pass.
bool reevaluateAllCards(ResultsTable& table, const StageDefinition& stage)
{
    scoring::PreparedStage prepared;
    scoring::prepareStage(stage, prepared);
    BestScoreTracker tracker(table);
    std::int32_t oldStagePoints[kMaxCards];
    std::int32_t bestUsed[kMaxCards];
    const auto evaluateStored = [&](int i) {
        ControlCard card = table.cards[i];
        bestUsed[i] = tracker.best();
        scoring::evaluatePreparedCard(card, prepared, bestUsed[i]);
        table.cards[i] = card;
        tracker.update(i, card);
    };
    for (int i = 0; i < tracker.count(); ++i) {
        oldStagePoints[i] = table.cards[i].stagePoints;
        evaluateStored(i);
    }
    for (int i = 0; i < tracker.count(); ++i)
        if (bestUsed[i] != tracker.best())
            evaluateStored(i);
    for (int i = 0; i < tracker.count(); ++i)
        if (table.cards[i].stagePoints != oldStagePoints[i])
            return true;
    return false;
}

} // namespace trop
