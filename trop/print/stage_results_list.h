// The results of one stage ranked by stage points, as the stage's results
// list shows them.
#pragma once

#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/print/results_grid.h"

#include <vector>

namespace trop {

// Indices 0..cardTotal-1 of the cards in list order: entered cards first, by
// more stage points, then fewer penalty points; cards not entered last.
// Same exchange sort as the classification, so its handling of ties is fixed.
std::vector<int> stageResultsOrder(const ResultsTable& cards, int cardTotal);

// Columns "Miejsce ", "Nr ", "Zespół", "PK ", "PP "; one row per card in
// list order. Equal points and penalties share a place; rows without stage
// points have none.
ResultsGrid stageResultsGrid(const ResultsTable& cards, int cardTotal, const MemberTable& members);

} // namespace trop
