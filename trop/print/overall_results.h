// The rows of the category's overall results window, built from a
// classification.
#pragma once

#include "trop/print/classification.h"
#include "trop/print/results_grid.h"

#include <string>

namespace trop {

// The window title: competition name, "      kategoria  ", category name.
std::string overallResultsTitle(const std::string& competitionName, const std::string& categoryName);

// The "Miejsce " text of every row: with more than one stage, rows of equal
// final totals share the place of the first of them; a row without points
// has none.
std::vector<std::string> overallPlaceTexts(const ClassificationTable& table);

// Columns "Miejsce ", "Nr ", "Zespół", then per stage s "PK na Es", "PP na Es"
// and, from stage 2 on, "PP po Es"; one row per team in classification order.
ResultsGrid overallResultsGrid(const ClassificationTable& table, const MemberTable& members);

} // namespace trop
