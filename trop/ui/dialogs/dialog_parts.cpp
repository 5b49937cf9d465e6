#include "dialog_parts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

namespace trop {

QLineEdit* createTextField(QWidget* parent, int maxLength, const QString& accessibleName)
{
    auto* field = new QLineEdit(parent);
    field->setMaxLength(maxLength);
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
