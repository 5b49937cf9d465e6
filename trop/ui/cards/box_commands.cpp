#include "box_commands.h"

#include "trop/model/record_bounds.h"

#include <algorithm>

namespace trop {

Confirmation emptyBox()
{
    Confirmation box{};
    box.empty = 1;
    return box;
}

Confirmation usedBox()
{
    Confirmation box{};
    box.autoDescription = 1;
    box.autoValue = 1;
    return box;
}

bool canInsertBox(const ControlCard& card)
{
    return card.boxes[kBoxCount - 1].empty != 0;
}

void insertBox(ControlCard& card, int box)
{
    if (!validBoxIndex(box) || !canInsertBox(card))
        return;
    std::copy_backward(card.boxes + box, card.boxes + kBoxCount - 1, card.boxes + kBoxCount);
    card.boxes[box] = emptyBox();
}

void deleteBox(ControlCard& card, int box)
{
    if (!validBoxIndex(box))
        return;
    std::copy(card.boxes + box + 1, card.boxes + kBoxCount, card.boxes + box);
    card.boxes[kBoxCount - 1] = emptyBox();
}

} // namespace trop
