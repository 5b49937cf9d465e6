// A navigation window: a resizable modal dialog whose icon list fills it.
// It shows the entries of its rules and forwards double clicks and popup
// commands to them; everything a command means is decided by the rules.
#pragma once

#include "navigation_rules.h"

#include <QDialog>

class QMenu;

namespace trop {

class NavigationList;

class NavigationWindow : public QDialog {
    Q_OBJECT
public:
    explicit NavigationWindow(NavigationRules& rules, QWidget* parent = nullptr);

    NavigationList* list() const { return list_; }

    // The popup that a menu request on target shows; its commands apply to
    // target. Owned by the caller.
    QMenu* createMenu(int target);

    // Shows the entries of the rules anew.
    void showEntries();

protected:
    // Lets a window add entries of its own at the end of every popup.
    virtual void addOwnMenuEntries(QMenu& menu) { (void)menu; }

    // A nested window and the windows below it are minimised and restored
    // together, so a blocked window never stands alone on the screen.
    void changeEvent(QEvent* event) override;

private:
    void openEntry(int index);
    void showMenu(int target, const QPoint& globalPos);
    void apply(CommandResult result);

    NavigationRules& rules_;
    NavigationList* list_;
};

} // namespace trop
