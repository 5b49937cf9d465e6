// The control points editor: the code table as 168 colour buttons, the
// current point's fields and its 21 control and 21 associated buttons. The
// buttons are created once; every change shows the rules' state again.
#pragma once

#include "control_points_rules.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace trop {

class ControlPointsEditor : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCodeButtonId = 3000;
    static constexpr int kAssociatedButtonId = 4000;
    static constexpr int kControlButtonId = 5000;

    ControlPointsEditor(ControlPointsRules& rules, const QString& title, QWidget* parent = nullptr);

    // Whether the groups window follows, once the editor has closed.
    bool opensGroups() const { return opensGroups_; }

    QWidget* codeButton(int position) const { return codeButtons_[position]; }
    QWidget* pointButton(PointList list, int position) const;
    QLineEdit* descriptionEdit(int part) const { return part == 0 ? description1_ : description2_; }
    QLineEdit* confirmationsEdit() const { return confirmations_; }
    QCheckBox* lopBox() const { return lop_; }
    QCheckBox* areaBox() const { return area_; }
    QCheckBox* markedBox() const { return marked_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* deleteButton() const { return delete_; }

    void reject() override; // the close box and Escape

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createFields();
    void createColourButtons();
    void showCodeButtons();
    void showPointButtons();
    void showFields(const PointFields& fields);
    PointFields typedFields() const;
    void focusField(PointField field);
    void step(PointStep (ControlPointsRules::*move)(PointFields&));
    void tick(PointTick which, bool checked);
    void clickCode(int position);
    void codeMenu(int position, QPoint at);
    void pointMenu(PointList list, int position, QPoint at);
    QWidget* buttonBeside(QWidget* button, int key) const;
    QWidget* buttonAt(int row, int column) const;

    ControlPointsRules& rules_;
    bool opensGroups_ = false;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLineEdit* description1_ = nullptr;
    QLineEdit* description2_ = nullptr;
    QLineEdit* confirmations_ = nullptr;
    QCheckBox* lop_ = nullptr;
    QCheckBox* area_ = nullptr;
    QCheckBox* marked_ = nullptr;
    QPushButton* delete_ = nullptr;
    std::array<QWidget*, kMaxCodes> codeButtons_{};
    std::array<QWidget*, kMaxPointControls> controlButtons_{};
    std::array<QWidget*, kMaxPointControls> associatedButtons_{};
};

// Runs the editor modally over `parent`; false when it did not open (the
// stage definition could not be loaded) or closed with no points.
bool runControlPointsEditor(QWidget* parent, ControlPointsRules& rules, const QString& title);

} // namespace trop
