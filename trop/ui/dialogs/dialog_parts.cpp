#include "dialog_parts.h"

#include "trop/ui/cp1250_validator.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

namespace trop {

QLineEdit* createTextField(QWidget* parent, int maxLength, const QString& accessibleName)
{
    auto* field = new QLineEdit(parent);
    limitToCp1250(field, maxLength);
    field->setAccessibleName(accessibleName);
    return field;
}

QDialogButtonBox* createOkCancelButtons(QDialog& dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("Anuluj");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

} // namespace trop
