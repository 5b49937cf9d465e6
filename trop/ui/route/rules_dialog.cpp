#include "rules_dialog.h"

#include "list_activation.h"
#include "trop/ui/dialogs/dialog_parts.h"
#include "trop/ui/text_codec.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace trop {

namespace {

QLineEdit* numberField(QWidget* parent, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setAccessibleName(QString::fromUtf8(name));
    field->setMaximumWidth(80);
    return field;
}

QListWidget* orderList(QGroupBox* box)
{
    auto* list = new QListWidget(box);
    list->setMinimumSize(160, 200);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(list);
    return list;
}

} // namespace

RulesDialog::RulesDialog(RulesDialogRules& rules, const QString& title, QWidget* parent)
    : QDialog(parent), rules_(rules)
{
    setWindowTitle(title);
    createWidgets();
    setLayout(createLayout());
    showFields(rules_.storedFields());
    showLists();
}

void RulesDialog::createWidgets()
{
    chosenBox_ = new QGroupBox(this);
    availableBox_ = new QGroupBox(this);
    chosen_ = orderList(chosenBox_);
    available_ = orderList(availableBox_);
    chosen_->setAccessibleName("Wybrane");
    available_->setAccessibleName(QString::fromUtf8("Dostępne"));
    required_ = numberField(this, "Ilość potwierdzeń");
    constant_ = numberField(this, "Stała etapu");
    timeLimit_ = numberField(this, "Limit czasu");
    lateLimit_ = numberField(this, "Limit spóźnień");
    taskValue_ = numberField(this, "Prawidłowa wartość");
    taskPenalty_ = numberField(this, "Odchyłka za 1 punkt");
    compute_ = new QPushButton("Oblicz", this);
    compute_->setAutoDefault(false);
    const char* ruleNames[] = {"Dowolna kolejność potwierdzania", "Obowiązkowa kolejność potwierdzania punktów",
                               "Obowiązkowa kolejność potwierdzania grup"};
    for (int rule = 0; rule < 3; ++rule) {
        ruleButtons_[rule] = new QRadioButton(QString::fromUtf8(ruleNames[rule]), this);
        connect(ruleButtons_[rule], &QRadioButton::clicked, this, [this, rule] {
            if (rules_.setOrderRule(rule))
                showLists();
        });
    }
    wrongDescription_ = new QCheckBox(QString::fromUtf8("Zły opis = punkt mylny"), this);
    task_ = new QCheckBox("Zadanie", this);
    percent_ = new QCheckBox("%", this);
    connect(task_, &QCheckBox::toggled, this, &RulesDialog::showTaskEnabled);
    connect(compute_, &QPushButton::clicked, this, [this] {
        RulesFields fields = typedFields();
        const RulesField refused = rules_.compute(fields);
        if (refused != RulesField::None)
            focusField(refused);
        else
            constant_->setText(fromUtf8(fields.stageConstant));
    });
    setListActions(available_, {[this](int line) {
                       if (rules_.choose(line))
                           showLists();
                   }});
    setListActions(chosen_, {[this](int line) {
                       if (rules_.unchoose(line))
                           showLists();
                   }});
    connect(chosen_, &QListWidget::currentRowChanged, this, [this](int row) { rules_.selectChosenLine(row); });
}

QLayout* RulesDialog::createLayout()
{
    auto* lists = new QHBoxLayout;
    lists->addWidget(chosenBox_);
    lists->addWidget(availableBox_);

    auto* form = new QFormLayout;
    const auto addRow = [&](const char* text, QWidget* field, QWidget* extra = nullptr) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setBuddy(field);
        if (!extra) {
            form->addRow(label, field);
            return;
        }
        auto* row = new QHBoxLayout;
        row->addWidget(field);
        row->addWidget(extra);
        row->addStretch();
        form->addRow(label, row);
    };
    addRow("Limit czasu", timeLimit_);
    addRow("Limit spóźnień", lateLimit_);
    addRow("Stała etapu", constant_, compute_);
    addRow("Ilość potwierdzeń", required_, new QLabel(QString::fromUtf8("(z pominięciem LOP'ek i obszarów)"), this));

    auto* taskForm = new QFormLayout;
    auto* valueLabel = new QLabel(QString::fromUtf8("Prawidłowa wartość"), this);
    valueLabel->setBuddy(taskValue_);
    taskForm->addRow(valueLabel, taskValue_);
    auto* penaltyLabel = new QLabel(QString::fromUtf8("Odchyłka za 1 punkt"), this);
    penaltyLabel->setBuddy(taskPenalty_);
    auto* penaltyRow = new QHBoxLayout;
    penaltyRow->addWidget(taskPenalty_);
    penaltyRow->addWidget(percent_);
    penaltyRow->addStretch();
    taskForm->addRow(penaltyLabel, penaltyRow);

    auto* side = new QVBoxLayout;
    for (QRadioButton* button : ruleButtons_)
        side->addWidget(button);
    side->addWidget(wrongDescription_);
    side->addLayout(form);
    side->addWidget(task_);
    side->addLayout(taskForm);
    side->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(lists);
    top->addLayout(side);
    QDialogButtonBox* buttons = createOkCancelButtons(*this);
    // "Anuluj" closes without a question; only the close box asks.
    disconnect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { QDialog::reject(); });
    auto* layout = new QVBoxLayout;
    layout->addLayout(top);
    layout->addWidget(buttons);
    return layout;
}

QLineEdit* RulesDialog::field(RulesField which) const
{
    switch (which) {
    case RulesField::RequiredConfirmations: return required_;
    case RulesField::StageConstant: return constant_;
    case RulesField::LateLimit: return lateLimit_;
    case RulesField::TimeLimit: return timeLimit_;
    case RulesField::TaskCorrectValue: return taskValue_;
    case RulesField::TaskPenaltyPerPoint: return taskPenalty_;
    case RulesField::None: break;
    }
    return nullptr;
}

void RulesDialog::showFields(const RulesFields& fields)
{
    required_->setText(fromUtf8(fields.requiredConfirmations));
    constant_->setText(fromUtf8(fields.stageConstant));
    timeLimit_->setText(fromUtf8(fields.timeLimit));
    lateLimit_->setText(fromUtf8(fields.lateLimit));
    taskValue_->setText(fromUtf8(fields.taskCorrectValue));
    taskPenalty_->setText(fromUtf8(fields.taskPenaltyPerPoint));
    wrongDescription_->setChecked(fields.wrongDescriptionIsWrongPoint);
    task_->setChecked(fields.taskEnabled);
    percent_->setChecked(fields.taskDeviationInPercent);
    showTaskEnabled();
}

RulesFields RulesDialog::typedFields() const
{
    const auto text = [](const QLineEdit* edit) { return edit->text().toStdString(); };
    return RulesFields{text(required_),  text(constant_),    text(timeLimit_),
                       text(lateLimit_), text(taskValue_),   text(taskPenalty_),
                       wrongDescription_->isChecked(), task_->isChecked(), percent_->isChecked()};
}

void RulesDialog::showTaskEnabled()
{
    for (QWidget* widget : std::initializer_list<QWidget*>{taskValue_, taskPenalty_, percent_})
        widget->setEnabled(task_->isChecked());
}

void RulesDialog::showLists()
{
    ruleButtons_[std::clamp(rules_.orderRule(), 0, 2)]->setChecked(true);
    chosenBox_->setTitle(fromCp1250(rules_.chosenCaption()));
    availableBox_->setTitle(fromCp1250(rules_.availableCaption()));
    const int selected = rules_.selectedChosenLine();
    const int availableRow = available_->currentRow();
    for (auto [list, lines] : {std::pair{chosen_, rules_.chosenLines()}, std::pair{available_, rules_.availableLines()}}) {
        const QSignalBlocker quiet(list);
        list->clear();
        for (const std::string& line : lines)
            list->addItem(fromCp1250(line));
    }
    {
        const QSignalBlocker quiet(chosen_);
        chosen_->setCurrentRow(selected);
    }
    if (available_->count() > 0)
        available_->setCurrentRow(std::clamp(availableRow, 0, available_->count() - 1));
    for (QWidget* widget : std::initializer_list<QWidget*>{chosenBox_, availableBox_})
        widget->setEnabled(rules_.listsEnabled());
}

void RulesDialog::focusField(RulesField which)
{
    if (QLineEdit* edit = field(which)) {
        edit->setFocus();
        edit->selectAll();
    }
}

void RulesDialog::finish(const RulesStep& step, DialogCode closing)
{
    if (step.closes)
        QDialog::done(closing);
    else
        focusField(step.focus);
}

void RulesDialog::accept()
{
    finish(rules_.accept(typedFields()), Accepted);
}

void RulesDialog::reject()
{
    finish(rules_.close(typedFields()), Rejected);
}

} // namespace trop
