// The board's lines as a table model, so that the view exposes every line as
// accessible table cells to screen readers and UI test tools.
#pragma once

#include "tablo/board/board_rules.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace tablo {

class BoardModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows these columns and lines (texts in code page 1250).
    void show(const std::vector<trop::ResultsColumn>& columns, const std::deque<BoardLine>& lines);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Width of a column in pixels of the 13-pixel base font.
    int baseWidth(int column) const;
    bool stretches(int column) const;

private:
    struct Column {
        QString title;
        int baseWidth;
        Qt::Alignment alignment;
    };
    std::vector<Column> columns_;
    std::vector<QStringList> lines_;
};

} // namespace tablo
