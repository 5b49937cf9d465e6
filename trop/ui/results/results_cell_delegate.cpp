#include "trop/ui/results/results_cell_delegate.h"

#include "trop/ui/results/cell_elision.h"

#include <QColor>
#include <QPainter>

namespace trop {

void ResultsCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    painter->save();
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);

    QRect textRect = option.rect.adjusted(textMargin_, 0, -textMargin_, 0);
    const QVariant square = index.data(kSquareColourRole);
    if (square.typeId() == QMetaType::QColor) {
        const int side = option.rect.height() - 2;
        const QRect squareRect(option.rect.left() + 1, option.rect.top() + 1, side, side);
        painter->fillRect(squareRect, square.value<QColor>());
        // A thin outline keeps a white or pale marker visible on the list.
        painter->save();
        painter->setPen(option.palette.color(group, QPalette::Mid));
        painter->drawRect(squareRect.adjusted(0, 0, -1, -1));
        painter->restore();
        textRect.setLeft(squareRect.right() + 1 + textMargin_);
    }
    const QFontMetrics metrics(option.font);
    const QString text = elideCellText(index.data(Qt::DisplayRole).toString(), textRect.width(),
                                       [&metrics](const QString& t) { return metrics.horizontalAdvance(t); });
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    const Qt::Alignment horizontal =
        alignment.isValid() ? Qt::Alignment(alignment.toInt()) & Qt::AlignHorizontal_Mask : Qt::AlignLeft;
    painter->drawText(textRect, int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), text);
    painter->restore();
}

} // namespace trop
