#include "box_values.h"
#include "card_totals.h"

namespace trop::scoring {

void markOrderChanges(ControlCard& card, const PreparedStage& stage, const Matching& matching)
{
    if (stage.stage->orderRule == AnyOrder)
        return;
    int previousPosition = -1;
    int previousBox = -1;
    for (int r = 0; r < matching.rowCount; ++r) {
        const int b = matching.rowBox[r];
        Confirmation& box = card.boxes[b];
        const int slot = matching.assignedSlot(r);
        if (box.valueKind == WrongPoint || slot < 0)
            continue;
        const int position = stage.orderPosition[matching.slotPoint[slot]];
        if (position < 0)
            continue;
        if (position < previousPosition && box.autoValue != 0) {
            box.orderBreakAfterBox = previousBox;
            box.orderChange = 1;
            box.penalty += kOrderChangePenalty;
        }
        previousPosition = position;
        previousBox = b;
    }
}

} // namespace trop::scoring
