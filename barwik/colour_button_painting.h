#pragma once
// Painting of a colour button: a black frame with open corners, the fill, a
// three-dimensional edge and one centred line of text.
//
// Every line is one pixel wide and leaves out its end point. The painter must
// carry the font to draw the text in; the whole of `size` is covered except
// the four corner pixels, which stay as the parent shows them.

#include "barwik/colour_scheme.h"

#include <QSize>
#include <QString>

class QPainter;

namespace barwik {

void paintColourButton(QPainter& painter, QSize size, const ColourScheme& scheme, bool pressed,
                       const QString& text);

} // namespace barwik
