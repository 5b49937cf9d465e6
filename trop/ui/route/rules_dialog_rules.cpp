#include "rules_dialog_rules.h"

#include "trop/model/record_bounds.h"
#include "trop/model/stage_edits.h"
#include "trop/model/stage_file.h"
#include "trop/store/messages.h"
#include "trop/ui/dialogs/integer_entry.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace trop {

namespace {

constexpr int kMaxRequired = 50;

// P: the points that are neither LOP nor area.
int ordinaryPointCount(const StageDefinition& stage)
{
    int count = 0;
    for (int p = 0; p < usedPointCount(stage); ++p)
        count += isSpecialPoint(stage.points[p]) ? 0 : 1;
    return count;
}

// G: the confirmations of the groups of ordinary points.
long long ordinaryGroupConfirmations(const StageDefinition& stage)
{
    long long sum = 0;
    for (int g = 0; g < usedGroupCount(stage); ++g) {
        const PointGroup& group = stage.groups[g];
        if (!groupMembers(stage, group).empty() && !isSpecialGroup(stage, group))
            sum += group.confirmations;
    }
    return sum;
}

bool sameNumber(const std::string& typed, long long stored)
{
    const std::optional<long long> value = parseInteger(typed);
    return value && *value == stored;
}

} // namespace

RulesDialogRules::RulesDialogRules(StageDefinition& stage, std::filesystem::path stageFolder)
    : stage_(stage), folder_(std::move(stageFolder))
{
    fillLists();
}

RulesFields RulesDialogRules::storedFields() const
{
    return RulesFields{std::to_string(stage_.requiredConfirmations),
                       std::to_string(stage_.stageConstant),
                       std::to_string(stage_.timeLimit),
                       std::to_string(stage_.lateLimit),
                       std::to_string(stage_.taskCorrectValue),
                       std::to_string(stage_.taskPenaltyPerPoint),
                       stage_.wrongDescriptionIsWrongPoint != 0,
                       stage_.taskEnabled != 0,
                       stage_.taskDeviationInPercent != 0};
}

bool RulesDialogRules::listsEnabled() const
{
    return stage_.orderRule == PointOrder || stage_.orderRule == GroupOrder;
}

std::string RulesDialogRules::chosenCaption() const
{
    return listsEnabled() ? "Wybrane" : "";
}

std::string RulesDialogRules::availableCaption() const
{
    return listsEnabled() ? "Dost\xEApne" : ""; // code page 1250
}

int RulesDialogRules::itemLimit() const
{
    return stage_.orderRule == PointOrder ? usedPointCount(stage_)
           : stage_.orderRule == GroupOrder ? usedGroupCount(stage_)
                                           : 0;
}

std::string RulesDialogRules::itemLabel(int item) const
{
    if (stage_.orderRule == PointOrder)
        return pointLabel(stage_, item);
    std::string label(1, ' ');
    return label.append(std::to_string(item + 1));
}

void RulesDialogRules::fillLists()
{
    chosen_ = orderEntries(stage_);
    available_.clear();
    for (int item = 0; item < itemLimit(); ++item)
        if (std::find(chosen_.begin(), chosen_.end(), item) == chosen_.end())
            available_.push_back(item);
    selected_ = 0;
}

std::vector<std::string> RulesDialogRules::chosenLines() const
{
    std::vector<std::string> lines;
    if (!listsEnabled())
        return lines;
    for (int item : chosen_)
        lines.push_back(itemLabel(item));
    lines.emplace_back();
    return lines;
}

std::vector<std::string> RulesDialogRules::availableLines() const
{
    std::vector<std::string> lines;
    for (int item : available_)
        lines.push_back(itemLabel(item));
    return lines;
}

void RulesDialogRules::selectChosenLine(int line)
{
    selected_ = indexBelow(line, static_cast<int>(chosen_.size()) + 1) ? line : -1;
}

bool RulesDialogRules::choose(int availableLine)
{
    if (!indexBelow(availableLine, static_cast<int>(available_.size())) || chosen_.size() >= kMaxOrderEntries)
        return false;
    const int at = selected_ >= 0 ? selected_ : static_cast<int>(chosen_.size());
    chosen_.insert(chosen_.begin() + at, available_[availableLine]);
    available_.erase(available_.begin() + availableLine);
    selected_ = at + 1;
    changed_ = true;
    return true;
}

bool RulesDialogRules::unchoose(int chosenLine)
{
    if (!indexBelow(chosenLine, static_cast<int>(chosen_.size())) || available_.size() >= kMaxOrderEntries)
        return false;
    available_.push_back(chosen_[chosenLine]);
    chosen_.erase(chosen_.begin() + chosenLine);
    selected_ = std::min(selected_, static_cast<int>(chosen_.size()));
    changed_ = true;
    return true;
}

bool RulesDialogRules::setOrderRule(int rule)
{
    if (rule == stage_.orderRule)
        return false;
    stage_.orderRule = rule;
    stage_.orderCount = 0;
    changed_ = true;
    fillLists();
    return true;
}

RulesField RulesDialogRules::validate(const RulesFields& fields, bool constantChecked) const
{
    if (!readIntegerField(fields.requiredConfirmations, 0, kMaxRequired))
        return RulesField::RequiredConfirmations;
    if (constantChecked && !readIntegerField(fields.stageConstant, 10, 10000))
        return RulesField::StageConstant;
    if (!readIntegerField(fields.lateLimit, 10, 1000))
        return RulesField::LateLimit;
    if (!readIntegerField(fields.timeLimit, 10, 1000))
        return RulesField::TimeLimit;
    if (!readIntegerField(fields.taskCorrectValue, INT_MIN, INT_MAX))
        return RulesField::TaskCorrectValue;
    if (!readIntegerField(fields.taskPenaltyPerPoint, 0, INT_MAX))
        return RulesField::TaskPenaltyPerPoint;
    if (fields.taskEnabled) {
        if (!readIntegerField(fields.taskCorrectValue, -100000, 100000))
            return RulesField::TaskCorrectValue;
        if (!readIntegerField(fields.taskPenaltyPerPoint, 1, 1000))
            return RulesField::TaskPenaltyPerPoint;
    }
    const long long fewest = std::min<long long>(ordinaryGroupConfirmations(stage_), INT_MAX);
    if (!readIntegerField(fields.requiredConfirmations, static_cast<int>(fewest), ordinaryPointCount(stage_)))
        return RulesField::RequiredConfirmations;
    return RulesField::None;
}

RulesField RulesDialogRules::compute(RulesFields& fields) const
{
    const RulesField refused = validate(fields, false);
    if (refused == RulesField::None)
        fields.stageConstant =
            std::to_string(computeStageConstant(stage_, static_cast<int>(*parseInteger(fields.requiredConfirmations))));
    return refused;
}

RulesStep RulesDialogRules::accept(const RulesFields& fields)
{
    if (const RulesField refused = validate(fields, true); refused != RulesField::None)
        return {false, refused};
    const auto number = [](const std::string& text) { return static_cast<std::int32_t>(*parseInteger(text)); };
    stage_.requiredConfirmations = number(fields.requiredConfirmations);
    stage_.wrongDescriptionIsWrongPoint = fields.wrongDescriptionIsWrongPoint;
    stage_.stageConstant = number(fields.stageConstant);
    stage_.timeLimit = number(fields.timeLimit);
    stage_.lateLimit = number(fields.lateLimit);
    stage_.taskEnabled = fields.taskEnabled;
    stage_.taskDeviationInPercent = fields.taskDeviationInPercent;
    stage_.taskCorrectValue = number(fields.taskCorrectValue);
    stage_.taskPenaltyPerPoint = static_cast<std::uint32_t>(number(fields.taskPenaltyPerPoint));
    if (stage_.orderRule != AnyOrder) {
        std::copy(chosen_.begin(), chosen_.end(), stage_.orderList);
        stage_.orderCount = static_cast<std::int32_t>(chosen_.size());
    }
    if (!saveStageDefinition(folder_, stage_)) {
        showMessage(7, kStageDefinitionFileName);
        return {false, RulesField::None};
    }
    changed_ = false;
    return {true, RulesField::None};
}

bool RulesDialogRules::differsFromRecord(const RulesFields& fields) const
{
    return !sameNumber(fields.requiredConfirmations, stage_.requiredConfirmations) ||
           !sameNumber(fields.stageConstant, stage_.stageConstant) ||
           !sameNumber(fields.timeLimit, stage_.timeLimit) || !sameNumber(fields.lateLimit, stage_.lateLimit) ||
           !sameNumber(fields.taskCorrectValue, stage_.taskCorrectValue) ||
           !sameNumber(fields.taskPenaltyPerPoint, stage_.taskPenaltyPerPoint) ||
           fields.wrongDescriptionIsWrongPoint != (stage_.wrongDescriptionIsWrongPoint != 0) ||
           fields.taskEnabled != (stage_.taskEnabled != 0) ||
           fields.taskDeviationInPercent != (stage_.taskDeviationInPercent != 0);
}

RulesStep RulesDialogRules::close(const RulesFields& fields)
{
    if (!changed_ && !differsFromRecord(fields))
        return {true, RulesField::None};
    if (showMessage(13) != MessageAnswer::Yes)
        return {true, RulesField::None};
    return accept(fields);
}

} // namespace trop
