// The changes a judge makes to the boxes of a card as a whole: inserting and
// deleting a box, and a box taken into use by the confirmation editor.
#pragma once

#include "trop/model/control_card.h"

namespace trop {

// An empty box: nothing confirmed, every other field 0.
Confirmation emptyBox();

// A box just taken into use: code "bpk", no descriptions, both "Auto" on.
Confirmation usedBox();

// "Wstaw" would push the last box off the card when it is in use.
bool canInsertBox(const ControlCard& card);

// Boxes box..38 move one place up and box becomes empty. Does nothing when
// the last box is in use or box is outside 0..39.
void insertBox(ControlCard& card, int box);

// Boxes after box move one place down and the last box becomes empty.
void deleteBox(ControlCard& card, int box);

} // namespace trop
