// Which box confirms which slot: the rows, slots, match kinds and the
// assignment of the card evaluation, with the queries the later steps ask.
//
// Rows are the non-empty boxes in box order; slots are the required
// confirmations of the route points (PreparedStage). The assignment is kept
// as bitsets: a row is assigned to at most one slot, a slot may carry several
// rows. A cell (row, slot) is free exactly when the row is unassigned and no
// row is assigned to the slot, because assigning blocks the chosen slot's
// column and the row's line and nothing is ever unblocked. The match kind of
// a cell depends only on the row and the slot's point, except for the cells
// that the surplus rule withdrew.
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
    PointMask rowControlPoints[kBoxCount];    // points of match kind 0 per row
    PointMask rowAssociatedPoints[kBoxCount]; // points of match kind 1 per row
    RowMask withdrawnRows = 0;   // rows whose assigned cell was set to MatchNone
    int rowSlot[kBoxCount];      // assigned slot, or -1
    RowMask slotRows[kMaxSlots]; // rows assigned to each slot
    SlotMask occupiedSlots = 0;  // slots with at least one row

    MatchKind matchKind(int row, int slot) const
    {
        if (((withdrawnRows >> row) & 1) != 0 && slot == rowSlot[row])
            return MatchNone;
        const int point = slotPoint[slot];
        if (hasPoint(rowControlPoints[row], point))
            return MatchControl;
        return hasPoint(rowAssociatedPoints[row], point) ? MatchAssociated : MatchNone;
    }
    // Sets the match kind of the row's assigned cell to MatchNone.
    void withdraw(int row) { withdrawnRows |= RowMask{1} << row; }

    bool assigned(int row) const { return rowSlot[row] >= 0; }
    // The first slot the row is assigned to, or -1.
    int assignedSlot(int row) const { return rowSlot[row]; }
    bool isFree(int row, int slot) const { return rowSlot[row] < 0 && ((occupiedSlots >> slot) & 1) == 0; }

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
