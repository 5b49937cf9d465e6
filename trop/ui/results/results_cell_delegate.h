// Draws one cell of a results list: the highlight of a selected row, the
// text cut with "..." to its column, and the column's alignment. A cell whose
// kSquareColourRole holds a QColor shows a square of that colour, as high as
// the row less 2 pixels and 1 pixel inside its left edge, with the text
// beginning 3 pixels to the right of it.
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
    static constexpr int kSquareColourRole = Qt::UserRole + 1;
};

} // namespace trop
