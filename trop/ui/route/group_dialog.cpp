#include "group_dialog.h"

#include "list_activation.h"
#include "trop/ui/dialogs/dialog_parts.h"
#include "trop/ui/text_codec.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace trop {

namespace {

// A list in columns 45 pixels wide, filled top to bottom.
QListWidget* createColumnList(QWidget* parent, const QString& name)
{
    auto* list = new QListWidget(parent);
    list->setAccessibleName(name);
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setGridSize(QSize(45, 20));
    list->setMinimumSize(190, 160);
    return list;
}

} // namespace

GroupDialog::GroupDialog(GroupDialogRules& rules, QWidget* parent) : QDialog(parent), rules_(rules)
{
    setWindowTitle(fromUtf8(rules_.title()));
    members_ = createColumnList(this, QString::fromUtf8("Punkty należące do grupy"));
    available_ = createColumnList(this, QString::fromUtf8("Punkty dostępne"));
    confirmations_ = new QLineEdit(this);
    confirmations_->setAccessibleName(QString::fromUtf8("Ilość potwierdzeń"));
    confirmations_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), confirmations_));
    confirmations_->setMaximumWidth(50);

    auto* layout = new QGridLayout(this);
    const auto addLabelled = [&](const char* text, QWidget* field, int column) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setBuddy(field);
        layout->addWidget(label, 0, column);
        layout->addWidget(field, 1, column);
    };
    addLabelled("Punkty należące do grupy", members_, 0);
    addLabelled("Punkty dostępne", available_, 1);
    auto* confirmationsLabel = new QLabel(QString::fromUtf8("Ilość potwierdzeń"), this);
    confirmationsLabel->setBuddy(confirmations_);
    auto* confirmationsRow = new QHBoxLayout;
    confirmationsRow->addWidget(confirmationsLabel);
    confirmationsRow->addWidget(confirmations_);
    confirmationsRow->addStretch();
    layout->addLayout(confirmationsRow, 2, 0, 1, 2);
    QDialogButtonBox* buttons = createOkCancelButtons(*this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons, 3, 0, 1, 2);

    setListActions(members_, {[this](int line) { move(false, line); }});
    setListActions(available_, {[this](int line) { move(true, line); }});
    showLists();
    confirmations_->setText(fromCp1250(rules_.confirmationsText()));
    available_->setFocus();
}

void GroupDialog::showLists()
{
    const auto fill = [this](QListWidget* list, const std::vector<int>& points) {
        const int current = list->currentRow();
        list->clear();
        for (int point : points)
            list->addItem(fromCp1250(rules_.label(point)));
        if (list->count() > 0)
            list->setCurrentRow(std::clamp(current, 0, list->count() - 1));
    };
    fill(members_, rules_.members());
    fill(available_, rules_.available());
    confirmations_->setText(fromCp1250(rules_.confirmationsText()));
    confirmations_->setEnabled(rules_.confirmationsEnabled());
    ok_->setEnabled(rules_.okEnabled());
}

void GroupDialog::move(bool toMembers, int line)
{
    rules_.setConfirmationsText(toCp1250(confirmations_->text()));
    if (toMembers ? rules_.addMember(line) : rules_.removeMember(line))
        showLists();
}

void GroupDialog::accept()
{
    rules_.setConfirmationsText(toCp1250(confirmations_->text()));
    group_ = rules_.accept();
    if (group_) {
        QDialog::accept();
        return;
    }
    if (confirmations_->isEnabled()) {
        confirmations_->setFocus();
        confirmations_->selectAll();
    }
}

} // namespace trop
