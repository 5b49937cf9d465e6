// The rules dialog: the order rule with its obligatory order, the stage's
// confirmations, the limits, the stage constant with "Oblicz", and the task.
#pragma once

#include "rules_dialog_rules.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace trop {

class RulesDialog : public QDialog {
    Q_OBJECT
public:
    RulesDialog(RulesDialogRules& rules, const QString& title, QWidget* parent = nullptr);

    QListWidget* chosenList() const { return chosen_; }
    QListWidget* availableList() const { return available_; }
    QLineEdit* field(RulesField which) const;
    QRadioButton* ruleButton(int rule) const { return ruleButtons_[rule]; }
    QPushButton* computeButton() const { return compute_; }
    QCheckBox* taskBox() const { return task_; }

    void accept() override; // OK
    void reject() override; // the close box and Escape

private:
    void createWidgets();
    QLayout* createLayout();
    void showFields(const RulesFields& fields);
    RulesFields typedFields() const;
    void showLists();
    void focusField(RulesField which);
    void finish(const RulesStep& step, DialogCode closing);
    void showTaskEnabled();

    RulesDialogRules& rules_;
    QGroupBox* chosenBox_ = nullptr;
    QGroupBox* availableBox_ = nullptr;
    QListWidget* chosen_ = nullptr;
    QListWidget* available_ = nullptr;
    QLineEdit* required_ = nullptr;
    QLineEdit* constant_ = nullptr;
    QLineEdit* timeLimit_ = nullptr;
    QLineEdit* lateLimit_ = nullptr;
    QLineEdit* taskValue_ = nullptr;
    QLineEdit* taskPenalty_ = nullptr;
    QPushButton* compute_ = nullptr;
    std::array<QRadioButton*, 3> ruleButtons_{};
    QCheckBox* wrongDescription_ = nullptr;
    QCheckBox* task_ = nullptr;
    QCheckBox* percent_ = nullptr;
};

} // namespace trop
