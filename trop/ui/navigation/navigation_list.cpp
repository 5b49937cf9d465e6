#include "navigation_list.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace trop {

NavigationList::NavigationList(QWidget* parent) : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setIconSize(QSize(32, 32));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setWrapping(true);
    setSortingEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setSpacing(8);
    setGridSize(QSize(110, 72));
    setWordWrap(true);
}

int NavigationList::entryAt(const QPoint& pos) const
{
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? index.row() : -1;
}

void NavigationList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        const int index = entryAt(event->position().toPoint());
        if (index >= 0)
            setCurrentRow(index);
        emit menuRequested(index, event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void NavigationList::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
    const int index = entryAt(event->position().toPoint());
    if (index >= 0)
        emit openRequested(index);
}

void NavigationList::keyPressEvent(QKeyEvent* event)
{
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        const int index = currentRow();
        const QRect area = index >= 0 ? visualRect(model()->index(index, 0)) : viewport()->rect();
        emit menuRequested(index, viewport()->mapToGlobal(area.center()));
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept(); // Enter opens nothing in these lists
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace trop
