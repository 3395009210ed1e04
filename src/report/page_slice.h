// A slice of the page window's image on paper, pixel for pixel. The page is mostly black on white:
// that part goes as a one-bit image, and the few pixels of other colours (hatching, the red of the
// critical section) as rectangles of whole pixels. A PDF writer compresses the one-bit image many
// times faster than the same rows in full colour, and the long report of a large design has dozens
// of such slices.
#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

// Rows `first` to `first + count - 1` of `page` scaled into `target`.
void PaintPageSlice(QPainter& painter, const QRectF& target, const QImage& page, int first, int count);
