#include "trop/print/overall_results.h"

#include "trop/print/points_text.h"

#include <optional>

namespace trop {
namespace {

// "Zespół" in code page 1250.
const std::string kTeamTitle = "Zesp\xF3\xB3";

std::string stageTitle(const char* prefix, int stage)
{
    return std::string(prefix) + std::to_string(stage);
}

std::vector<ResultsColumn> overallColumns(int stageCount)
{
    std::vector<ResultsColumn> columns = {
        {"Miejsce ", 55, CellAlignment::Right},
        {"Nr ", 38, CellAlignment::Right},
        {kTeamTitle, 205, CellAlignment::Left},
    };
    for (int s = 1; s <= stageCount; ++s) {
        columns.push_back({stageTitle("PK na E", s), 57, CellAlignment::Right});
        columns.push_back({stageTitle("PP na E", s), 57, CellAlignment::Right});
        if (s > 1)
            columns.push_back({stageTitle("PP po E", s), 57, CellAlignment::Right});
    }
    return columns;
}

} // namespace

std::vector<std::string> overallPlaceTexts(const ClassificationTable& table)
{
    std::vector<std::string> places(table.rowCount);
    const int n = table.stageCount;
    if (n <= 1) {
        for (int i = 0; i < table.rowCount; ++i) {
            const int place = table.rows[i].stages[1].stagePlace;
            places[i] = place == 0 ? std::string() : integerText(place);
        }
        return places;
    }
    std::optional<std::int32_t> referenceTotal;
    int referencePlace = 0;
    for (int i = 0; i < table.rowCount; ++i) {
        const std::int32_t total = table.rows[i].stages[n].totalPoints;
        if (referenceTotal && total == *referenceTotal) {
            places[i] = integerText(referencePlace);
        } else if (total != 0) {
            referenceTotal = total;
            referencePlace = i + 1;
            places[i] = integerText(referencePlace);
        }
    }
    return places;
}

std::string overallResultsTitle(const std::string& competitionName, const std::string& categoryName)
{
    return competitionName + "      kategoria  " + categoryName;
}

ResultsGrid overallResultsGrid(const ClassificationTable& table, const MemberTable& members)
{
    ResultsGrid grid;
    grid.columns = overallColumns(table.stageCount);
    const std::vector<std::string> places = overallPlaceTexts(table);
    for (int i = 0; i < table.rowCount; ++i) {
        const ClassificationRow& row = table.rows[i];
        std::vector<std::string> cells = {places[i], integerText(row.teamNumber),
                                          teamLabel(members, row.teamNumber)};
        for (int s = 1; s <= table.stageCount; ++s) {
            const StageStanding& standing = row.stages[s];
            cells.push_back(standingPenaltyText(standing.penaltyPoints) + " ");
            if (s == 1) {
                cells.push_back(pointsText(standing.totalPoints));
            } else {
                cells.push_back(pointsText(standing.stagePoints));
                cells.push_back(pointsText(standing.totalPoints));
            }
        }
        grid.rows.push_back(std::move(cells));
    }
    return grid;
}

} // namespace trop
