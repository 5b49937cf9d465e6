#include "competition_dialog.h"

#include "competition_dialog_flow.h"
#include "dialog_parts.h"
#include "trop/ui/text_codec.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace trop {

CompetitionDialog::CompetitionDialog(CompetitionDialogFlow& flow, QWidget* parent)
    : QDialog(parent), flow_(flow)
{
    setWindowTitle(fromUtf8(flow_.title()));
    const QString shortNameLabel = QString::fromUtf8("Skrócona nazwa (np. Wrzos '99)");
    shortName_ = createTextField(this, kShortNameMaxLength, shortNameLabel);
    date_ = createTextField(this, kDateTextMaxLength, "Termin");
    for (int line = 0; line < 3; ++line)
        fullNames_[line] = createTextField(this, kFullNameMaxLength,
                                           QString::fromUtf8("Pełna nazwa, wiersz %1").arg(line + 1));

    const CompetitionHeader& header = flow_.header();
    shortName_->setText(fromUtf8(flow_.shortName()));
    shortName_->setReadOnly(!flow_.isNew());
    date_->setText(fieldToQString(header.dateText));
    fullNames_[0]->setText(fieldToQString(header.fullName1));
    fullNames_[1]->setText(fieldToQString(header.fullName2));
    fullNames_[2]->setText(fieldToQString(header.fullName3));

    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->addRow(shortNameLabel, shortName_);
    form->addRow("Termin", date_);
    form->addRow(QString::fromUtf8("Pełna nazwa"), fullNames_[0]);
    form->addRow(fullNames_[1]);
    form->addRow(fullNames_[2]);
    for (QLineEdit* field : {shortName_, date_, fullNames_[0], fullNames_[1], fullNames_[2]}) {
        field->setAlignment(Qt::AlignCenter);
        field->setMinimumWidth(field == shortName_ || field == date_ ? 220 : 420);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(createOkCancelButtons(*this));
    if (!flow_.isNew())
        date_->setFocus();
}

QString CompetitionDialog::shortName() const { return shortName_->text(); }
QString CompetitionDialog::dateText() const { return date_->text(); }
QString CompetitionDialog::fullName(int line) const { return fullNames_.at(line)->text(); }

void CompetitionDialog::accept()
{
    CompetitionHeader header{};
    setFieldFromQString(header.dateText, dateText());
    setFieldFromQString(header.fullName1, fullName(0));
    setFieldFromQString(header.fullName2, fullName(1));
    setFieldFromQString(header.fullName3, fullName(2));
    if (flow_.accept(shortName().toStdString(), header))
        QDialog::accept();
}

} // namespace trop
