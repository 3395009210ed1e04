// What the canvas's drawing files share: the painter set up for one primitive, the box rule of
// Rectangle and Ellipse, and the font that stands in for a named one.
#pragma once

#include "canvas/canvas.h"

#include <QFont>
#include <QPainter>

// A painter on the canvas's image with its pen and brush, aliased, for one primitive.
void PreparePainter(QPainter& painter, const Canvas& canvas);

// Whether the image's pixels are 32-bit values that can be written directly.
bool HasPlainPixels(const QImage& image);

// The pixels covered by the box (x1, y1)-(x2, y2): columns x1..x2-1 and rows y1..y2-1 with the
// corners in any order; empty when the corners share a column or a row.
QRect CoveredBox(int x1, int y1, int x2, int y2);

// The name, size and weight of `font`, as one key.
QString FontKey(const TFont& font);

// The installed font that draws `font`, sized at 96 DPI.
const QFont& ScreenFont(const TFont& font);
