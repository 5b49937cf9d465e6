// The program's answerer for showMessage: a modal message box over the
// active modal window, with the style's icon, buttons and default button, the
// caption "Trop" and the beep of the platform.
#pragma once

#include "trop/store/messages.h"

#include <QMessageBox>

class QTranslator;
class QCoreApplication;

namespace trop {

// Icon, buttons and default button of a style.
struct MessageBoxLook {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};
MessageBoxLook messageBoxLook(MessageStyle style);

// Builds the box for a request (not shown); the caller owns it.
QMessageBox* createMessageBox(const MessageRequest& request, QWidget* parent);

MessageAnswer answerWithMessageBox(const MessageRequest& request);

// Installs answerWithMessageBox for the whole program.
void installMessageBoxAnswerer();

// Loads the Polish texts of Qt's standard buttons ("Tak", "Nie", "Anuluj")
// into app; false when the translation is not installed.
bool installPolishQtTranslation(QCoreApplication& app, QTranslator& translator);

} // namespace trop
