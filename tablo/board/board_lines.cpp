#include "tablo/board/board_lines.h"

#include "trop/print/points_text.h"

namespace tablo {

std::vector<trop::ResultsColumn> boardColumns(int stageLimit)
{
    using trop::CellAlignment;
    std::vector<trop::ResultsColumn> columns = {
        {"Miejsce ", 39, CellAlignment::Right},
        {"Nr ", 38, CellAlignment::Right},
        {"Zesp\xF3\xB3", 205, CellAlignment::Left},
    };
    for (int i = 1; i < stageLimit && i <= trop::kMaxClassifiedStages; ++i) {
        const std::string stage = std::to_string(i);
        columns.push_back({"E" + stage + " PK", 60, CellAlignment::Right});
        columns.push_back({"PP po E" + stage, 62, CellAlignment::Right});
    }
    return columns;
}

std::vector<std::string> boardLineCells(const BoardTable& table, int index)
{
    if (index < 0 || index >= table.rowCount())
        return {};
    const BoardRow& row = table.rows[static_cast<std::size_t>(index)];
    std::vector<std::string> cells = {row.place.empty() ? std::string() : row.place + " ",
                                      trop::integerText(row.teamNumber) + " ", row.surnames};
    for (int i = 1; i < table.stageLimit && i <= trop::kMaxClassifiedStages; ++i) {
        const BoardSlot& slot = row.stages[static_cast<std::size_t>(i)];
        cells.push_back(trop::standingPenaltyText(slot.penaltyCode) + " ");
        cells.push_back(trop::pointsText(slot.totalPoints));
    }
    return cells;
}

} // namespace tablo
