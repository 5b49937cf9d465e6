// Small pieces shared by the dialogs.
#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QLineEdit;
class QWidget;

namespace trop {

// A line edit whose typing is limited to maxLength code page 1250 bytes (a
// longer stored text is kept whole), named for assistive tools.
QLineEdit* createTextField(QWidget* parent, int maxLength, const QString& accessibleName);

// OK and "Anuluj", wired to the dialog's accept and reject.
QDialogButtonBox* createOkCancelButtons(QDialog& dialog);

} // namespace trop
