#include "nested_window_state.h"

#include <QDialog>
#include <QEvent>

namespace trop {

void followNestedWindowState(QWidget& window, QEvent* event)
{
    if (event->type() != QEvent::WindowStateChange)
        return;
    QWidget* below = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    if (window.isMinimized()) {
        if (below && !below->isMinimized())
            below->showMinimized();
        return;
    }
    if (below && below->isMinimized())
        below->showNormal();
    for (QDialog* nested : window.findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        if (nested->isVisible() && nested->isMinimized())
            nested->showNormal();
}

} // namespace trop
