// "Grupa nr %d": the group's members and the points that belong to no group,
// moved between the two lists by double click or Enter.
#pragma once

#include "group_dialog_rules.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace trop {

class GroupDialog : public QDialog {
    Q_OBJECT
public:
    GroupDialog(GroupDialogRules& rules, QWidget* parent = nullptr);

    QListWidget* membersList() const { return members_; }
    QListWidget* availableList() const { return available_; }
    QLineEdit* confirmationsEdit() const { return confirmations_; }
    // The group to store after OK.
    const std::optional<PointGroup>& group() const { return group_; }

    void accept() override;

private:
    void move(bool toMembers, int line);
    void showLists();

    GroupDialogRules& rules_;
    QListWidget* members_;
    QListWidget* available_;
    QLineEdit* confirmations_;
    QPushButton* ok_;
    std::optional<PointGroup> group_;
};

} // namespace trop
