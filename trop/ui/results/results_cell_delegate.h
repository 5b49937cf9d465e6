// Draws one cell of a results list: the highlight of a selected row, the
// text cut with "..." to its column, and the column's alignment.
#pragma once

#include <QStyledItemDelegate>

namespace trop {

class ResultsCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Space kept free at each side of a cell's text, in pixels.
    static constexpr int kTextMargin = 3;
};

} // namespace trop
