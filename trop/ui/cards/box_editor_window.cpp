#include "box_editor_window.h"

#include "field_leaving.h"

#include "trop/ui/cp1250_validator.h"
#include "trop/ui/text_codec.h"
#include "trop/ui/widgets/code_button.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace trop {
namespace {

constexpr int kCodeColumns = 21;
constexpr int kCodeFieldBytes = 7;
constexpr int kDescriptionBytes = 9; // "LOP " and five characters

QFont largeFont(const QWidget* widget)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * 2);
    font.setBold(true);
    return font;
}

QLineEdit* textField(QWidget* parent, const QString& name, int maxBytes, LetterCase letterCase)
{
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(name);
    limitToCp1250(edit, maxBytes, letterCase);
    return edit;
}

bool isPlainTab(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier;
}

void check(QButtonGroup* group, int id)
{
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

} // namespace

BoxEditorWindow::BoxEditorWindow(BoxEditorRules& rules, QWidget* parent) : QDialog(parent), rules_(rules)
{
    setWindowTitle("Potwierdzenie");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(buildHeader());
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildDescriptions());
    middle->addWidget(buildValue());
    layout->addLayout(middle);
    layout->addWidget(buildCodeButtons());
    layout->addWidget(buildButtons());
    for (QLineEdit* edit : {code_, description_, cardDescription_, correctDescription_, penalty_})
        edit->installEventFilter(this);
    QWidget::setTabOrder(code_, description_);
    showBox();
    focusLater(code_, true);
}

QWidget* BoxEditorWindow::buildHeader()
{
    auto* header = new QWidget(this);
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    boxNumber_ = new QLabel(header);
    boxNumber_->setAccessibleName("Nr potwierdzenia");
    previous_ = new QPushButton("<", header);
    next_ = new QPushButton(">", header);
    previous_->setAccessibleName("Poprzednie potwierdzenie");
    next_->setAccessibleName("Następne potwierdzenie");
    for (QPushButton* button : {previous_, next_})
        button->setAutoDefault(false);
    connect(previous_, &QPushButton::clicked, this, [this] {
        rules_.previousBox();
        showBox();
        focusLater(code_, true);
    });
    connect(next_, &QPushButton::clicked, this, [this] {
        rules_.nextBox();
        showBox();
        focusLater(code_, true);
    });
    code_ = textField(header, "Kod", kCodeFieldBytes, LetterCase::AsTyped);
    description_ = textField(header, "Opis", kDescriptionBytes, LetterCase::Upper);
    for (QLineEdit* edit : {code_, description_}) {
        edit->setFont(largeFont(edit));
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("WWWWWWW"));
    }
    bigButton_ = createCodeButton(header, -1, QString());
    bigButton_->setFocusPolicy(Qt::NoFocus);
    bigButton_->setEnabled(false); // shows the colour only
    bigButton_->setAccessibleName("Kolor kodu");
    bigButton_->setFixedSize(code_->sizeHint().height() * 2, code_->sizeHint().height() * 2);
    kindDisplay_ = new QLabel(header);
    kindDisplay_->setFont(largeFont(kindDisplay_));
    kindDisplay_->setAccessibleName("Rodzaj punktu");
    kindDisplay_->setMinimumWidth(kindDisplay_->fontMetrics().horizontalAdvance("PMM"));
    penaltyDisplay_ = new QLabel(header);
    penaltyDisplay_->setFont(largeFont(penaltyDisplay_));
    penaltyDisplay_->setStyleSheet("color: red;");
    penaltyDisplay_->setAccessibleName("Punkty karne");
    penaltyDisplay_->setMinimumWidth(penaltyDisplay_->fontMetrics().horizontalAdvance("0000"));

    grid->addWidget(new QLabel("Nr potwierdzenia", header), 0, 0);
    grid->addWidget(boxNumber_, 0, 1);
    grid->addWidget(previous_, 0, 2);
    grid->addWidget(next_, 0, 3);
    auto* codeLabel = new QLabel("Kod", header);
    codeLabel->setBuddy(code_);
    auto* descriptionLabel = new QLabel("Opis", header);
    descriptionLabel->setBuddy(description_);
    grid->addWidget(codeLabel, 1, 0);
    grid->addWidget(code_, 1, 1, 1, 3);
    grid->addWidget(descriptionLabel, 1, 4);
    grid->addWidget(description_, 1, 5);
    grid->addWidget(bigButton_, 0, 6, 2, 1);
    grid->addWidget(kindDisplay_, 0, 7, 2, 1);
    grid->addWidget(penaltyDisplay_, 0, 8, 2, 1);
    grid->setColumnStretch(9, 1);
    return header;
}

QButtonGroup* BoxEditorWindow::kindButtons(QWidget* parent, QGridLayout* grid, int row, const QString& groupName)
{
    auto* group = new QButtonGroup(parent);
    const char* texts[] = {"Norm.", "LOP", "OBS"};
    for (int id = 0; id < 3; ++id) {
        auto* radio = new QRadioButton(texts[id], parent);
        radio->setAccessibleName(groupName + " " + texts[id]);
        group->addButton(radio, id);
        grid->addWidget(radio, row, id);
    }
    return group;
}

QWidget* BoxEditorWindow::buildDescriptions()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* card = new QGroupBox("Opis na karcie", column);
    auto* cardGrid = new QGridLayout(card);
    cardKind_ = kindButtons(card, cardGrid, 0, card->title());
    cardDescription_ = textField(card, "Opis na karcie", 4, LetterCase::Upper);
    cardGrid->addWidget(cardDescription_, 1, 0, 1, 3);
    connect(cardKind_, &QButtonGroup::idClicked, this, [this](int id) {
        rules_.setCardDescriptionKind(static_cast<DescriptionKind>(id));
        showBox();
    });

    auto* correct = new QGroupBox("Pawidłowy opis", column);
    auto* correctGrid = new QGridLayout(correct);
    correctKind_ = kindButtons(correct, correctGrid, 0, correct->title());
    autoDescription_ = new QCheckBox("Auto", correct);
    autoDescription_->setAccessibleName("Auto opisu");
    correctGrid->addWidget(autoDescription_, 0, 3);
    correctDescription_ = textField(correct, "Pawidłowy opis", 4, LetterCase::Upper);
    correctGrid->addWidget(correctDescription_, 1, 0, 1, 4);
    connect(correctKind_, &QButtonGroup::idClicked, this, [this](int id) {
        rules_.setCorrectDescriptionKind(static_cast<DescriptionKind>(id));
        showBox();
    });
    connect(autoDescription_, &QCheckBox::clicked, this, [this](bool on) {
        rules_.setAutoDescription(on);
        showBox();
    });

    layout->addWidget(card);
    layout->addWidget(correct);
    return column;
}

QWidget* BoxEditorWindow::buildValue()
{
    auto* value = new QGroupBox("Wartość punktu", this);
    auto* grid = new QGridLayout(value);
    valueKind_ = new QButtonGroup(value);
    const char* kinds[] = {"PK", "PS", "PM"};
    const char* marks[] = {"ZO", "ZK", "ZM"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(kinds[i], value);
        valueKind_->addButton(radio, i);
        grid->addWidget(radio, 0, i);
        marks_[i] = new QCheckBox(marks[i], value);
        grid->addWidget(marks_[i], 1, i);
        connect(marks_[i], &QCheckBox::clicked, this, [this, i](bool on) {
            rules_.setMark(static_cast<BoxMark>(i), on);
            showBox();
        });
    }
    autoValue_ = new QCheckBox("Auto", value);
    autoValue_->setAccessibleName("Auto wartości");
    penalty_ = new QLineEdit(value);
    penalty_->setAccessibleName("Punkty karne pola");
    penalty_->setMaxLength(6);
    grid->addWidget(autoValue_, 0, 3);
    grid->addWidget(penalty_, 1, 3);
    connect(valueKind_, &QButtonGroup::idClicked, this, [this](int id) {
        rules_.setValueKind(id);
        showBox();
    });
    connect(autoValue_, &QCheckBox::clicked, this, [this](bool on) {
        rules_.setAutoValue(on);
        showBox();
    });
    return value;
}

QWidget* BoxEditorWindow::buildCodeButtons()
{
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    grid->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int side = fontMetrics().height() * 2;
    for (int k = 0; k < kMaxCodes; ++k) {
        QWidget* button = createCodeButton(area, k, QString());
        button->setFixedSize(side, side);
        grid->addWidget(button, k / kCodeColumns, k % kCodeColumns);
        onCodeButtonClicked(button, this, [this](int id) {
            rules_.chooseCode(id);
            showBox();
        });
        codeButtons_.push_back(button);
    }
    return area;
}

QWidget* BoxEditorWindow::buildButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    tram_ = new QPushButton("Tramwaj", row);
    tram_->setAutoDefault(false);
    tram_->setVisible(rules_.tramOffered());
    tram_->setEnabled(rules_.tramOffered());
    connect(tram_, &QPushButton::clicked, this, [this] {
        rules_.tram();
        showBox();
    });
    exit_ = new QPushButton("Wyjście", row);
    exit_->setDefault(true);
    connect(exit_, &QPushButton::clicked, this, &BoxEditorWindow::finish);
    layout->addWidget(tram_);
    layout->addStretch();
    layout->addWidget(exit_);
    return row;
}

void BoxEditorWindow::refreshCodeButtons()
{
    if (shownCodesVersion_ == rules_.codesVersion())
        return;
    shownCodesVersion_ = rules_.codesVersion();
    const std::vector<CodeButtonView> codes = rules_.codeButtons();
    for (int k = 0; k < static_cast<int>(codeButtons_.size()); ++k) {
        QWidget* button = codeButtons_[k];
        const bool used = k < static_cast<int>(codes.size());
        button->setVisible(used);
        if (!used)
            continue;
        setCodeButtonText(button, fromCp1250(codes[k].code));
        setCodeButtonColour(button, codes[k].colour);
    }
}

void BoxEditorWindow::showBox()
{
    refreshCodeButtons();
    const BoxEditorView view = rules_.view();
    boxNumber_->setText(QString::number(view.boxNumber));
    code_->setText(fromCp1250(view.code));
    description_->setText(fromCp1250(view.description));
    setCodeButtonColour(bigButton_, view.colour);
    kindDisplay_->setText(fromCp1250(view.kindText));
    penaltyDisplay_->setText(fromCp1250(view.penaltyText));

    check(cardKind_, static_cast<int>(view.cardKind));
    cardDescription_->setText(fromCp1250(view.cardDescription));
    check(correctKind_, static_cast<int>(view.correctKind));
    autoDescription_->setChecked(view.autoDescription);
    correctDescription_->setText(fromCp1250(view.correctDescription));
    for (QAbstractButton* radio : correctKind_->buttons())
        radio->setEnabled(view.correctEnabled());
    correctDescription_->setReadOnly(!view.correctEnabled());

    check(valueKind_, view.valueKind);
    for (int i = 0; i < 3; ++i)
        marks_[i]->setChecked(view.marks[i]);
    autoValue_->setChecked(view.autoValue);
    penalty_->setText(fromCp1250(view.penalty));
    for (QAbstractButton* button : valueKind_->buttons())
        button->setEnabled(view.valueEnabled());
    for (QCheckBox* mark : marks_)
        mark->setEnabled(view.valueEnabled());
    penalty_->setReadOnly(!view.valueEnabled());
    previous_->setEnabled(view.boxNumber > 1);
    next_->setEnabled(view.boxNumber < kBoxCount);
}

void BoxEditorWindow::focusLater(QWidget* widget, bool selectAll)
{
    QTimer::singleShot(0, widget, [widget, selectAll] {
        widget->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && selectAll)
            edit->selectAll();
    });
}

// Takes a field the judge leaves; a refused penalty keeps the focus.
void BoxEditorWindow::leave(QObject* field)
{
    if (field == code_) {
        const EditorFocus focus = rules_.leaveCode(toCp1250(code_->text()));
        showBox();
        if (focus == EditorFocus::Code)
            focusLater(code_, true);
        else
            QTimer::singleShot(0, this, [this] {
                if (focusWidget() == description_)
                    description_->selectAll();
            });
        return;
    }
    if (field == description_)
        rules_.leaveDescription(toCp1250(description_->text()), false);
    else if (field == cardDescription_)
        rules_.leaveCardDescription(toCp1250(cardDescription_->text()));
    else if (field == correctDescription_ && !correctDescription_->isReadOnly())
        rules_.leaveCorrectDescription(toCp1250(correctDescription_->text()));
    else if (field == penalty_ && !penalty_->isReadOnly() && !rules_.leavePenalty(toCp1250(penalty_->text()))) {
        focusLater(penalty_, true);
        return; // the refused text stays for the judge to mend
    }
    showBox();
}

bool BoxEditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (ending_)
        return QDialog::eventFilter(watched, event);
    if (watched == code_ && event->type() == QEvent::FocusIn)
        rules_.codeFieldEntered();
    if (watched == description_ && isPlainTab(event)) {
        rules_.leaveDescription(toCp1250(description_->text()), true);
        showBox();
        focusLater(code_, true);
        return true;
    }
    if (judgeLeftField(event))
        leave(watched);
    return QDialog::eventFilter(watched, event);
}

void BoxEditorWindow::finish()
{
    if (ending_)
        return;
    QWidget* focused = focusWidget();
    if (focused == penalty_ && !penalty_->isReadOnly() && !rules_.leavePenalty(toCp1250(penalty_->text()))) {
        focusLater(penalty_, true);
        return;
    }
    if (focused == description_ || focused == cardDescription_ || focused == correctDescription_)
        leave(focused);
    if (rules_.finish(toCp1250(code_->text())) == EditorFocus::AutoDescription) {
        showBox();
        focusLater(autoDescription_, false);
        return;
    }
    ending_ = true;
    QDialog::done(QDialog::Accepted);
}

void BoxEditorWindow::accept() { finish(); }

void BoxEditorWindow::reject() { finish(); }

} // namespace trop
