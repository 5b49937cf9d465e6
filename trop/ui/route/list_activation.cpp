#include "list_activation.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace trop {

namespace {

class ListKeys : public QObject {
public:
    ListKeys(QAbstractItemView* list, ListActions actions) : QObject(list), list_(list), actions_(std::move(actions)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const int row = list_->currentIndex().isValid() ? list_->currentIndex().row() : -1;
        const bool menuKey = key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() & Qt::ShiftModifier);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (row >= 0)
                actions_.activate(row);
            return true;
        }
        if (key->key() == Qt::Key_Delete && actions_.remove) {
            if (row >= 0)
                actions_.remove(row);
            return true;
        }
        if (menuKey && actions_.menu) {
            // The middle of the whole line, whatever column holds the index.
            QRect line = row >= 0 ? list_->visualRect(list_->currentIndex()) : QRect();
            line.setLeft(0);
            line.setRight(list_->viewport()->width());
            actions_.menu(row, list_->viewport()->mapToGlobal(row >= 0 ? line.center() : QPoint()));
            return true;
        }
        return false;
    }

private:
    QAbstractItemView* list_;
    ListActions actions_;
};

} // namespace

void setListActions(QAbstractItemView* list, ListActions actions)
{
    auto* keys = new ListKeys(list, actions);
    list->installEventFilter(keys);
    QObject::connect(list, &QAbstractItemView::doubleClicked, list,
                     [activate = actions.activate](const QModelIndex& index) { activate(index.row()); });
    if (actions.menu) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(list, &QWidget::customContextMenuRequested, list, [list, menu = actions.menu](QPoint at) {
            const QModelIndex index = list->indexAt(at);
            menu(index.isValid() ? index.row() : -1, list->viewport()->mapToGlobal(at));
        });
    }
}

} // namespace trop
