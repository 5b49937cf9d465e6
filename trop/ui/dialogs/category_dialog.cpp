#include "category_dialog.h"

#include "dialog_parts.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QValidator>
#include <QVBoxLayout>

namespace trop {

namespace {

// Turns whatever is typed into capitals as it is typed.
class CapitalsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override
    {
        (void)position;
        input = input.toUpper();
        return Acceptable;
    }
};

} // namespace

CategoryDialog::CategoryDialog(CategoryDialogFlow& flow, QWidget* parent)
    : QDialog(parent), flow_(flow), choices_(new QButtonGroup(this)),
      prompt_([this] { return askCategoryName(this); })
{
    setWindowTitle("Nowa kategoria");
    auto* grid = new QGridLayout;
    for (int at = 0; at < static_cast<int>(kCategoryChoices.size()); ++at) {
        const QString code = QString::fromUtf8(kCategoryChoices[at]);
        auto* button = new QRadioButton(code, this);
        button->setObjectName(code);
        choices_->addButton(button, at);
        grid->addWidget(button, at % kCategoryChoicesPerColumn, at / kCategoryChoicesPerColumn);
    }
    connect(choices_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            flow_.choose(kCategoryChoices.at(static_cast<std::size_t>(id)));
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(createOkCancelButtons(*this));
}

QRadioButton* CategoryDialog::choiceButton(const QString& code) const
{
    return findChild<QRadioButton*>(code);
}

void CategoryDialog::accept()
{
    if (flow_.accept(prompt_))
        QDialog::accept();
}

CategoryNamePrompt::CategoryNamePrompt(QWidget* parent)
    : QDialog(parent), name_(createTextField(this, kCustomCategoryNameMaxLength, QString::fromUtf8("Podaj nazwę kategorii")))
{
    setWindowTitle(QString::fromUtf8("Podaj nazwę kategorii"));
    name_->setAlignment(Qt::AlignCenter);
    name_->setValidator(new CapitalsValidator(name_));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name_);
    layout->addWidget(createOkCancelButtons(*this));
}

QString CategoryNamePrompt::name() const
{
    return name_->text();
}

void CategoryNamePrompt::accept()
{
    if (name().isEmpty())
        return;
    QDialog::accept();
}

std::optional<std::string> askCategoryName(QWidget* parent)
{
    CategoryNamePrompt prompt(parent);
    if (prompt.exec() != QDialog::Accepted)
        return std::nullopt;
    return prompt.name().toStdString();
}

} // namespace trop
