// The penalty lines of one card in the stage result details: per kind of
// penalty its label, its items and its penalty points.
#pragma once

#include "trop/model/control_card.h"
#include "trop/model/stage_definition.h"

#include <string>
#include <vector>

namespace trop {

struct PenaltyLine {
    const char* label;              // "BP :", "PM :", ...
    std::vector<std::string> items; // code page 1250; WK holds the count alone
    long long points;               // the line's penalty, positive
};

// The lines of the kinds that have at least one item, in printing order.
std::vector<PenaltyLine> penaltyLines(const ControlCard& card, const StageDefinition& stage);

// A route point as the details name it: its short label, or "k." and its
// first control's code; empty for an index not in use.
std::string detailsPointText(const StageDefinition& stage, std::int32_t point);

// Splits items joined by ",  " into rows no wider than width: each row holds
// at least one item, a continued row ends with "," and the next row starts
// with an item.
template <typename Measure>
std::vector<std::string> wrapItems(const std::vector<std::string>& items, int width, Measure measure)
{
    std::vector<std::string> rows;
    std::string row;
    for (const std::string& item : items) {
        if (row.empty()) {
            row = item;
            continue;
        }
        std::string joined = row + ",  " + item;
        if (measure(joined) <= width) {
            row = std::move(joined);
        } else {
            rows.push_back(row + ",");
            row = item;
        }
    }
    if (!row.empty() || !items.empty())
        rows.push_back(row);
    return rows;
}

} // namespace trop
