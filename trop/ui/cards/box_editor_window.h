// The confirmation editor window: shows BoxEditorRules and forwards what the
// judge types. "Kod" and "Opis" are taken when the focus leaves them; Tab in
// "Opis" goes on to the next box; Enter, Esc, the close box and "Wyjście"
// end the editor after taking the field that has the focus.
#pragma once

#include "box_editor_rules.h"

#include <QDialog>

#include <array>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace trop {

class BoxEditorWindow : public QDialog {
    Q_OBJECT
public:
    BoxEditorWindow(BoxEditorRules& rules, QWidget* parent = nullptr);

    QLineEdit* codeField() const { return code_; }
    QLineEdit* descriptionField() const { return description_; }
    QPushButton* tramButton() const { return tram_; }
    const std::vector<QWidget*>& codeButtons() const { return codeButtons_; }

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildDescriptions();
    QWidget* buildValue();
    QWidget* buildCodeButtons();
    QWidget* buildButtons();
    QButtonGroup* kindButtons(QWidget* parent, QGridLayout* grid, int row, const QString& groupName);
    void refreshCodeButtons();
    void showBox();
    void leave(QObject* field);
    void focusLater(QWidget* widget, bool selectAll);
    void finish();

    BoxEditorRules& rules_;
    int shownCodesVersion_ = -1;
    bool ending_ = false;
    QLabel* boxNumber_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QLineEdit* code_ = nullptr;
    QLineEdit* description_ = nullptr;
    QWidget* bigButton_ = nullptr;
    QLabel* kindDisplay_ = nullptr;
    QLabel* penaltyDisplay_ = nullptr;
    QButtonGroup* cardKind_ = nullptr;
    QLineEdit* cardDescription_ = nullptr;
    QButtonGroup* correctKind_ = nullptr;
    QCheckBox* autoDescription_ = nullptr;
    QLineEdit* correctDescription_ = nullptr;
    QButtonGroup* valueKind_ = nullptr;
    std::array<QCheckBox*, 3> marks_{};
    QCheckBox* autoValue_ = nullptr;
    QLineEdit* penalty_ = nullptr;
    std::vector<QWidget*> codeButtons_;
    QPushButton* tram_ = nullptr;
    QPushButton* exit_ = nullptr;
};

} // namespace trop
