#include "participants_list.h"

#include "trop/ui/results/results_cell_delegate.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace trop {
namespace {

constexpr int kCellInset = 6;

} // namespace

ParticipantsList::ParticipantsList(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new ResultsCellDelegate(this, kCellInset));
    setContextMenuPolicy(Qt::NoContextMenu);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

int ParticipantsList::currentRow() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

int ParticipantsList::rowAt(const QPoint& viewportPos) const
{
    const QModelIndex index = indexAt(viewportPos);
    return index.isValid() ? index.row() : -1;
}

void ParticipantsList::keyPressEvent(QKeyEvent* event)
{
    const int row = currentRow();
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        const QRect area = row >= 0 ? visualRect(model()->index(row, 1)) : viewport()->rect();
        const QPoint centre = row >= 0 ? QPoint(viewport()->width() / 2, area.center().y()) : area.center();
        emit menuRequested(row, viewport()->mapToGlobal(centre));
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (row >= 0)
            emit editRequested(row);
    } else if (event->key() == Qt::Key_Delete) {
        if (row >= 0)
            emit cutRequested(row);
    } else {
        QTreeWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ParticipantsList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        QTreeWidget::mousePressEvent(event);
        return;
    }
    const int row = rowAt(event->position().toPoint());
    if (row >= 0)
        setCurrentIndex(model()->index(row, 1));
    emit menuRequested(row, event->globalPosition().toPoint());
    event->accept();
}

void ParticipantsList::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const int row = rowAt(event->position().toPoint());
    if (row >= 0)
        emit editRequested(row);
    event->accept();
}

} // namespace trop
