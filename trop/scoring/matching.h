// Which box confirms which slot: the rows, slots, match kinds and the
// assignment of the card evaluation, with the queries the later steps ask.
//
// Rows are the non-empty boxes in box order; slots are the required
// confirmations of the route points (PreparedStage). The assignment is kept
// as bitsets: a row is assigned to at most one slot, a slot may carry several
// rows. A cell (row, slot) is free exactly when the row is unassigned and no
// row is assigned to the slot, because assigning blocks the chosen slot's
// column and the row's line and nothing is ever unblocked.
#pragma once

#include "prepared_stage.h"

#include <bit>
#include <cstdint>

namespace trop::scoring {

enum MatchKind : std::uint8_t {
    MatchControl = 0,    // the box's code is one of the point's controls
    MatchAssociated = 1, // one of the point's associated markers
    MatchNone = 2,
};

using RowMask = std::uint64_t; // one bit per row (at most 40)

struct Matching {
    int rowCount = 0;
    int rowBox[kBoxCount];
    int slotCount = 0;
    const int* slotPoint = nullptr; // slotCount entries, owned by the PreparedStage
    std::uint8_t matchKind[kBoxCount][kMaxSlots]; // [row][slot], rowCount x slotCount used
    int rowSlot[kBoxCount];      // assigned slot, or -1
    RowMask slotRows[kMaxSlots]; // rows assigned to each slot

    bool assigned(int row) const { return rowSlot[row] >= 0; }
    // The first slot the row is assigned to, or -1.
    int assignedSlot(int row) const { return rowSlot[row]; }
    bool isFree(int row, int slot) const { return rowSlot[row] < 0 && slotRows[slot] == 0; }

    RowMask rowsBefore(int row, int slot) const { return slotRows[slot] & ((RowMask{1} << row) - 1); }
    bool earlierOnSlot(int row, int slot) const { return rowsBefore(row, slot) != 0; }
    bool laterOnSlot(int row, int slot) const { return (slotRows[slot] >> row >> 1) != 0; }
    bool earlierAssociatedOnSlot(int row, int slot) const;
    // Box of the nearest earlier row on the slot, 0 when there is none.
    int nearestEarlierBox(int row, int slot) const;
    // The last row on the slot exists and matched a control or an associated marker.
    bool slotConfirmed(int slot) const;
    bool anySlotConfirmed() const;
};

inline int highestRow(RowMask rows)
{
    return 63 - std::countl_zero(rows);
}

// Steps one to three: rows, slots, match kinds and the assignment passes.
void matchCard(const ControlCard& card, const PreparedStage& stage, Matching& matching);

} // namespace trop::scoring
