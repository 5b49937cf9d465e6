// A modal window with one list of results: the overall results of a category
// and the results of one stage look alike and differ only in their rows.
#pragma once

#include "trop/print/results_grid.h"

#include <QDialog>

class QTreeWidget;

namespace trop {

class ResultsListWindow : public QDialog {
    Q_OBJECT
public:
    ResultsListWindow(const QString& title, const ResultsGrid& grid, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }

    // Dialog units of a column width in pixels for the given average
    // character width (a dialog unit is a quarter of it).
    static int dialogUnitsToPixels(int dialogUnits, int averageCharWidth);

private:
    void fillColumns(const ResultsGrid& grid);
    void fillRows(const ResultsGrid& grid);

    QTreeWidget* list_;
};

} // namespace trop
