#include "row_facts.h"

namespace trop::scoring {

bool Matching::earlierAssociatedOnSlot(int row, int slot) const
{
    for (RowMask rows = rowsBefore(row, slot); rows != 0; rows &= rows - 1)
        if (matchKind(std::countr_zero(rows), slot) == MatchAssociated)
            return true;
    return false;
}

int Matching::nearestEarlierBox(int row, int slot) const
{
    const RowMask rows = rowsBefore(row, slot);
    return rows == 0 ? 0 : rowBox[highestRow(rows)];
}

bool Matching::slotConfirmed(int slot) const
{
    if (slotRows[slot] == 0)
        return false;
    return matchKind(highestRow(slotRows[slot]), slot) != MatchNone;
}

bool Matching::anySlotConfirmed() const
{
    for (int s = 0; s < slotCount; ++s)
        if (slotConfirmed(s))
            return true;
    return false;
}

void matchCard(const ControlCard& card, const PreparedStage& stage, Matching& matching)
{
    RowFacts facts[kBoxCount];
    buildRows(card, stage, matching, facts);
    runAssignmentPasses(stage, matching, facts);
}

} // namespace trop::scoring
