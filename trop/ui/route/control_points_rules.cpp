#include "control_points_rules.h"

#include "route_changes.h"
#include "trop/model/record_bounds.h"
#include "trop/model/stage_file.h"
#include "trop/store/fixed_text.h"
#include "trop/store/messages.h"
#include "trop/ui/dialogs/integer_entry.h"

#include <algorithm>

namespace trop {

namespace {

constexpr int kLastPoint = kMaxPoints - 1;

bool beginsWithLOrO(std::string_view text)
{
    return !text.empty() && (text.front() == 'L' || text.front() == 'O');
}

ButtonFace plusFace(bool adding)
{
    return adding ? ButtonFace{"?", kAddingColour, true} : ButtonFace{"+", kPlusColour, true};
}

PointList listOfMode(AddingMode mode)
{
    return mode == AddingMode::Associated ? PointList::Associated : PointList::Controls;
}

AddingMode modeOfList(PointList list)
{
    return list == PointList::Controls ? AddingMode::Controls : AddingMode::Associated;
}

} // namespace

ControlPointsRules::ControlPointsRules(StageDefinition& stage, std::filesystem::path stageFolder)
    : stage_(stage), folder_(std::move(stageFolder))
{
}

void ControlPointsRules::open()
{
    std::error_code ignored;
    resultsExist_ = std::filesystem::exists(folder_ / "Results", ignored);
    if (!loadStageDefinition(folder_, stage_)) {
        showMessage(7, kStageDefinitionFileName);
        loadFailed_ = true;
        return;
    }
    displayOrder_ = codeDisplayOrder(stage_);
    showPoint(0);
    loadCustomColours(folder_, colours_);
}

bool ControlPointsRules::onEmptySlot() const
{
    return current_ >= usedPointCount(stage_);
}

void ControlPointsRules::showPoint(int index)
{
    current_ = std::clamp(index, 0, std::min(usedPointCount(stage_), kLastPoint));
    adding_ = AddingMode::None;
    if (onEmptySlot())
        clearPoint(stage_.points[current_]);
}

std::string ControlPointsRules::pointNumberText() const
{
    return std::to_string(current_ + 1);
}

PointFields ControlPointsRules::pointFields() const
{
    const RoutePoint& point = stage_.points[current_];
    return PointFields{std::string(fieldText(point.description1)), std::string(fieldText(point.description2)),
                       std::to_string(point.confirmations), point.isLop != 0, point.isArea != 0,
                       point.markedOnMap != 0};
}

ButtonFace ControlPointsRules::codeButton(int position) const
{
    const int codes = usedCodeCount(stage_);
    if (position < codes) {
        const ControlCode& entry = stage_.codeTable[displayOrder_[position]];
        return ButtonFace{std::string(fieldText(entry.code)), entry.colour, true};
    }
    if (position == codes && codes < kMaxCodes)
        return plusFace(false);
    return ButtonFace{"+", kPlusColour, false};
}

int ControlPointsRules::markerCount(PointList list) const
{
    const RoutePoint& point = stage_.points[current_];
    return list == PointList::Controls ? usedControlCount(point) : usedAssociatedCount(point);
}

// The point buttons show the code table's current code and colour, so an
// edited code shows at once (the copies in the point follow on saving).
ButtonFace ControlPointsRules::pointButton(PointList list, int position) const
{
    const RoutePoint& point = stage_.points[current_];
    const int count = markerCount(list);
    if (position < count) {
        const CodeRef& ref = (list == PointList::Controls ? point.controls : point.associated)[position];
        if (validCodeIndex(stage_, ref.codeIndex))
            return ButtonFace{std::string(codeText(stage_, ref.codeIndex)), stage_.codeTable[ref.codeIndex].colour, true};
        return ButtonFace{std::string(fieldText(ref.code)), ref.colour, true};
    }
    if (position == count && count < kMaxPointControls)
        return plusFace(adding_ == modeOfList(list));
    return ButtonFace{"+", kPlusColour, false};
}

PointFields ControlPointsRules::tick(const PointFields& fields, PointTick which, bool checked) const
{
    PointFields result = fields;
    if (which == PointTick::MarkedOnMap) {
        result.markedOnMap = checked;
        return result;
    }
    if (checked && !onEmptySlot()) {
        const int group = groupOfPoint(stage_, current_);
        if (group >= 0 && groupMembers(stage_, stage_.groups[group]).size() > 1) {
            showMessage(14);
            (which == PointTick::Lop ? result.isLop : result.isArea) = false;
            return result;
        }
    }
    (which == PointTick::Lop ? result.isLop : result.isArea) = checked;
    if (checked)
        (which == PointTick::Lop ? result.isArea : result.isLop) = false;
    if (!result.isLop && !result.isArea)
        result.confirmations.assign(1, '1');
    return result;
}

PointField ControlPointsRules::validate(const PointFields& fields) const
{
    if (!readIntegerField(fields.confirmations, 1, 50))
        return PointField::Confirmations;
    const std::string first = trimmedText(fields.description1);
    if (first.empty()) {
        showMessage(20);
        return PointField::Description1;
    }
    if (beginsWithLOrO(first)) {
        showMessage(22);
        return PointField::Description1;
    }
    if (beginsWithLOrO(trimmedText(fields.description2))) {
        showMessage(22);
        return PointField::Description2;
    }
    if (!readIntegerField(fields.confirmations, 1, std::max(markerCount(PointList::Controls), 1)))
        return PointField::Confirmations;
    return PointField::None;
}

// Message 21 when another point already has this first part; asked only when
// the first part is being changed.
bool ControlPointsRules::confirmDuplicateDescription(const std::string& description1) const
{
    if (description1 == fieldText(stage_.points[current_].description1))
        return true;
    for (int p = 0; p < usedPointCount(stage_); ++p)
        if (p != current_ && fieldText(stage_.points[p].description1) == description1)
            return showMessage(21) == MessageAnswer::Yes;
    return true;
}

void ControlPointsRules::store(const PointFields& fields)
{
    RoutePoint& point = stage_.points[current_];
    auto storeText = [this](auto& field, const std::string& text) {
        if (fieldText(field) != text) {
            setFieldText(field, text);
            markChanged();
        }
    };
    auto storeNumber = [this](std::int32_t& field, std::int32_t value) {
        if (field != value) {
            field = value;
            markChanged();
        }
    };
    storeText(point.description1, fields.description1);
    storeText(point.description2, fields.description2);
    storeNumber(point.confirmations, static_cast<std::int32_t>(*parseInteger(fields.confirmations)));
    storeNumber(point.isLop, fields.isLop);
    storeNumber(point.isArea, fields.isArea);
    storeNumber(point.markedOnMap, fields.markedOnMap);
}

PointStep ControlPointsRules::commit(PointFields& fields)
{
    if (onEmptySlot())
        return {};
    if (const PointField refused = validate(fields); refused != PointField::None)
        return {false, refused};
    fields.description1 = trimmedText(fields.description1);
    fields.description2 = trimmedText(fields.description2);
    if (!confirmDuplicateDescription(fields.description1))
        return {false, PointField::Description1};
    store(fields);
    return {};
}

PointStep ControlPointsRules::previous(PointFields& fields)
{
    const PointStep step = commit(fields);
    if (!step.done)
        return step;
    moveTo(current_ > 0 ? current_ - 1 : current_, fields);
    return step;
}

PointStep ControlPointsRules::next(PointFields& fields)
{
    const PointStep step = commit(fields);
    if (!step.done)
        return step;
    const bool canMove = current_ < usedPointCount(stage_) && current_ < kLastPoint;
    moveTo(canMove ? current_ + 1 : current_, fields);
    return step;
}

// Staying on the point keeps what the fields hold (an empty slot's typing too).
void ControlPointsRules::moveTo(int index, PointFields& fields)
{
    adding_ = AddingMode::None;
    if (index == current_)
        return;
    showPoint(index);
    fields = pointFields();
}

void ControlPointsRules::clickPointButton(PointList list, int position)
{
    if (position != markerCount(list) || position >= kMaxPointControls)
        return;
    adding_ = adding_ == modeOfList(list) ? AddingMode::None : modeOfList(list);
}

bool ControlPointsRules::clickCode(int position)
{
    if (adding_ == AddingMode::None || position >= usedCodeCount(stage_))
        return false;
    const bool creates = onEmptySlot();
    if (!appendCodeRef(stage_, stage_.points[current_], listOfMode(adding_), displayOrder_[position]))
        return false;
    if (creates)
        stage_.pointCount = current_ + 1;
    adding_ = AddingMode::None;
    markChanged();
    return true;
}

bool ControlPointsRules::isAddCodePosition(int position) const
{
    return position == usedCodeCount(stage_) && position < kMaxCodes;
}

void ControlPointsRules::addCode(const std::optional<CodeChoice>& choice)
{
    if (choice)
        trop::addCode(stage_, choice->colour, choice->code);
    markChanged();
    adding_ = AddingMode::None;
    displayOrder_ = codeDisplayOrder(stage_);
}

bool ControlPointsRules::codeMenuOffered(int position) const
{
    return position >= 1 && position < usedCodeCount(stage_);
}

bool ControlPointsRules::codeDeletionEnabled() const
{
    return !resultsExist_ && usedCodeCount(stage_) > 1;
}

int ControlPointsRules::codeEntryAt(int position) const
{
    return indexBelow(position, static_cast<int>(displayOrder_.size())) ? displayOrder_[position] : -1;
}

void ControlPointsRules::editCode(int position, const CodeChoice& choice)
{
    const int entry = codeEntryAt(position);
    if (entry < 0)
        return;
    stage_.codeTable[entry].colour = choice.colour;
    setFieldText(stage_.codeTable[entry].code, choice.code);
    markChanged();
    displayOrder_ = codeDisplayOrder(stage_);
}

void ControlPointsRules::deleteCode(int position)
{
    if (!codeMenuOffered(position) || !codeDeletionEnabled())
        return;
    trop::deleteCode(stage_, codeEntryAt(position));
    displayOrder_ = codeDisplayOrder(stage_);
    adding_ = AddingMode::None;
    markChanged();
}

bool ControlPointsRules::pointMenuOffered(PointList list, int position) const
{
    return indexBelow(position, markerCount(list));
}

void ControlPointsRules::removeMarker(PointList list, int position)
{
    if (!removeCodeRef(stage_.points[current_], list, position))
        return;
    adding_ = AddingMode::None;
    markChanged();
}

bool ControlPointsRules::deletePoint()
{
    if (!trop::deletePoint(stage_, current_))
        return false;
    markChanged();
    showPoint(current_);
    return true;
}

EditorClosing ControlPointsRules::close(PointFields& fields)
{
    if (loadFailed_)
        return {true, false};
    saveCustomColours(folder_, colours_);
    if (const PointStep step = commit(fields); !step.done)
        return {false, false, step.focus};
    if (changed_ && !keepOrDropRouteChanges(folder_, stage_))
        return {false, false};
    changed_ = false;
    return {true, usedPointCount(stage_) > 0};
}

} // namespace trop
