#include "trop/ui/results/results_list_window.h"

#include "trop/store/cp1250.h"
#include "trop/ui/results/results_cell_delegate.h"

#include <QHeaderView>
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
    , list_(new QTreeWidget(this))
{
    setWindowTitle(title);
    setModal(true);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setItemDelegate(new ResultsCellDelegate(list_));
    list_->setAccessibleName(title);
    list_->setAccessibleDescription(tr("Lista wyników"));
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionsMovable(false);
    fillColumns(grid);
    fillRows(grid);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(list_);

    int width = 0;
    for (int c = 0; c < list_->columnCount(); ++c)
        width += list_->columnWidth(c);
    resize(qMin(width + 40, 1200), 480);
    list_->setFocus();
}

int ResultsListWindow::dialogUnitsToPixels(int dialogUnits, int averageCharWidth)
{
    return dialogUnits * averageCharWidth / 4;
}

void ResultsListWindow::fillColumns(const ResultsGrid& grid)
{
    const int averageCharWidth = list_->fontMetrics().averageCharWidth();
    QStringList titles;
    for (const ResultsColumn& column : grid.columns)
        titles << fromRecordText(column.title);
    list_->setColumnCount(static_cast<int>(grid.columns.size()));
    list_->setHeaderLabels(titles);
    for (int c = 0; c < static_cast<int>(grid.columns.size()); ++c) {
        const ResultsColumn& column = grid.columns[c];
        list_->setColumnWidth(c, dialogUnitsToPixels(column.widthInDialogUnits, averageCharWidth));
        list_->headerItem()->setTextAlignment(c, alignmentOf(column.alignment) | Qt::AlignVCenter);
    }
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
