// The 1-pixel line: every pixel from the start point up to, not including, the end point.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

// Qt's own thin lines leave out whichever end lies right or below, not always the end point,
// so the canvas steps its thin lines itself. Pixels outside the image are skipped.
void DrawThinLine(QImage& image, QPoint from, QPoint to, const QColor& color);
