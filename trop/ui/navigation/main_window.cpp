#include "main_window.h"

#include "trop/ui/about_box.h"

#include <QCloseEvent>
#include <QMenu>
#include <QShortcut>

namespace trop {

MainWindow::MainWindow(NavigationRules& rules, QWidget* parent) : NavigationWindow(rules, parent)
{
    auto* about = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(about, &QShortcut::activated, this, &MainWindow::showAbout);
}

void MainWindow::addOwnMenuEntries(QMenu& menu)
{
    menu.addSeparator();
    QAction* about = menu.addAction(QString::fromUtf8(kAboutEntryText));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::showAbout()
{
    showAboutBox(this);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (isMinimized()) {
        event->ignore();
        return;
    }
    NavigationWindow::closeEvent(event);
}

void MainWindow::reject()
{
    if (isMinimized())
        return;
    NavigationWindow::reject();
}

} // namespace trop
