// Text colours that carry a meaning (the cheapest and the dearest price, a hint) drawn in a shade
// that reads on the palette in use, light or dark; the ordinary text colour (black) is the palette's.
#pragma once

#include "core/controls.h"

#include <QColor>
#include <QPalette>

class QWidget;

// The contrast of two colours as WCAG 2 measures it: 1 for the same colour, 21 for black on white.
double contrastRatio(const QColor& a, const QColor& b);

// The shade of `meant` nearest to it that has at least `ratio` against `background`: mixed toward
// black on a light background and toward white on a dark one.
QColor readableOn(const QColor& meant, const QColor& background, double ratio = 4.5);

// Draws the widget's text in `meant`: black as the palette's own text colour, any other colour in
// its shade that reads on the background the widget's text stands on (`background`). Remembered
// as the widget's text colour (textColor) for repaintTextColors.
void setTextColor(QWidget& widget, Rgb meant, QPalette::ColorRole background);
// The colour last given by setTextColor; black when none was.
Rgb textColor(const QWidget& widget);
// Works the shades out again for every widget of `window` that has a text colour, as a change of
// the palette needs.
void repaintTextColors(QWidget& window);
