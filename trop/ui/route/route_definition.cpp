#include "route_definition.h"

#include "control_points_editor.h"
#include "groups_window.h"
#include "rules_dialog.h"

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
    GroupsWindowRules groups(stage, stageFolder);
    GroupsWindow groupsWindow(groups, stage, title, parent);
    groupsWindow.exec();
    RulesDialogRules rules(stage, stageFolder);
    RulesDialog rulesDialog(rules, title, parent);
    rulesDialog.exec();
}

} // namespace trop
