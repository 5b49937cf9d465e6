#include "program_window_opener.h"

#include "trop/ui/results/results_windows.h"

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

void ProgramWindowOpener::openStageResultsList(const StageContext& stage)
{
    trop::openStageResultsList(requestingWindow(), stage.stageFolder, stage.category.categoryFolder,
                               QString::fromStdString(stage.title));
}

} // namespace trop
