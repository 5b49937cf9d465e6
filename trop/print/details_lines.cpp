#include "trop/print/details_lines.h"

#include "trop/model/record_bounds.h"
#include "trop/model/stage_file.h"
#include "trop/store/fixed_text.h"

namespace trop {
namespace {

constexpr const char* kArrow = " -\xBB "; // " -» " in code page 1250

bool filled(const Confirmation& box) { return box.empty == 0; }

// "LOP " or "OBS " (the second when both are set) before a description.
std::string descriptionText(const char (&description)[8], std::int32_t isLop, std::int32_t isArea)
{
    std::string text = isArea ? "OBS " : isLop ? "LOP " : "";
    return text + std::string(fieldText(description));
}

std::string code(const StageDefinition& stage, std::int32_t codeIndex)
{
    return std::string(codeText(stage, codeIndex));
}

std::string boxPointText(const StageDefinition& stage, const ControlCard& card, std::int32_t box)
{
    return validBoxIndex(box) ? detailsPointText(stage, card.boxes[box].pointIndex) : std::string();
}

std::string boxCodeText(const StageDefinition& stage, const ControlCard& card, std::int32_t box)
{
    return validBoxIndex(box) ? code(stage, card.boxes[box].codeIndex) : std::string();
}

bool markedOnMap(const StageDefinition& stage, std::int32_t point)
{
    return validPointIndex(stage, point) && stage.points[point].markedOnMap != 0;
}

} // namespace

std::string detailsPointText(const StageDefinition& stage, std::int32_t point)
{
    return validPointIndex(stage, point) ? pointShortLabel(stage, point) : std::string();
}

std::vector<PenaltyLine> penaltyLines(const ControlCard& card, const StageDefinition& stage)
{
    PenaltyLine missing{"BP :", {}, card.missingPenalty};
    for (int i = 0; i < usedMissingCount(card); ++i)
        if (validPointIndex(stage, card.missing[i])) // a damaged entry names no point
            missing.items.push_back(detailsPointText(stage, card.missing[i]));

    PenaltyLine wrong{"PM :", {}, 0}, associated{"PS :", {}, 0}, order{"ZK :", {}, 0};
    PenaltyLine description{"ZO :", {}, 0}, repeated{"ZM :", {}, 0};
    int emptyBoxes = 0;
    for (int b = 0; b < kBoxCount; ++b) {
        const Confirmation& box = card.boxes[b];
        if (!filled(box)) {
            emptyBoxes += box.penalty != 0;
            continue;
        }
        if (box.valueKind == WrongPoint) {
            std::string text = code(stage, box.codeIndex);
            if (box.codeIndex == 0)
                text += " " + std::string(fieldText(box.cardDescription));
            wrong.items.push_back(text);
            wrong.points += 30;
        }
        if (box.valueKind == AssociatedControl) {
            associated.items.push_back(detailsPointText(stage, box.pointIndex) + " (" + code(stage, box.codeIndex) + ")");
            associated.points += markedOnMap(stage, box.pointIndex) ? 25 : 15;
        }
        if (box.orderChange) {
            order.items.push_back(boxPointText(stage, card, box.orderBreakAfterBox) + kArrow
                                  + detailsPointText(stage, box.pointIndex));
            order.points += 30;
        }
        if (box.wrongDescription) {
            description.items.push_back(descriptionText(box.cardDescription, box.cardIsLop, box.cardIsArea) + " ("
                                        + descriptionText(box.correctDescription, box.correctIsLop, box.correctIsArea)
                                        + ")");
            description.points += 10;
        }
        if (box.repeated) {
            repeated.items.push_back(detailsPointText(stage, box.pointIndex) + " ("
                                     + boxCodeText(stage, card, box.repeatOfBox) + kArrow
                                     + code(stage, box.codeIndex) + ")");
            repeated.points += 10;
        }
    }
    PenaltyLine empty{"WK :", {}, 30LL * emptyBoxes};
    if (emptyBoxes > 0)
        empty.items.push_back(std::to_string(emptyBoxes));

    std::vector<PenaltyLine> lines;
    for (PenaltyLine* line : {&missing, &wrong, &empty, &associated, &order, &description, &repeated})
        if (!line->items.empty())
            lines.push_back(std::move(*line));
    return lines;
}

} // namespace trop
