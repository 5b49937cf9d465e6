#include "row_facts.h"

#include "trop/store/fixed_text.h"

#include <cstring>

namespace trop::scoring {

namespace {

BoxDescription cardDescriptionOf(const Confirmation& box)
{
    return {packText(fieldText(box.cardDescription)), box.cardIsLop, box.cardIsArea};
}

BoxDescription correctDescriptionOf(const Confirmation& box)
{
    return {packText(fieldText(box.correctDescription)), box.correctIsLop, box.correctIsArea};
}

RowFacts factsOf(const Confirmation& box, const PreparedStage& stage)
{
    RowFacts facts;
    facts.codeIndex = box.codeIndex;
    const PointMask controls = stage.pointsWithControl(box.codeIndex);
    const PointMask associated = stage.pointsWithAssociated(box.codeIndex);

    const BoxDescription written = cardDescriptionOf(box);
    for (PointMask rest = controls | associated; rest != 0; rest &= rest - 1) {
        const int p = std::countr_zero(rest);
        if (partialDescriptionMatch(stage.points[p].description, written))
            facts.partialFit |= PointMask{1} << p;
    }
    // A box without a code confirms a control without a code only through
    // its description.
    facts.controlPoints = box.codeIndex == 0 ? (controls & facts.partialFit) : controls;
    facts.associatedPoints = associated & ~facts.controlPoints;

    facts.judgeDescribed = box.autoDescription == 0;
    if (facts.judgeDescribed) {
        const BoxDescription judged = correctDescriptionOf(box);
        for (int p = 0; p < stage.pointCount; ++p)
            if (fullDescriptionMatch(stage.points[p].description, judged))
                facts.judgeFit |= PointMask{1} << p;
    }
    return facts;
}

} // namespace

void buildRows(const ControlCard& card, const PreparedStage& stage, Matching& matching, RowFacts* facts)
{
    matching.slotCount = stage.slotCount;
    matching.slotPoint = stage.slotPoint;
    matching.rowCount = 0;
    for (int b = 0; b < kBoxCount; ++b) {
        if (card.boxes[b].empty != 0)
            continue;
        const int r = matching.rowCount++;
        matching.rowBox[r] = b;
        matching.rowSlot[r] = -1;
        facts[r] = factsOf(card.boxes[b], stage);
        matching.rowControlPoints[r] = facts[r].controlPoints;
        matching.rowAssociatedPoints[r] = facts[r].associatedPoints;
    }
    matching.withdrawnRows = 0;
    matching.occupiedSlots = 0;
    std::memset(matching.slotRows, 0, sizeof matching.slotRows);
}

} // namespace trop::scoring
