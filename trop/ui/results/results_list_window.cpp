#include "trop/ui/results/results_list_window.h"

#include "trop/store/cp1250.h"
#include "trop/ui/results/report_list.h"

#include <QTreeWidget>
#include <QVBoxLayout>

namespace trop {
namespace {

QString fromRecordText(const std::string& bytes)
{
    return QString::fromStdString(cp1250ToUtf8(bytes));
}

Qt::Alignment alignmentOf(CellAlignment alignment)
{
    return alignment == CellAlignment::Left ? Qt::AlignLeft : Qt::AlignRight;
}

} // namespace

ResultsListWindow::ResultsListWindow(const QString& title, const ResultsGrid& grid, QWidget* parent)
    : QDialog(parent)
    , list_(createReportList(this, title))
{
    setWindowTitle(title);
    setModal(true);
    list_->setAccessibleDescription(tr("Lista wyników"));
    fillColumns(grid);
    fillRows(grid);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(list_);

    resize(qMin(reportWidth(list_) + 40, 1200), 480);
    list_->setFocus();
}

int ResultsListWindow::dialogUnitsToPixels(int dialogUnits, int averageCharWidth)
{
    return dialogUnits * averageCharWidth / 4;
}

void ResultsListWindow::fillColumns(const ResultsGrid& grid)
{
    const int averageCharWidth = list_->fontMetrics().averageCharWidth();
    std::vector<ReportColumn> columns;
    for (const ResultsColumn& column : grid.columns)
        columns.push_back({fromRecordText(column.title),
                           dialogUnitsToPixels(column.widthInDialogUnits, averageCharWidth),
                           alignmentOf(column.alignment)});
    setReportColumns(list_, columns);
}

void ResultsListWindow::fillRows(const ResultsGrid& grid)
{
    QList<QTreeWidgetItem*> items;
    for (const std::vector<std::string>& row : grid.rows) {
        auto* item = new QTreeWidgetItem;
        for (int c = 0; c < static_cast<int>(row.size()) && c < static_cast<int>(grid.columns.size()); ++c) {
            item->setText(c, fromRecordText(row[c]));
            item->setTextAlignment(c, alignmentOf(grid.columns[c].alignment) | Qt::AlignVCenter);
        }
        items << item;
    }
    list_->addTopLevelItems(items);
}

} // namespace trop
