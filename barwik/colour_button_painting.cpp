#include "barwik/colour_button_painting.h"

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <cstdlib>

namespace barwik {
namespace {

QColor toQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

// A horizontal or vertical line from `from` to `to`, leaving out `to`.
void drawLine(QPainter& painter, QPoint from, QPoint to, const QColor& colour)
{
    QRect pixels;
    if (from.y() == to.y()) {
        if (from.x() == to.x())
            return;
        const int left = from.x() < to.x() ? from.x() : to.x() + 1;
        pixels = QRect(left, from.y(), std::abs(to.x() - from.x()), 1);
    } else {
        const int top = from.y() < to.y() ? from.y() : to.y() + 1;
        pixels = QRect(from.x(), top, 1, std::abs(to.y() - from.y()));
    }
    painter.fillRect(pixels, colour);
}

// Edges are given as Windows-style rectangles: right and bottom exclusive.
struct Edges {
    int left, top, right, bottom;
};

void drawFrame(QPainter& painter, Edges r)
{
    const QColor black(Qt::black);
    drawLine(painter, {r.left + 1, r.top}, {r.right - 1, r.top}, black);
    drawLine(painter, {r.left, r.top + 1}, {r.left, r.bottom - 1}, black);
    drawLine(painter, {r.left + 1, r.bottom - 1}, {r.right - 1, r.bottom - 1}, black);
    drawLine(painter, {r.right - 1, r.top + 1}, {r.right - 1, r.bottom - 1}, black);
}

void drawTopLeftEdge(QPainter& painter, Edges i, const QColor& colour)
{
    drawLine(painter, {i.left, i.top}, {i.right, i.top}, colour);
    drawLine(painter, {i.left, i.top + 1}, {i.right, i.top + 1}, colour);
    drawLine(painter, {i.left, i.top}, {i.left, i.bottom}, colour);
    drawLine(painter, {i.left + 1, i.top}, {i.left + 1, i.bottom}, colour);
}

void drawBottomRightEdge(QPainter& painter, Edges i, const QColor& colour)
{
    drawLine(painter, {i.left, i.bottom - 1}, {i.right, i.bottom - 1}, colour);
    drawLine(painter, {i.left + 1, i.bottom - 2}, {i.right, i.bottom - 2}, colour);
    drawLine(painter, {i.right - 1, i.top}, {i.right - 1, i.bottom}, colour);
    drawLine(painter, {i.right - 2, i.top + 1}, {i.right - 2, i.bottom}, colour);
}

void drawPressedOutline(QPainter& painter, Edges i)
{
    const QColor black(Qt::black);
    const QPoint corners[] = {{i.left, i.top},
                              {i.right - 1, i.top},
                              {i.right - 1, i.bottom - 1},
                              {i.left, i.bottom - 1},
                              {i.left, i.top}};
    for (int k = 0; k + 1 < 5; ++k)
        drawLine(painter, corners[k], corners[k + 1], black);
}

} // namespace

void paintColourButton(QPainter& painter, QSize size, const ColourScheme& scheme, bool pressed,
                       const QString& text)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    const Edges outer{0, 0, size.width(), size.height()};
    drawFrame(painter, outer);

    const Edges inner{outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
    if (inner.right > inner.left && inner.bottom > inner.top) {
        painter.fillRect(QRect(QPoint(inner.left, inner.top), QPoint(inner.right - 1, inner.bottom - 1)),
                         toQColor(scheme.fill));
    }

    drawTopLeftEdge(painter, inner, toQColor(pressed ? scheme.shadow : scheme.highlight));
    if (pressed)
        drawPressedOutline(painter, inner);
    else
        drawBottomRightEdge(painter, inner, toQColor(scheme.shadow));

    QRect textRect(QPoint(inner.left + 2, inner.top + 2), QPoint(inner.right - 3, inner.bottom - 3));
    if (pressed)
        textRect.translate(1, 1);
    painter.setPen(toQColor(scheme.text));
    painter.setBackgroundMode(Qt::TransparentMode);
    // Plain drawText shows '&' as it stands: no mnemonic processing.
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, text);

    painter.restore();
}

} // namespace barwik
