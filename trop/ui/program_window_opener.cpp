#include "program_window_opener.h"

#include "trop/ui/participants/participants_editor.h"
#include "trop/ui/results/results_windows.h"
#include "trop/ui/route/route_definition.h"
#include "trop/ui/startlist/finish_order_window.h"
#include "trop/ui/startlist/start_list_rules.h"
#include "trop/ui/startlist/start_list_window.h"
#include "trop/ui/text_codec.h"

#include <QApplication>
#include <QWidget>

namespace trop {
namespace {

// The navigation window that asked is the active modal window.
QWidget* requestingWindow()
{
    return QApplication::activeModalWidget();
}

} // namespace

void ProgramWindowOpener::openParticipantsEditor(const CategoryContext& category)
{
    openParticipantsEditorWindow(requestingWindow(), category);
}

void ProgramWindowOpener::openOverallResults(const CategoryContext& category)
{
    openOverallResultsWindow(requestingWindow(), category.categoryFolder,
                             QString::fromStdString(category.competitionName),
                             QString::fromStdString(category.categoryDisplayName));
}

void ProgramWindowOpener::exportResults(const CategoryContext& category)
{
    exportCategoryResults(requestingWindow(), category.categoryFolder,
                          QString::fromStdString(category.competitionName),
                          QString::fromStdString(category.categoryDisplayName));
}

void ProgramWindowOpener::openRouteDefinition(const StageContext& stage)
{
    runRouteDefinition(requestingWindow(), stage.stageFolder, QString::fromStdString(stage.title));
}

void ProgramWindowOpener::openStageResultsList(const StageContext& stage)
{
    trop::openStageResultsList(requestingWindow(), stage.stageFolder, stage.category.categoryFolder,
                               QString::fromStdString(stage.title));
}

void ProgramWindowOpener::openStartList(const StageContext& stage)
{
    StartListRules rules(stage.stageFolder, stage.members);
    openStartListWindow(requestingWindow(), rules, fromUtf8(startListTitle(stage.title)));
}

void ProgramWindowOpener::openFinishOrder(const StageContext& stage)
{
    // The view bears the start list's title, as it always has.
    openFinishOrderWindow(requestingWindow(), stage.stageFolder, stage.members,
                          fromUtf8(startListTitle(stage.title)));
}

} // namespace trop
