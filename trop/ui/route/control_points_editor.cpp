#include "control_points_editor.h"

#include "code_dialog.h"
#include "trop/ui/cp1250_validator.h"
#include "trop/ui/text_codec.h"
#include "trop/ui/widgets/code_button.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace trop {

namespace {

constexpr int kColumns = 21;
constexpr int kButtonSize = 30;
constexpr int kControlsY = 87;
constexpr int kAssociatedY = 172;
constexpr int kCodesY = 250;

QPoint buttonPosition(int column, int y) { return QPoint(23 + 36 * column, y); }

QLabel* addLabel(QWidget* parent, const char* text, QRect where, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(where);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QPushButton* addPushButton(QWidget* parent, const QString& text, const QString& name, QRect where)
{
    auto* button = new QPushButton(text, parent);
    button->setAccessibleName(name);
    button->setAutoDefault(false);
    button->setGeometry(where);
    return button;
}

QLineEdit* addEdit(QWidget* parent, const QString& name, QRect where)
{
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(name);
    edit->setAlignment(Qt::AlignCenter);
    edit->setGeometry(where);
    return edit;
}

QCheckBox* addCheckBox(QWidget* parent, const char* text, QRect where)
{
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setGeometry(where);
    return box;
}

void showFace(QWidget* button, const ButtonFace& face)
{
    setCodeButtonText(button, fromCp1250(face.text));
    setCodeButtonColour(button, face.colour);
    button->setEnabled(face.visible);
    button->setVisible(face.visible);
}

} // namespace

ControlPointsEditor::ControlPointsEditor(ControlPointsRules& rules, const QString& title, QWidget* parent)
    : QDialog(parent), rules_(rules)
{
    setWindowTitle(title);
    setFixedSize(23 + 36 * kColumns + 10, kCodesY + 35 * 8 + 10);
    createFields();
    createColourButtons();
    showCodeButtons();
    showPointButtons();
    showFields(rules_.pointFields());
    next_->setFocus();
}

void ControlPointsEditor::createFields()
{
    previous_ = addPushButton(this, "<", "Poprzedni punkt", QRect(23, 12, 30, 26));
    number_ = addEdit(this, "Nr punktu", QRect(58, 12, 40, 26));
    number_->setReadOnly(true);
    next_ = addPushButton(this, ">", QString::fromUtf8("Następny punkt"), QRect(103, 12, 30, 26));
    addLabel(this, "Nr punktu", QRect(58, 40, 80, 18), number_);

    description1_ = addEdit(this, "Opis punktu", QRect(250, 12, 50, 26));
    description2_ = addEdit(this, QString::fromUtf8("Opis punktu, część 2"), QRect(305, 12, 50, 26));
    for (QLineEdit* part : {description1_, description2_})
        limitToCp1250(part, 3, LetterCase::Upper);
    addLabel(this, "Opis punktu", QRect(160, 12, 85, 26), description1_);

    lop_ = addCheckBox(this, "LOP", QRect(380, 12, 60, 26));
    area_ = addCheckBox(this, "OBSZAR", QRect(445, 12, 90, 26));
    marked_ = addCheckBox(this, "Naniesiony na mapę", QRect(380, 40, 170, 22));
    confirmations_ = addEdit(this, QString::fromUtf8("Ilość potwierdzeń"), QRect(680, 12, 40, 26));
    confirmations_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), confirmations_));
    addLabel(this, "Ilość potwierdzeń", QRect(555, 12, 120, 26), confirmations_);
    delete_ = addPushButton(this, QString::fromUtf8("Usuń"), QString::fromUtf8("Usuń punkt"), QRect(680, 42, 70, 26));

    connect(previous_, &QPushButton::clicked, this, [this] { step(&ControlPointsRules::previous); });
    connect(next_, &QPushButton::clicked, this, [this] { step(&ControlPointsRules::next); });
    connect(lop_, &QCheckBox::clicked, this, [this](bool on) { tick(PointTick::Lop, on); });
    connect(area_, &QCheckBox::clicked, this, [this](bool on) { tick(PointTick::Area, on); });
    connect(marked_, &QCheckBox::clicked, this, [this](bool on) { tick(PointTick::MarkedOnMap, on); });
    connect(delete_, &QPushButton::clicked, this, [this] {
        if (rules_.deletePoint()) {
            showFields(rules_.pointFields());
            showPointButtons();
        }
    });
}

void ControlPointsEditor::createColourButtons()
{
    addLabel(this, "Punkty kontrolne", QRect(23, kControlsY - 20, 300, 18));
    addLabel(this, "Punkty stowarzyszone", QRect(23, kAssociatedY - 20, 300, 18));
    addLabel(this, "Wszystkie rozstawione punkty", QRect(23, kCodesY - 20, 300, 18));
    const auto makeRow = [this](auto& buttons, int firstId, int y, PointList list) {
        for (int column = 0; column < kMaxPointControls; ++column) {
            QWidget* button = createCodeButton(this, firstId + column, "+");
            button->setGeometry(QRect(buttonPosition(column, y), QSize(kButtonSize, kButtonSize)));
            onCodeButtonClicked(button, this, [this, list, firstId](int id) {
                rules_.clickPointButton(list, id - firstId);
                showPointButtons();
            });
            onCodeButtonContextRequested(button, this, [this, list, firstId](int id, QPoint at) {
                pointMenu(list, id - firstId, at);
            });
            button->installEventFilter(this);
            buttons[column] = button;
        }
    };
    makeRow(controlButtons_, kControlButtonId, kControlsY, PointList::Controls);
    makeRow(associatedButtons_, kAssociatedButtonId, kAssociatedY, PointList::Associated);
    for (int position = 0; position < kMaxCodes; ++position) {
        QWidget* button = createCodeButton(this, kCodeButtonId + position, "+");
        const int row = position / kColumns;
        button->setGeometry(QRect(buttonPosition(position % kColumns, kCodesY + 35 * row), QSize(kButtonSize, kButtonSize)));
        onCodeButtonClicked(button, this, [this](int id) { clickCode(id - kCodeButtonId); });
        onCodeButtonContextRequested(button, this, [this](int id, QPoint at) { codeMenu(id - kCodeButtonId, at); });
        button->installEventFilter(this);
        codeButtons_[position] = button;
    }
}

// Rows of the grid: the controls, the associated markers, the 8 code rows.
QWidget* ControlPointsEditor::buttonAt(int row, int column) const
{
    if (row < 0 || row >= 10 || column < 0 || column >= kColumns)
        return nullptr;
    QWidget* button = row == 0   ? controlButtons_[column]
                      : row == 1 ? associatedButtons_[column]
                                 : codeButtons_[(row - 2) * kColumns + column];
    return button->isVisible() ? button : nullptr;
}

// The arrow keys walk the grid of colour buttons; up and down land on the
// nearest shown button of the next row that has one.
QWidget* ControlPointsEditor::buttonBeside(QWidget* button, int key) const
{
    int row = -1;
    int column = -1;
    for (int r = 0; r < 10 && row < 0; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (QWidget* candidate = r == 0 ? controlButtons_[c] : r == 1 ? associatedButtons_[c]
                                                                       : codeButtons_[(r - 2) * kColumns + c];
                candidate == button) {
                row = r;
                column = c;
                break;
            }
    if (row < 0)
        return nullptr;
    if (key == Qt::Key_Left || key == Qt::Key_Right)
        return buttonAt(row, column + (key == Qt::Key_Left ? -1 : 1));
    const int step = key == Qt::Key_Up ? -1 : 1;
    for (int r = row + step; r >= 0 && r < 10; r += step)
        for (int c = column; c >= 0; --c)
            if (QWidget* target = buttonAt(r, c))
                return target;
    return nullptr;
}

bool ControlPointsEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
        if (arrow) {
            if (QWidget* target = buttonBeside(static_cast<QWidget*>(watched), key))
                target->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QWidget* ControlPointsEditor::pointButton(PointList list, int position) const
{
    return (list == PointList::Controls ? controlButtons_ : associatedButtons_)[position];
}

void ControlPointsEditor::showCodeButtons()
{
    for (int position = 0; position < kMaxCodes; ++position)
        showFace(codeButtons_[position], rules_.codeButton(position));
}

void ControlPointsEditor::showPointButtons()
{
    for (int position = 0; position < kMaxPointControls; ++position) {
        showFace(controlButtons_[position], rules_.pointButton(PointList::Controls, position));
        showFace(associatedButtons_[position], rules_.pointButton(PointList::Associated, position));
    }
}

void ControlPointsEditor::showFields(const PointFields& fields)
{
    number_->setText(fromUtf8(rules_.pointNumberText()));
    description1_->setText(fromCp1250(fields.description1));
    description2_->setText(fromCp1250(fields.description2));
    confirmations_->setText(fromCp1250(fields.confirmations));
    lop_->setChecked(fields.isLop);
    area_->setChecked(fields.isArea);
    marked_->setChecked(fields.markedOnMap);
    confirmations_->setEnabled(ControlPointsRules::confirmationsEnabled(fields));
}

PointFields ControlPointsEditor::typedFields() const
{
    return PointFields{toCp1250(description1_->text()), toCp1250(description2_->text()),
                       toCp1250(confirmations_->text()), lop_->isChecked(), area_->isChecked(),
                       marked_->isChecked()};
}

void ControlPointsEditor::focusField(PointField field)
{
    QLineEdit* edit = field == PointField::Description1   ? description1_
                      : field == PointField::Description2 ? description2_
                      : field == PointField::Confirmations ? confirmations_
                                                           : nullptr;
    if (!edit)
        return;
    edit->setFocus();
    edit->selectAll();
}

void ControlPointsEditor::step(PointStep (ControlPointsRules::*move)(PointFields&))
{
    PointFields fields = typedFields();
    const PointStep result = (rules_.*move)(fields);
    if (!result.done) {
        focusField(result.focus);
        return;
    }
    showFields(fields);
    showPointButtons();
}

void ControlPointsEditor::tick(PointTick which, bool checked)
{
    showFields(rules_.tick(typedFields(), which, checked));
}

void ControlPointsEditor::clickCode(int position)
{
    if (rules_.isAddCodePosition(position)) {
        rules_.addCode(runCodeDialog(this, rules_.stage(), "", kNewCodeColour, rules_.customColours()));
        showCodeButtons();
        showPointButtons();
        return;
    }
    if (rules_.clickCode(position))
        showPointButtons();
}

void ControlPointsEditor::codeMenu(int position, QPoint at)
{
    if (!rules_.codeMenuOffered(position))
        return;
    QMenu menu(this);
    QAction* edit = menu.addAction("Edytuj");
    QAction* remove = menu.addAction(QString::fromUtf8("Usuń"));
    remove->setEnabled(rules_.codeDeletionEnabled());
    QAction* chosen = menu.exec(at);
    if (chosen == edit) {
        const ControlCode& entry = rules_.stage().codeTable[rules_.codeEntryAt(position)];
        const std::optional<CodeChoice> choice = runCodeDialog(this, rules_.stage(), std::string(fieldText(entry.code)),
                                                               entry.colour, rules_.customColours());
        if (choice)
            rules_.editCode(position, *choice);
    } else if (chosen == remove) {
        rules_.deleteCode(position);
    }
    showCodeButtons();
    showPointButtons();
}

void ControlPointsEditor::pointMenu(PointList list, int position, QPoint at)
{
    if (!rules_.pointMenuOffered(list, position))
        return;
    QMenu menu(this);
    QAction* remove = menu.addAction(QString::fromUtf8("Usuń"));
    if (menu.exec(at) == remove) {
        rules_.removeMarker(list, position);
        showPointButtons();
    }
}

// Enter presses the focused button and does nothing elsewhere.
void ControlPointsEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ControlPointsEditor::reject()
{
    PointFields fields = typedFields();
    const EditorClosing closing = rules_.close(fields);
    if (!closing.closes) {
        focusField(closing.focus);
        return;
    }
    opensGroups_ = closing.opensGroups;
    QDialog::reject();
}

bool runControlPointsEditor(QWidget* parent, ControlPointsRules& rules, const QString& title)
{
    rules.open();
    if (rules.loadFailed())
        return false;
    ControlPointsEditor editor(rules, title, parent);
    editor.exec();
    return editor.opensGroups();
}

} // namespace trop
