#include "trop/ui/results/results_windows.h"

#include "trop/print/overall_results.h"
#include "trop/print/results_export.h"
#include "trop/store/cp1250.h"
#include "trop/ui/results/export_flow.h"
#include "trop/ui/results/results_list_rules.h"
#include "trop/ui/results/results_list_window.h"

#include <QDateTime>
#include <QFileDialog>
#include <QLocale>

namespace trop {
namespace {

std::string toRecordText(const QString& text)
{
    return utf8ToCp1250(text.toStdString());
}

} // namespace

void openOverallResultsWindow(QWidget* parent, const std::filesystem::path& categoryFolder,
                              const QString& competitionName, const QString& categoryDisplayName)
{
    const ResultsListRules rules = ResultsListRules::forCategory(categoryFolder);
    if (rules.closesAtOnce())
        return;
    const QString title = QString::fromStdString(
        overallResultsTitle(competitionName.toStdString(), categoryDisplayName.toStdString()));
    ResultsListWindow window(title, rules.grid(), parent);
    window.exec();
}

void openStageResultsList(QWidget* parent, const std::filesystem::path& stageFolder,
                          const std::filesystem::path& categoryFolder, const QString& title)
{
    const ResultsListRules rules = ResultsListRules::forStage(stageFolder, categoryFolder);
    if (rules.closesAtOnce())
        return;
    ResultsListWindow window(title, rules.grid(), parent);
    window.exec();
}

void exportCategoryResults(QWidget* parent, const std::filesystem::path& categoryFolder,
                           const QString& competitionName, const QString& categoryDisplayName)
{
    const QString proposedName = QString::fromStdString(
        resultsExportTitle(competitionName.toStdString(), categoryDisplayName.toStdString()));
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Plik Excel,a CSV odzielony średnikami (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const std::filesystem::path file = dialog.selectedFiles().constFirst().toStdString();
    const QString timestamp = QLocale::system().toString(QDateTime::currentDateTime(), QLocale::LongFormat);
    runCategoryExport(categoryFolder, file, toRecordText(competitionName), toRecordText(categoryDisplayName),
                      toRecordText(timestamp));
}

} // namespace trop
