#include "navigation_window.h"

#include "entry_icons.h"
#include "navigation_list.h"
#include "nested_window_state.h"
#include "trop/ui/text_codec.h"

#include <QEvent>
#include <QMenu>
#include <QVBoxLayout>

namespace trop {

NavigationWindow::NavigationWindow(NavigationRules& rules, QWidget* parent)
    : QDialog(parent), rules_(rules), list_(new NavigationList(this))
{
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(fromUtf8(rules_.title()));
    setSizeGripEnabled(true);
    resize(560, 360);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(list_);
    list_->setAccessibleName(windowTitle());

    connect(list_, &NavigationList::openRequested, this, &NavigationWindow::openEntry);
    connect(list_, &NavigationList::menuRequested, this, &NavigationWindow::showMenu);
    showEntries();
}

void NavigationWindow::showEntries()
{
    list_->clear();
    for (const NavigationEntry& entry : rules_.entries()) {
        auto* item = new QListWidgetItem(entryIcon(*style(), entry.icon), fromUtf8(entry.text), list_);
        item->setData(Qt::UserRole, entry.data);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    if (list_->count() > 0)
        list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void NavigationWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    followNestedWindowState(*this, event);
}

void NavigationWindow::openEntry(int index)
{
    apply(rules_.openEntry(index));
}

QMenu* NavigationWindow::createMenu(int target)
{
    auto* menu = new QMenu(this);
    for (const MenuEntry& entry : rules_.menuFor(target)) {
        QAction* action = menu->addAction(QString::fromUtf8(entry.text));
        const NavigationCommand command = entry.command;
        connect(action, &QAction::triggered, this, [this, command, target] { apply(rules_.run(command, target)); });
    }
    addOwnMenuEntries(*menu);
    return menu;
}

void NavigationWindow::showMenu(int target, const QPoint& globalPos)
{
    QMenu* menu = createMenu(target);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

void NavigationWindow::apply(CommandResult result)
{
    switch (result) {
    case CommandResult::ListChanged:
        showEntries();
        break;
    case CommandResult::CloseWindow:
        close();
        break;
    case CommandResult::Nothing:
        break;
    }
}

} // namespace trop
