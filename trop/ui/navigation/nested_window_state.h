// A modal window nested over another is minimised and restored together with
// the windows below it, so a blocked window never stands alone on the screen.
#pragma once

class QEvent;
class QWidget;

namespace trop {

// To be called from the changeEvent of every nested window (after the base
// class has seen the event): a minimised window takes the window below it
// along; a restored one brings back the window below and any nested dialog
// still minimised above it.
void followNestedWindowState(QWidget& window, QEvent* event);

} // namespace trop
