#include "card_entry_window.h"

#include "box_editor_rules.h"
#include "box_editor_window.h"
#include "card_box_cell.h"
#include "field_leaving.h"

#include "trop/ui/text_codec.h"
#include "trop/ui/widgets/code_button.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace trop {
namespace {

constexpr const char* kFieldNames[kCardFieldCount] = {"TS", "TM", "PK", "Zad."};

QLineEdit* display(QWidget* parent, const QString& name, const char* colour = nullptr)
{
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAccessibleName(name);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("0000000,0"));
    if (colour)
        edit->setStyleSheet(QString("color: %1;").arg(colour));
    return edit;
}

QLabel* labelFor(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CardEntryWindow::CardEntryWindow(CardEntryRules& rules, const QString& title, QWidget* parent)
    : QDialog(parent), rules_(rules)
{
    setWindowTitle(title);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(buildTopStrip());
    layout->addWidget(buildBoxes());
    layout->addWidget(buildButtons());
    setTabOrder();
    new QShortcut(QKeySequence(Qt::Key_PageDown), this, [this] { move(true); });
    new QShortcut(QKeySequence(Qt::Key_PageUp), this, [this] { move(false); });
    showCard();
    focusField(CardField::StartTime);
}

QWidget* CardEntryWindow::buildTopStrip()
{
    auto* strip = new QWidget(this);
    auto* grid = new QGridLayout(strip);
    grid->setContentsMargins(0, 0, 0, 0);
    team_ = display(strip, "Drużyna");
    previous_ = new QPushButton("<", strip);
    next_ = new QPushButton(">", strip);
    previous_->setAccessibleName("Poprzednia karta");
    next_->setAccessibleName("Następna karta");
    // Enter on a focused "<" or ">" presses it instead of OK.
    for (QPushButton* button : {previous_, next_}) {
        button->setAutoDefault(true);
        button->setMaximumWidth(button->fontMetrics().horizontalAdvance("<<<<<"));
    }
    connect(previous_, &QPushButton::clicked, this, [this] { move(false); });
    connect(next_, &QPushButton::clicked, this, [this] { move(true); });
    members_ = new QLabel(strip);
    members_->setAccessibleName("Członkowie drużyny");

    grid->addWidget(labelFor(strip, "Drużyna", team_), 0, 0);
    grid->addWidget(team_, 0, 1);
    grid->addWidget(previous_, 0, 2);
    grid->addWidget(next_, 0, 3);
    grid->addWidget(members_, 0, 4, 1, 10);

    for (int i = 0; i < kCardFieldCount; ++i) {
        fields_[i] = new QLineEdit(strip);
        fields_[i]->setAccessibleName(kFieldNames[i]);
        fields_[i]->setMaxLength(8);
        fields_[i]->setMaximumWidth(fields_[i]->fontMetrics().horizontalAdvance("00000000"));
        fields_[i]->installEventFilter(this);
    }
    field(CardField::PenaltyPoints)->setStyleSheet("color: red;");
    timePenalty_ = display(strip, "TP", "red");
    stagePoints_ = display(strip, "PP", "blue");
    extendedLimit_ = new QCheckBox("T+10%", strip);
    autoScore_ = new QCheckBox("AUTO", strip);
    connect(extendedLimit_, &QCheckBox::clicked, this,
            [this](bool on) { afterCall(rules_.setExtendedLimit(on, typedTexts())); });
    connect(autoScore_, &QCheckBox::clicked, this,
            [this](bool on) { afterCall(rules_.setAutoScore(on, typedTexts())); });
    int column = 0;
    const auto add = [&](const QString& text, QWidget* widget) {
        grid->addWidget(labelFor(strip, text, widget), 1, column++, Qt::AlignRight);
        grid->addWidget(widget, 1, column++);
    };
    add("TS", field(CardField::StartTime));
    add("TM", field(CardField::FinishTime));
    add("TP", timePenalty_);
    add("PK", field(CardField::PenaltyPoints));
    add("PP", stagePoints_);
    grid->addWidget(extendedLimit_, 1, column++);
    grid->addWidget(autoScore_, 1, column++);

    missing_ = new QLabel(strip);
    missing_->setAccessibleName("BP");
    missing_->setMinimumWidth(missing_->fontMetrics().horizontalAdvance(QString(40, 'W')));
    missingLabel_ = labelFor(strip, "BP", missing_);
    missingPenalty_ = display(strip, "Suma BP", "red");
    taskPenalty_ = display(strip, "Kara za zadanie", "red");
    grid->addWidget(missingLabel_, 2, 0, Qt::AlignRight);
    grid->addWidget(missing_, 2, 1, 1, 6);
    grid->addWidget(missingPenalty_, 2, 7);
    grid->addWidget(labelFor(strip, "Zad.", field(CardField::TaskValue)), 2, 8, Qt::AlignRight);
    grid->addWidget(field(CardField::TaskValue), 2, 9);
    grid->addWidget(taskPenalty_, 2, 10);
    return strip;
}

QWidget* CardEntryWindow::buildBoxes()
{
    boxesArea_ = new QWidget(this);
    auto* grid = new QGridLayout(boxesArea_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    for (int box = 0; box < kBoxCount; ++box) {
        boxes_[box] = new CardBoxCell(box, boxesArea_);
        grid->addWidget(boxes_[box], box / 5, box % 5);
        onCodeButtonClicked(boxes_[box]->button(), this, [this](int id) { openEditor(id); });
        onCodeButtonContextRequested(boxes_[box]->button(), this,
                                     [this](int id, QPoint globalPos) { showBoxMenu(id, globalPos); });
    }
    return boxesArea_;
}

QWidget* CardEntryWindow::buildButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    ok_ = new QPushButton("OK", row);
    cancel_ = new QPushButton("Anuluj", row);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &CardEntryWindow::accept);
    connect(cancel_, &QPushButton::clicked, this, &CardEntryWindow::reject);
    layout->addStretch();
    layout->addWidget(ok_);
    layout->addWidget(cancel_);
    return row;
}

// TS, TM, PK, "Zad.", the boxes in box order, ">", "<", then the rest.
void CardEntryWindow::setTabOrder()
{
    QList<QWidget*> chain;
    for (QLineEdit* edit : fields_)
        chain << edit;
    for (CardBoxCell* cell : boxes_)
        chain << cell->button();
    chain << next_ << previous_ << extendedLimit_ << autoScore_ << ok_ << cancel_;
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

QWidget* CardEntryWindow::boxButton(int box) const { return boxes_.at(box)->button(); }

CardFieldTexts CardEntryWindow::typedTexts() const
{
    CardFieldTexts texts;
    for (int i = 0; i < kCardFieldCount; ++i)
        texts[i] = toCp1250(fields_[i]->text());
    return texts;
}

void CardEntryWindow::showCard(RefusedField keepTyped)
{
    const CardView view = rules_.view();
    team_->setText(fromCp1250(view.team));
    members_->setText(fromCp1250(view.members));
    for (CardField f : kCardFields)
        if (f != keepTyped)
            field(f)->setText(fromCp1250(fieldIn(view.fields, f)));
    timePenalty_->setText(fromCp1250(view.timePenalty));
    stagePoints_->setText(fromCp1250(view.stagePoints));
    missing_->setText(fromCp1250(view.missing));
    missingPenalty_->setText(fromCp1250(view.missingPenalty));
    taskPenalty_->setText(fromCp1250(view.taskPenalty));
    extendedLimit_->setChecked(view.extendedLimit);
    autoScore_->setChecked(view.autoScore);
    for (int box = 0; box < kBoxCount; ++box)
        boxes_[box]->display(view.boxes[box]);
    previous_->setEnabled(rules_.hasPrevious());
    next_->setEnabled(rules_.hasNext());
    applyAutoLayout(view.autoScore);
}

// Without AUTO the window shrinks to its top strip: the boxes and the BP line
// are out of view and PK is typed.
void CardEntryWindow::applyAutoLayout(bool autoScore)
{
    field(CardField::PenaltyPoints)->setReadOnly(autoScore);
    field(CardField::PenaltyPoints)->setFocusPolicy(autoScore ? Qt::NoFocus : Qt::StrongFocus);
    if (autoScore == shownAuto_)
        return;
    shownAuto_ = autoScore;
    boxesArea_->setVisible(autoScore);
    for (QWidget* widget : std::initializer_list<QWidget*>{missing_, missingLabel_, missingPenalty_})
        widget->setVisible(autoScore);
}

void CardEntryWindow::afterCall(RefusedField refused)
{
    showCard(refused);
    if (refused)
        focusField(*refused);
}

void CardEntryWindow::focusField(CardField which)
{
    QLineEdit* edit = field(which);
    QTimer::singleShot(0, edit, [edit] {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    });
}

bool CardEntryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (!ending_ && judgeLeftField(event)) {
        for (CardField f : kCardFields)
            if (watched == field(f) && !field(f)->isReadOnly())
                afterCall(rules_.leaveField(f, typedTexts()));
    }
    return QDialog::eventFilter(watched, event);
}

void CardEntryWindow::move(bool next)
{
    if (ending_)
        return;
    const RefusedField refused = next ? rules_.moveNext(typedTexts()) : rules_.movePrevious(typedTexts());
    afterCall(refused);
    if (!refused)
        focusField(CardField::StartTime);
}

void CardEntryWindow::openEditor(int box)
{
    if (ending_)
        return;
    std::unique_ptr<BoxEditorRules> editor = rules_.openBoxEditor(box);
    {
        BoxEditorWindow window(*editor, this);
        window.exec();
    }
    activateWindow();
    afterCall(rules_.boxEditorEnded(*editor, typedTexts()));
    QWidget* button = boxButton(editor->box());
    QTimer::singleShot(0, button, [button] { button->setFocus(Qt::OtherFocusReason); });
}

void CardEntryWindow::showBoxMenu(int box, QPoint globalPos)
{
    if (ending_)
        return;
    QMenu menu("Edycja", this);
    QAction* edit = menu.addAction("Edytuj");
    QAction* insert = menu.addAction("Wstaw");
    QAction* remove = menu.addAction("Usuń");
    insert->setEnabled(rules_.canInsertBox());
    QAction* chosen = menu.exec(globalPos);
    if (chosen == edit)
        openEditor(box);
    else if (chosen == insert)
        afterCall(rules_.insertBox(box, typedTexts()));
    else if (chosen == remove)
        afterCall(rules_.deleteBox(box, typedTexts()));
}

void CardEntryWindow::end(const CardWindowEnding& ending)
{
    if (!ending.closes) {
        afterCall(ending.refused);
        return;
    }
    ending_ = true;
    reportsChange_ = ending.reportsChange;
    QDialog::done(ending.reportsChange ? QDialog::Accepted : QDialog::Rejected);
}

void CardEntryWindow::accept()
{
    if (!ending_)
        end(rules_.confirm(typedTexts()));
}

void CardEntryWindow::reject()
{
    if (!ending_)
        end(rules_.cancel(typedTexts()));
}

} // namespace trop
