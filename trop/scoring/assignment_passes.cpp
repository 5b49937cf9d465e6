// The greedy assignment of rows to slots. The passes run in a fixed order and
// each takes, for every eligible row in card order, the first slot in slot
// order that passes its test; that order is the rule, not an approximation.
#include "row_facts.h"

namespace trop::scoring {

namespace {

enum class Eligible { JudgeDescribed, UnassignedJudgeDescribed, Unassigned };
enum class Kind { Any, Control, Associated };
enum class Fit { Judge, Partial, None };
enum class SlotState { Any, Free, EarlierOnSlot, LaterOnSlot, EarlierAssociatedOnSlot };

struct Pass {
    Eligible eligible;
    Kind kind;
    Fit fit;
    SlotState slotState;
};

constexpr Pass kDescribedPasses[] = {
    {Eligible::JudgeDescribed, Kind::Any, Fit::Judge, SlotState::Free},
    {Eligible::UnassignedJudgeDescribed, Kind::Any, Fit::Judge, SlotState::Any},
    {Eligible::Unassigned, Kind::Control, Fit::Partial, SlotState::Free},
    {Eligible::Unassigned, Kind::Control, Fit::Partial, SlotState::EarlierOnSlot},
    {Eligible::Unassigned, Kind::Control, Fit::Partial, SlotState::Any},
    {Eligible::Unassigned, Kind::Associated, Fit::Partial, SlotState::Free},
    {Eligible::Unassigned, Kind::Associated, Fit::Partial, SlotState::LaterOnSlot},
    {Eligible::Unassigned, Kind::Associated, Fit::Partial, SlotState::EarlierAssociatedOnSlot},
    {Eligible::Unassigned, Kind::Associated, Fit::Partial, SlotState::Any},
};

// Only when a wrong description does not make a wrong point.
constexpr Pass kUndescribedPasses[] = {
    {Eligible::Unassigned, Kind::Control, Fit::None, SlotState::Free},
    {Eligible::Unassigned, Kind::Control, Fit::None, SlotState::EarlierOnSlot},
    {Eligible::Unassigned, Kind::Control, Fit::None, SlotState::Any},
    {Eligible::Unassigned, Kind::Associated, Fit::None, SlotState::Free},
    {Eligible::Unassigned, Kind::Associated, Fit::None, SlotState::LaterOnSlot},
    {Eligible::Unassigned, Kind::Associated, Fit::None, SlotState::EarlierAssociatedOnSlot},
    {Eligible::Unassigned, Kind::Associated, Fit::None, SlotState::Any},
};

bool isEligible(const Pass& pass, const Matching& matching, int row, const RowFacts& facts)
{
    switch (pass.eligible) {
    case Eligible::JudgeDescribed:
        return facts.judgeDescribed;
    case Eligible::UnassignedJudgeDescribed:
        return facts.judgeDescribed && !matching.assigned(row);
    case Eligible::Unassigned:
        return !matching.assigned(row);
    }
    return false;
}

// The points whose slots may pass the test, judged by kind and description.
PointMask candidatePoints(const Pass& pass, const RowFacts& facts)
{
    PointMask mask = (PointMask{1} << kMaxPoints) - 1;
    if (pass.kind == Kind::Control)
        mask &= facts.controlPoints;
    else if (pass.kind == Kind::Associated)
        mask &= facts.associatedPoints;
    if (pass.fit == Fit::Judge)
        mask &= facts.judgeFit;
    else if (pass.fit == Fit::Partial)
        mask &= facts.partialFit;
    return mask;
}

bool slotStateHolds(SlotState state, const Matching& matching, int row, int slot)
{
    switch (state) {
    case SlotState::Any:
        return true;
    case SlotState::Free:
        return matching.isFree(row, slot);
    case SlotState::EarlierOnSlot:
        return matching.earlierOnSlot(row, slot);
    case SlotState::LaterOnSlot:
        return matching.laterOnSlot(row, slot);
    case SlotState::EarlierAssociatedOnSlot:
        return matching.earlierAssociatedOnSlot(row, slot);
    }
    return false;
}

// Another row than this one with the row's code is assigned to the slot.
bool holdsCode(const Matching& matching, const RowFacts* facts, int slot, int row)
{
    for (RowMask rows = matching.slotRows[slot] & ~(RowMask{1} << row); rows != 0; rows &= rows - 1)
        if (facts[std::countr_zero(rows)].codeIndex == facts[row].codeIndex)
            return true;
    return false;
}

// The same code found twice for one point is one confirmation written twice:
// a row joins the first slot of that point that already carries another row
// with its code.
int chooseSlot(const PreparedStage& stage, const Matching& matching, const RowFacts* facts, int row, int slot)
{
    SlotMask sameSlots = stage.pointSlots[matching.slotPoint[slot]] & matching.occupiedSlots;
    for (; sameSlots != 0; sameSlots &= sameSlots - 1)
        if (holdsCode(matching, facts, std::countr_zero(sameSlots), row))
            return std::countr_zero(sameSlots);
    return slot;
}

void assign(const PreparedStage& stage, Matching& matching, const RowFacts* facts, int row, int slot)
{
    const int chosen = chooseSlot(stage, matching, facts, row, slot);
    matching.slotRows[chosen] |= RowMask{1} << row;
    matching.occupiedSlots |= SlotMask{1} << chosen;
    matching.rowSlot[row] = chosen; // only unassigned rows reach this
}

SlotMask slotsOf(const PreparedStage& stage, PointMask points)
{
    SlotMask slots = 0;
    for (; points != 0; points &= points - 1)
        slots |= stage.pointSlots[std::countr_zero(points)];
    return slots;
}

// The slots are tried in slot order; only those of candidate points can pass.
void runPass(const Pass& pass, const PreparedStage& stage, Matching& matching, const RowFacts* facts)
{
    for (int r = 0; r < matching.rowCount; ++r) {
        if (!isEligible(pass, matching, r, facts[r]))
            continue;
        SlotMask slots = slotsOf(stage, candidatePoints(pass, facts[r]));
        if (pass.slotState == SlotState::Free)
            slots &= ~matching.occupiedSlots;
        for (; slots != 0; slots &= slots - 1) {
            const int s = std::countr_zero(slots);
            if (slotStateHolds(pass.slotState, matching, r, s)) {
                assign(stage, matching, facts, r, s);
                break;
            }
        }
    }
}

} // namespace

void runAssignmentPasses(const PreparedStage& stage, Matching& matching, const RowFacts* facts)
{
    for (const Pass& pass : kDescribedPasses)
        runPass(pass, stage, matching, facts);
    if (stage.stage->wrongDescriptionIsWrongPoint == 0)
        for (const Pass& pass : kUndescribedPasses)
            runPass(pass, stage, matching, facts);
}

} // namespace trop::scoring
