// The one way in which route points are named and codes are ordered.
#include "stage_file.h"

#include "trop/store/fixed_text.h"

#include <optional>
#include <utility>

namespace trop {

namespace {

// "k." and the code of the point's first control stands in for an empty
// description.
std::string controlStandIn(const StageDefinition& stage, const RoutePoint& point)
{
    std::string text = "k.";
    if (usedControlCount(point) > 0)
        text += codeText(stage, point.controls[0].codeIndex);
    return text;
}

std::string descriptionOrStandIn(const StageDefinition& stage, const RoutePoint& point, std::string description)
{
    return description.empty() ? controlStandIn(stage, point) : description;
}

// LOP and area points are named the same in both labels; nullopt otherwise.
std::optional<std::string> specialLabel(const StageDefinition& stage, const RoutePoint& point)
{
    const char* prefix = point.isLop ? "LOP " : point.isArea ? "OBS " : nullptr;
    if (!prefix)
        return std::nullopt;
    return prefix + descriptionOrStandIn(stage, point, std::string(fieldText(point.description1)));
}

bool pointInArray(int point) { return point >= 0 && point < kMaxPoints; }

} // namespace

std::string_view codeText(const StageDefinition& stage, std::int32_t codeIndex)
{
    return validCodeIndex(stage, codeIndex) ? fieldText(stage.codeTable[codeIndex].code) : std::string_view();
}

std::string pointLabel(const StageDefinition& stage, const RoutePoint& point)
{
    if (std::optional<std::string> special = specialLabel(stage, point))
        return *special;
    std::string joined(fieldText(point.description1));
    joined += fieldText(point.description2);
    return descriptionOrStandIn(stage, point, std::move(joined));
}

std::string pointShortLabel(const StageDefinition& stage, const RoutePoint& point)
{
    if (std::optional<std::string> special = specialLabel(stage, point))
        return *special;
    return descriptionOrStandIn(stage, point, std::string(fieldText(point.description1)));
}

std::string pointLabel(const StageDefinition& stage, int point)
{
    return pointInArray(point) ? pointLabel(stage, stage.points[point]) : std::string();
}

std::string pointShortLabel(const StageDefinition& stage, int point)
{
    return pointInArray(point) ? pointShortLabel(stage, stage.points[point]) : std::string();
}

std::vector<int> codeDisplayOrder(const StageDefinition& stage)
{
    const int count = usedCodeCount(stage);
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        order[i] = i;
    // The exchange sort that every list has always used: its order of equal
    // codes is part of what the judges see, so it is kept as it is.
    for (int i = 1; i < count; ++i)
        for (int j = i; j < count; ++j)
            if (codeText(stage, order[i]) > codeText(stage, order[j]))
                std::swap(order[i], order[j]);
    return order;
}

std::size_t leadingSpellingLength(std::string_view text, const std::array<const char*, 6>& spellings)
{
    for (const char* spelling : spellings)
        if (text.starts_with(spelling))
            return std::string_view(spelling).size();
    return 0;
}

} // namespace trop
