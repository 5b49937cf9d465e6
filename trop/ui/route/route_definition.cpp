#include "route_definition.h"

#include "control_points_editor.h"

#include <memory>

namespace trop {

namespace {

// One record for the whole run: a new stage's file takes the limits, the
// constant and the task's "%" that the last loaded stage held.
StageDefinition& routeRecord()
{
    static const auto record = std::make_unique<StageDefinition>();
    return *record;
}

} // namespace

void runRouteDefinition(QWidget* parent, const std::filesystem::path& stageFolder, const QString& title)
{
    StageDefinition& stage = routeRecord();
    ControlPointsRules points(stage, stageFolder);
    if (!runControlPointsEditor(parent, points, title))
        return;
}

} // namespace trop
