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
    // textMargin: space kept free at each side of a cell's text, in pixels.
    explicit ResultsCellDelegate(QObject* parent = nullptr, int textMargin = kTextMargin)
        : QStyledItemDelegate(parent), textMargin_(textMargin)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static constexpr int kTextMargin = 3;
    static constexpr int kSquareColourRole = Qt::UserRole + 1;

private:
    int textMargin_;
};

} // namespace trop
