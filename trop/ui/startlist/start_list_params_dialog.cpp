#include "trop/ui/startlist/start_list_params_dialog.h"

#include "trop/ui/dialogs/dialog_parts.h"
#include "trop/ui/startlist/start_list_params_check.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace trop {

StartListParamsDialog::StartListParamsDialog(const StartListParams& params, QWidget* parent)
    : QDialog(parent)
    , params_(params)
    , interval_(createTextField(this, 6, QString::fromUtf8("Odstęp pomiędzy zespołami")))
    , emptyPositions_(createTextField(this, 6, QString::fromUtf8("Ilość pustych pozycji")))
{
    setWindowTitle(QString::fromUtf8("Parametry nowej listy startowej"));
    interval_->setText(QString::number(params.teamInterval));
    emptyPositions_->setText(QString::number(params.emptyPositions));
    for (QLineEdit* field : {interval_, emptyPositions_}) {
        field->setMaximumWidth(80);
        field->setAlignment(Qt::AlignRight);
    }

    auto* form = new QFormLayout;
    form->addRow(interval_->accessibleName(), interval_);
    form->addRow(emptyPositions_->accessibleName(), emptyPositions_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(createOkCancelButtons(*this));
    interval_->setFocus();
    interval_->selectAll();
}

void StartListParamsDialog::accept()
{
    const StartListParamsCheck check =
        checkStartListParams(interval_->text().toStdString(), emptyPositions_->text().toStdString());
    if (!check.params) {
        QLineEdit* field = check.refused == StartListParamsField::TeamInterval ? interval_ : emptyPositions_;
        field->setFocus();
        field->selectAll();
        return;
    }
    params_ = *check.params;
    QDialog::accept();
}

} // namespace trop
