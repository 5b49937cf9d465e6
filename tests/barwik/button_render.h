#pragma once
// Rendering helpers shared by the colour button tests.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

namespace barwik_test {

// Stands for whatever the parent shows through the open corners.
inline const QColor kBackdrop(255, 0, 255);

// The button painted over the backdrop, pixel for pixel (no scaling).
inline QImage renderButton(QWidget& button)
{
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(kBackdrop);
    button.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

inline QColor rgb(uint colourRef)
{
    return QColor(colourRef & 0xFF, (colourRef >> 8) & 0xFF, (colourRef >> 16) & 0xFF);
}

// Bounding box of the pixels of exactly `colour` within `area`.
inline QRect boxOfColour(const QImage& image, const QColor& colour, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace barwik_test
