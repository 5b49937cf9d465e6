#include "trop/ui/startlist/start_time_edit.h"

#include <QKeyEvent>

namespace trop {

StartTimeEdit::StartTimeEdit(QWidget* parent) : QLineEdit(parent)
{
    setAccessibleName(QStringLiteral("Czas startu"));
    setMaxLength(12);
    setAlignment(Qt::AlignRight);
    setFrame(false); // the cell is too low for a framed box
}

void StartTimeEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        Q_EMIT commitRequested();
        return;
    case Qt::Key_Escape:
        event->accept(); // the window must not close with the edit
        Q_EMIT cancelRequested();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void StartTimeEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A popup (the message shown for a refused value) takes the focus only
    // for a while; a window switch leaves the edit as it is.
    if (isVisible() && event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        Q_EMIT commitRequested();
}

} // namespace trop
