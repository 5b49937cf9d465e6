// A literal, unoptimised rendering of the first three evaluation steps
// (rows, slots, match kinds, assignment passes) with the full 40 x 40
// matrices and scanning queries. The evaluation keeps the same state in
// bitsets; the differential test checks that both agree.
#pragma once

#include "trop/model/control_card.h"
#include "trop/model/stage_definition.h"

namespace scoring_test {

struct ReferenceMatching {
    int rowCount = 0;
    int rows[trop::kBoxCount] = {};
    int slotCount = 0;
    int slots[trop::kBoxCount] = {};
    int matchKind[trop::kBoxCount][trop::kBoxCount] = {};
    int assignment[trop::kBoxCount][trop::kBoxCount] = {}; // 0 free, 1 blocked, 2 assigned

    int assignedSlot(int row) const;
};

void referenceMatch(const trop::ControlCard& card, const trop::StageDefinition& stage, ReferenceMatching& out);

} // namespace scoring_test
