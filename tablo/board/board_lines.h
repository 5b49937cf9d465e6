// What the board shows: its columns and the texts of one line.
#pragma once

#include "tablo/board/board_table.h"
#include "trop/print/results_grid.h"

#include <string>
#include <vector>

namespace tablo {

// "Miejsce ", "Nr ", "Zespół", then for every shown stage i "Ei PK" and
// "PP po Ei". Widths are in pixels of the board's base font (13 pixels high);
// titles are code page 1250.
std::vector<trop::ResultsColumn> boardColumns(int stageLimit);

// One line per column for row `index` of the table (code page 1250):
// the place, the team number, the surnames, then per stage the penalty
// points as the results windows show them and the running total "%d,%01d".
std::vector<std::string> boardLineCells(const BoardTable& table, int index);

} // namespace tablo
