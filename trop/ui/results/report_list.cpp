#include "trop/ui/results/report_list.h"

#include "trop/ui/results/results_cell_delegate.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <algorithm>

namespace trop {

QTreeWidget* createReportList(QWidget* parent, const QString& accessibleName)
{
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setItemDelegate(new ResultsCellDelegate(list));
    list->setAccessibleName(accessibleName);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    return list;
}

void setReportColumns(QTreeWidget* list, const std::vector<ReportColumn>& columns)
{
    QStringList titles;
    for (const ReportColumn& column : columns)
        titles << column.title;
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(titles);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        list->setColumnWidth(c, columns[c].width);
        list->headerItem()->setTextAlignment(c, columns[c].alignment | Qt::AlignVCenter);
    }
}

int scaledColumnWidth(const QWidget* list, int classicPixels)
{
    constexpr int kClassicCharWidth = 6;
    return classicPixels * std::max(list->fontMetrics().averageCharWidth(), kClassicCharWidth) / kClassicCharWidth;
}

int reportWidth(const QTreeWidget* list)
{
    int width = 0;
    for (int c = 0; c < list->columnCount(); ++c)
        width += list->columnWidth(c);
    return width;
}

} // namespace trop
