// The groups window: a row per group and the row for a new group; Enter or
// a double click edits, Delete cuts, the menu offers "Edytuj", "Wytnij",
// "Wstaw" and "Zamknij".
#pragma once

#include "groups_window_rules.h"

#include <QDialog>

class QTreeWidget;

namespace trop {

class GroupsWindow : public QDialog {
    Q_OBJECT
public:
    GroupsWindow(GroupsWindowRules& rules, StageDefinition& stage, const QString& title, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    void reject() override; // close box, Escape, "Zamknij"

private:
    void refill(int selectRow);
    void edit(int row);
    void cut(int row);
    void paste(int row);
    void showMenu(int row, QPoint at);

    GroupsWindowRules& rules_;
    StageDefinition& stage_;
    QTreeWidget* list_;
};

} // namespace trop
