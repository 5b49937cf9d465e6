// "Nowa kategoria": 14 radio buttons in two columns, none chosen at first,
// and the prompt "Podaj nazwę kategorii" for a custom ("X") category.
#pragma once

#include "category_dialog_flow.h"

#include <QDialog>

#include <optional>
#include <string>

class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace trop {

class CategoryDialog : public QDialog {
    Q_OBJECT
public:
    CategoryDialog(CategoryDialogFlow& flow, QWidget* parent = nullptr);

    QRadioButton* choiceButton(const QString& code) const;

    // Replaces the name prompt (tests answer it without a window).
    void setNamePrompt(CategoryDialogFlow::NamePrompt prompt) { prompt_ = std::move(prompt); }

    void accept() override;

private:
    CategoryDialogFlow& flow_;
    QButtonGroup* choices_;
    CategoryDialogFlow::NamePrompt prompt_;
};

// The name prompt: one short field, typed in capitals and centred. OK with an
// empty field does nothing.
class CategoryNamePrompt : public QDialog {
    Q_OBJECT
public:
    explicit CategoryNamePrompt(QWidget* parent = nullptr);

    QString name() const;
    QLineEdit* nameEdit() const { return name_; }

    void accept() override;

private:
    QLineEdit* name_;
};

// Runs the prompt modally; the name in UTF-8, or nothing when cancelled.
std::optional<std::string> askCategoryName(QWidget* parent);

} // namespace trop
