#include "program_window_opener.h"

#include "trop/print/participants_printout.h"
#include "trop/print/results_printouts.h"
#include "trop/print/stage_printouts.h"
#include "trop/store/cp1250.h"
#include "trop/ui/cards/start_cards_window.h"
#include "trop/ui/participants/participants_editor.h"
#include "trop/ui/printing/printer_settings.h"
#include "trop/ui/printing/qt_print_host.h"
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

QString shown(const std::string& utf8) { return QString::fromStdString(utf8); }

StagePrintContext stagePrintContext(const StageContext& stage)
{
    return {stage.stageFolder, stage.stageFolderName, stage.category.categoryFolderName,
            utf8ToCp1250(stage.category.categoryDisplayName), stage.members};
}

} // namespace

void ProgramWindowOpener::openParticipantsEditor(const CategoryContext& category)
{
    openParticipantsEditorWindow(requestingWindow(), category);
}

void ProgramWindowOpener::printCompetitionResults(const std::filesystem::path& competitionFolder,
                                                  const std::string& competitionName)
{
    CompetitionResultsPrintout printout(competitionFolder, utf8ToCp1250(competitionName));
    printWithDialogs(requestingWindow(), printout, shown(competitionName));
}

void ProgramWindowOpener::printerSetup() { showPrinterSetup(requestingWindow()); }

void ProgramWindowOpener::printParticipants(const CategoryContext& category)
{
    ParticipantsPrintout printout(category.categoryFolder, utf8ToCp1250(category.competitionName),
                                  utf8ToCp1250(category.categoryDisplayName));
    printWithDialogs(requestingWindow(), printout, QStringLiteral("Kategoria ") + shown(category.categoryDisplayName));
}

void ProgramWindowOpener::printCategoryResults(const CategoryContext& category)
{
    CategoryResultsPrintout printout(category.categoryFolder, utf8ToCp1250(category.categoryDisplayName));
    printWithDialogs(requestingWindow(), printout,
                     shown(category.competitionName) + QStringLiteral("      kategoria  ")
                         + shown(category.categoryDisplayName));
}

void ProgramWindowOpener::printStartList(const StageContext& stage)
{
    StartListPrintout printout(stagePrintContext(stage));
    printWithDialogs(requestingWindow(), printout, QStringLiteral("Etap ") + shown(stage.stageFolderName));
}

void ProgramWindowOpener::printStageResultDetails(const StageContext& stage)
{
    StageDetailsPrintout printout(stagePrintContext(stage));
    printWithDialogs(requestingWindow(), printout, shown(stage.title));
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

void ProgramWindowOpener::openStartCards(const StageContext& stage)
{
    openStartCardsWindow(requestingWindow(), stage);
}

} // namespace trop
