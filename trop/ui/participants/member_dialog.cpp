#include "member_dialog.h"

#include "trop/ui/dialogs/dialog_parts.h"
#include "trop/ui/text_codec.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace trop {
namespace {

constexpr const char* kYearLabel = "Rocznik";

std::size_t indexOf(MemberField field)
{
    return static_cast<std::size_t>(field);
}

} // namespace

const char* memberFieldLabel(MemberField field)
{
    switch (field) {
    case MemberField::Surname:
        return "Nazwisko";
    case MemberField::FirstName:
        return "Imię";
    case MemberField::Club:
        return "Klub";
    case MemberField::EntryFee:
        return "Wpisowe";
    case MemberField::PostCode:
        return "Kod pocztowy";
    case MemberField::Town:
        return "Miejscowość";
    case MemberField::Street:
        return "Adres / ulica, nr domu";
    case MemberField::Remarks:
        break;
    }
    return "Uwagi";
}

MemberDialog::MemberDialog(MemberDialogFlow& flow, QWidget* parent) : QDialog(parent), flow_(flow)
{
    setWindowTitle(fromUtf8(flow_.title()));
    auto* form = new QFormLayout;
    for (MemberField which : kMemberFields) {
        const QString label = QString::fromUtf8(memberFieldLabel(which));
        QLineEdit* edit = createTextField(this, memberFieldCapacity(which), label);
        edit->setText(fromCp1250(memberFieldText(flow_.record(), which)));
        edit->setMinimumWidth(which == MemberField::Remarks ? 420 : 260);
        fields_[indexOf(which)] = edit;
        form->addRow(label, edit);
        if (which == MemberField::EntryFee) { // the year follows the entry fee on screen
            year_ = new QLineEdit(fromUtf8(flow_.yearText()), this);
            year_->setValidator(new QRegularExpressionValidator(QRegularExpression("\\d{0,2}"), year_));
            year_->setAccessibleName(kYearLabel);
            year_->setMaximumWidth(48);
            form->addRow(kYearLabel, year_);
        }
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = buttons->addButton("Zapisz", QDialogButtonBox::AcceptRole);
    buttons->addButton("Anuluj", QDialogButtonBox::RejectRole);
    save->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &MemberDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MemberDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    fields_[0]->setFocus();
}

QLineEdit* MemberDialog::field(MemberField which) const
{
    return fields_[indexOf(which)];
}

TypedMember MemberDialog::typed() const
{
    TypedMember typed;
    for (std::size_t i = 0; i < kMemberFields.size(); ++i)
        typed.texts[i] = toCp1250(fields_[i]->text());
    typed.yearText = year_->text().toStdString();
    return typed;
}

void MemberDialog::accept()
{
    if (flow_.accept(typed()))
        QDialog::accept();
}

} // namespace trop
