// What the assignment passes need to know about one row, computed once per
// card: the points the row's code can confirm and the points its
// descriptions fit.
#pragma once

#include "matching.h"

namespace trop::scoring {

struct RowFacts {
    std::int32_t codeIndex = 0;
    bool judgeDescribed = false; // the judge typed the correct description
    PointMask controlPoints = 0;    // match kind 0
    PointMask associatedPoints = 0; // match kind 1
    PointMask partialFit = 0;       // partialDescriptionMatch (for candidate points)
    PointMask judgeFit = 0;         // judgeDescriptionMatch (when judgeDescribed)
};

// Steps one and two: rows, empty assignment and the match kinds.
void buildRows(const ControlCard& card, const PreparedStage& stage, Matching& matching, RowFacts* facts);

// Step three: the assignment passes.
void runAssignmentPasses(const PreparedStage& stage, Matching& matching, const RowFacts* facts);

} // namespace trop::scoring
