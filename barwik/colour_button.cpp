#include "barwik/colour_button.h"

#include "barwik/colour_button_painting.h"
#include "barwik/colour_scheme.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRect>
#include <QtMath>

#include <algorithm>

namespace barwik {

ColourButton::ColourButton(QWidget* parent, int id, const QString& text)
    : QWidget(parent), id_(id)
{
    // Focus comes from a click only; the keyboard never presses the button.
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::ArrowCursor);
    // The right button belongs to the host through contextRequested; keep the
    // parent from opening a menu of its own as well.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setText(text);
}

void ColourButton::setColour(uint colour)
{
    colour_ = colour;
    update();
}

void ColourButton::setText(const QString& text)
{
    text_ = text;
    setAccessibleName(text);
    update();
}

QSize ColourButton::sizeHint() const
{
    // Room for the text inside the frame, edge and margin; always square.
    const QFontMetrics metrics(font());
    const int side = std::max(metrics.height(), metrics.horizontalAdvance(text_)) + 10;
    return {side, side};
}

void ColourButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintColourButton(painter, size(), colourSchemeFor(colour_, isEnabled()), pressed_, text_);
}

// The pointer counts as a 2x2 square ending at the pointer, so a pointer one
// pixel past the right or bottom edge still touches the button.
bool ColourButton::pointerTouchesButton(QPoint position) const
{
    return QRect(position.x() - 1, position.y() - 1, 2, 2).intersects(rect());
}

void ColourButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // Qt grabs the mouse for the pressed widget until the last release.
        setFocus(Qt::MouseFocusReason);
        pressed_ = true;
        pressedOutside_ = false;
        update();
    } else if (event->button() == Qt::RightButton) {
        postContextRequested(event->globalPosition().toPoint());
    }
    event->accept();
}

void ColourButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF position = event->position();
    const bool touches =
        pointerTouchesButton(QPoint(qFloor(position.x()), qFloor(position.y())));
    if (touches && pressedOutside_) {
        pressed_ = true;
        pressedOutside_ = false;
        update();
    } else if (!touches && pressed_) {
        pressed_ = false;
        pressedOutside_ = true;
        update();
    }
    event->accept();
}

void ColourButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const bool wasPressed = pressed_;
    pressed_ = false;
    pressedOutside_ = false;
    if (wasPressed) {
        update();
        postClicked();
    }
    event->accept();
}

void ColourButton::keyPressEvent(QKeyEvent* event) { event->ignore(); }

void ColourButton::keyReleaseEvent(QKeyEvent* event) { event->ignore(); }

void ColourButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        // A button disabled while held must not click once enabled again.
        if (!isEnabled()) {
            pressed_ = false;
            pressedOutside_ = false;
        }
        update();
    }
    QWidget::changeEvent(event);
}

// Notifications reach the host from the event loop, after the mouse event is
// done, so a receiver may delete or rebuild the buttons in its slot.
void ColourButton::postClicked()
{
    QMetaObject::invokeMethod(this, [this] { emit clicked(id_); }, Qt::QueuedConnection);
}

void ColourButton::postContextRequested(QPoint globalPos)
{
    QMetaObject::invokeMethod(
        this, [this, globalPos] { emit contextRequested(id_, globalPos); }, Qt::QueuedConnection);
}

} // namespace barwik
