// A white test image and readers of the pixels a drawing changed.
#pragma once

#include "canvas/canvas.h"

#include <QImage>
#include <vector>

inline QImage WhiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

inline bool IsColor(const Canvas& canvas, int x, int y, const QColor& color)
{
    return canvas.Pixel(x, y) == color;
}

// The columns of row y that are not white, in order.
inline std::vector<int> PaintedColumns(const Canvas& canvas, int y)
{
    std::vector<int> columns;
    for (int x = 0; x < canvas.Width(); ++x)
        if (canvas.Pixel(x, y) != QColor(Qt::white)) columns.push_back(x);
    return columns;
}

// The rows of column x that are not white, in order.
inline std::vector<int> PaintedRows(const Canvas& canvas, int x)
{
    std::vector<int> rows;
    for (int y = 0; y < canvas.Height(); ++y)
        if (canvas.Pixel(x, y) != QColor(Qt::white)) rows.push_back(y);
    return rows;
}

inline std::vector<int> Span(int first, int last)
{
    std::vector<int> values;
    for (int v = first; v <= last; ++v) values.push_back(v);
    return values;
}

inline int PaintedCount(const Canvas& canvas)
{
    int count = 0;
    for (int y = 0; y < canvas.Height(); ++y) count += int(PaintedColumns(canvas, y).size());
    return count;
}
