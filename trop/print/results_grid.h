// A result list as rows of cell texts, shared by the results windows and the
// command-line program so that both show the same thing.
#pragma once

#include <string>
#include <vector>

namespace trop {

enum class CellAlignment { Left, Right };

struct ResultsColumn {
    std::string title;     // code page 1250
    int widthInDialogUnits; // horizontal dialog units (a quarter of the average character width)
    CellAlignment alignment;
};

struct ResultsGrid {
    std::vector<ResultsColumn> columns;
    std::vector<std::vector<std::string>> rows; // one text per column, code page 1250
};

} // namespace trop
