// The owner-drawn report list that the results and start list windows share:
// one selected row at a time drawn in the highlight colours, texts cut with
// "..." to their columns, colour squares where a cell asks for one.
#pragma once

#include <Qt>
#include <QString>

#include <vector>

class QTreeWidget;
class QWidget;

namespace trop {

struct ReportColumn {
    QString title;
    int width; // pixels
    Qt::Alignment alignment;
};

// A list with the results cell delegate, named for assistive tools.
QTreeWidget* createReportList(QWidget* parent, const QString& accessibleName);

// Sets the columns: titles, widths and the alignment of their headers.
void setReportColumns(QTreeWidget* list, const std::vector<ReportColumn>& columns);

// A column width given in pixels of the classic 8-point dialog font (an
// average character of 6 pixels), scaled to the list's font.
int scaledColumnWidth(const QWidget* list, int classicPixels);

// The sum of the column widths.
int reportWidth(const QTreeWidget* list);

} // namespace trop
