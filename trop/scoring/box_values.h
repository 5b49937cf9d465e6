// Kinds, marks and penalties of the boxes of a card.
#pragma once

#include "matching.h"

namespace trop::scoring {

inline constexpr int kWrongPointPenalty = 30;        // PM
inline constexpr int kAssociatedPenalty = 15;        // PS, point not on the map
inline constexpr int kAssociatedMarkedPenalty = 25;  // PS, point marked on the map
inline constexpr int kWrongDescriptionPenalty = 10;  // ZO
inline constexpr int kRepeatPenalty = 10;            // ZM
inline constexpr int kOrderChangePenalty = 30;       // ZK
inline constexpr int kEmptyBoxPenalty = 30;          // WK

// Clears the marks and makes the box a wrong point (PM).
void makeWrongPoint(Confirmation& box);

// Fills the correct description (boxes with autoDescription) and the kind,
// marks and penalty (boxes with autoValue) of every non-empty box from the
// assignment. Boxes the judge valued by hand keep what the judge gave them.
void valueBoxes(ControlCard& card, const PreparedStage& stage, const Matching& matching);

// Empty boxes after the last used box, and every box of a card that is not
// entered, cost nothing and carry no marks; empty boxes before the last used
// box of an entered card cost 30 each.
void chargeEmptyBoxes(ControlCard& card);

} // namespace trop::scoring
