// When the card windows take a typed field: when the judge sends the focus
// elsewhere (Tab, a click). A message box or a menu opening over the window
// takes the focus too, and must not take the field a second time.
#pragma once

#include <QFocusEvent>

namespace trop {

inline bool judgeLeftField(const QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace trop
