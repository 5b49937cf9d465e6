#include "box_values.h"

#include "trop/store/fixed_text.h"

#include <string>

namespace trop::scoring {

namespace {

void clearMarks(Confirmation& box)
{
    box.wrongDescription = 0;
    box.orderChange = 0;
    box.repeated = 0;
}

void fillCorrectDescription(Confirmation& box, const StageDefinition& stage, int point)
{
    if (point < 0) {
        setFieldText(box.correctDescription, "");
        box.correctIsLop = 0;
        box.correctIsArea = 0;
        return;
    }
    const RoutePoint& route = stage.points[point];
    std::string joined(fieldText(route.description1));
    joined += fieldText(route.description2);
    setFieldText(box.correctDescription, joined);
    box.correctIsLop = route.isLop;
    box.correctIsArea = route.isArea;
}

bool descriptionRight(const Confirmation& box, const PreparedPoint& point)
{
    const BoxDescription written{packText(fieldText(box.cardDescription)), box.cardIsLop, box.cardIsArea};
    return box.codeIndex == 0 ? partialDescriptionMatch(point.description, written)
                              : fullDescriptionMatch(point.description, written);
}

void valueAssignedBox(Confirmation& box, const PreparedStage& stage, const Matching& matching, int row, int slot)
{
    const int point = matching.slotPoint[slot];
    box.pointIndex = point;
    if (matching.earlierOnSlot(row, slot)) {
        box.repeatOfBox = matching.nearestEarlierBox(row, slot);
        box.repeated = 1;
        box.penalty = kRepeatPenalty;
    } else {
        box.repeated = 0;
        box.penalty = 0;
    }
    if (matching.laterOnSlot(row, slot)) {
        // A later box repeats this one; that box carries the judgement.
        box.wrongDescription = 0;
        box.orderChange = 0;
        box.valueKind = CorrectControl;
        return;
    }
    const PreparedPoint& prepared = stage.points[point];
    box.orderChange = 0;
    box.wrongDescription = descriptionRight(box, prepared) ? 0 : 1;
    box.valueKind = matching.matchKind(row, slot);
    if (box.valueKind == AssociatedControl)
        box.penalty += prepared.markedOnMap ? kAssociatedMarkedPenalty : kAssociatedPenalty;
    if (box.valueKind == WrongPoint) {
        box.wrongDescription = 0;
        box.penalty += kWrongPointPenalty;
    }
    if (box.wrongDescription)
        box.penalty += kWrongDescriptionPenalty;
}

void clearBox(Confirmation& box, int penalty)
{
    box.penalty = penalty;
    clearMarks(box);
    box.valueKind = CorrectControl;
}

} // namespace

void makeWrongPoint(Confirmation& box)
{
    clearMarks(box);
    box.valueKind = WrongPoint;
    box.penalty = kWrongPointPenalty;
}

void valueBoxes(ControlCard& card, const PreparedStage& stage, const Matching& matching)
{
    for (int r = 0; r < matching.rowCount; ++r) {
        Confirmation& box = card.boxes[matching.rowBox[r]];
        const int slot = matching.assignedSlot(r);
        const int point = slot < 0 ? -1 : matching.slotPoint[slot];
        if (box.autoDescription != 0)
            fillCorrectDescription(box, *stage.stage, point);
        if (box.autoValue == 0)
            continue;
        if (slot < 0)
            makeWrongPoint(box);
        else
            valueAssignedBox(box, stage, matching, r, slot);
    }
}

void chargeEmptyBoxes(ControlCard& card)
{
    for (int b = kBoxCount - 1; b >= 0; --b) {
        if (card.boxes[b].empty != 0 || card.notEntered != 0) {
            clearBox(card.boxes[b], 0);
            continue;
        }
        for (int before = b; before >= 0; --before)
            if (card.boxes[before].empty != 0)
                clearBox(card.boxes[before], kEmptyBoxPenalty);
        return;
    }
}

} // namespace trop::scoring
