#include "card_view.h"

#include "trop/model/record_bounds.h"
#include "trop/model/results.h"
#include "trop/model/stage_file.h"
#include "trop/store/cp1250.h"
#include "trop/store/fixed_text.h"

namespace trop {
namespace {

std::string numberOrBlank(std::int32_t value)
{
    return value == 0 ? std::string() : std::to_string(value);
}

std::string pointsText(std::int32_t tenths)
{
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}

std::string missingLabels(const ControlCard& card, const StageDefinition& stage)
{
    std::string text;
    for (int i = 0; i < usedMissingCount(card); ++i) {
        if (i > 0)
            text += ", ";
        text += pointShortLabel(stage, card.missing[i]);
    }
    return text;
}

BoxView viewOfBox(const Confirmation& box, const StageDefinition& stage, bool cardEntered)
{
    BoxView view;
    view.penalty = cardEntered ? numberOrBlank(box.penalty) : std::string();
    if (box.empty)
        return view;
    view.code = std::string(codeText(stage, box.codeIndex));
    if (validCodeIndex(stage, box.codeIndex))
        view.colour = stage.codeTable[box.codeIndex].colour;
    view.cardDescription = boxDescriptionText(box.cardDescription, box.cardIsLop, box.cardIsArea);
    view.correctDescription = boxDescriptionText(box.correctDescription, box.correctIsLop, box.correctIsArea);
    view.marks = boxMarksText(box);
    return view;
}

} // namespace

std::string cardFieldText(const ControlCard& card, CardField field)
{
    if (card.notEntered)
        return {};
    switch (field) {
    case CardField::StartTime:
        return std::to_string(card.startTime);
    case CardField::FinishTime:
        return numberOrBlank(card.finishTime);
    case CardField::PenaltyPoints:
        return std::to_string(card.penaltyPoints);
    case CardField::TaskValue:
        return std::to_string(card.taskValue);
    }
    return {};
}

std::string teamSurnamesInCapitals(const MemberTable& members, int teamNumber)
{
    return cp1250ToUpper(teamSurnames(members, teamNumber, ",   "));
}

std::string boxMarksText(const Confirmation& box)
{
    std::string text = box.valueKind == AssociatedControl ? "S" : box.valueKind == WrongPoint ? "M" : "";
    if (box.wrongDescription)
        text += " O";
    if (box.orderChange)
        text += " K";
    if (box.repeated)
        text += " Z";
    return text;
}

CardView viewOfCard(const ControlCard& card, const StageDefinition& stage, const MemberTable& members)
{
    CardView view;
    const bool entered = !card.notEntered;
    view.team = std::to_string(card.teamNumber);
    view.members = teamSurnamesInCapitals(members, card.teamNumber);
    for (CardField field : kCardFields)
        fieldIn(view.fields, field) = cardFieldText(card, field);
    if (entered) {
        view.timePenalty = std::to_string(card.timePenalty);
        view.stagePoints = pointsText(card.stagePoints);
        view.missingPenalty = std::to_string(card.missingPenalty);
        view.taskPenalty = std::to_string(card.taskPenalty);
        view.missing = missingLabels(card, stage);
    }
    view.extendedLimit = card.extendedLimit != 0;
    view.autoScore = card.autoScore != 0;
    for (int i = 0; i < kBoxCount; ++i)
        view.boxes[i] = viewOfBox(card.boxes[i], stage, entered);
    return view;
}

} // namespace trop
