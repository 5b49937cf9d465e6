#include "trop/ui/results/results_cell_delegate.h"

#include "trop/ui/results/cell_elision.h"

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

    const QRect textRect = option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
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
