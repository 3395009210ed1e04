// A white page with the canvas defaults the drawing routines rely on, and pixel queries for the
// drawing tests.
#pragma once

#include "canvas/canvas.h"

#include <QImage>
#include <QRect>
#include <vector>

struct TPage {
    TPage() { image.fill(Qt::white); }
    TPage(const TPage&) = delete;
    TPage& operator=(const TPage&) = delete;

    QImage image{595, 860, QImage::Format_RGB32};
    Canvas canvas{image};
};

inline bool IsColor(const TPage& page, int x, int y, const QColor& color)
{
    return page.canvas.Pixel(x, y) == color;
}

inline bool IsBlack(const TPage& page, int x, int y) { return IsColor(page, x, y, Qt::black); }
inline bool IsWhite(const TPage& page, int x, int y) { return IsColor(page, x, y, Qt::white); }

// Whether any pixel of `box` has `color`.
inline bool AnyOf(const TPage& page, const QRect& box, const QColor& color)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (IsColor(page, x, y, color)) return true;
    return false;
}

inline bool AllWhite(const TPage& page, const QRect& box)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (!IsWhite(page, x, y)) return false;
    return true;
}

// Columns of `row` between `from` and `to` (inclusive) that hold `color`.
inline std::vector<int> ColumnsOf(const TPage& page, int row, int from, int to, const QColor& color)
{
    std::vector<int> columns;
    for (int x = from; x <= to; ++x)
        if (IsColor(page, x, row, color)) columns.push_back(x);
    return columns;
}

// The box a text occupies when written at (x, y) in the canvas's current font.
inline QRect TextBox(const Canvas& canvas, int x, int y, const QString& text)
{
    return QRect(QPoint(x, y), canvas.TextExtent(text));
}

// Whether `page` shows exactly `text` at (x, y): its box matches the same text written with the
// same canvas settings on a white page.
inline bool ShowsText(const TPage& page, const Canvas& settings, int x, int y, const QString& text)
{
    TPage reference;
    reference.canvas.Font = settings.Font;
    reference.canvas.Brush = settings.Brush;
    reference.canvas.TextOut(x, y, text);
    const QRect box = TextBox(reference.canvas, x, y, text);
    return reference.image.copy(box) == page.image.copy(box) && AnyOf(reference, box, settings.Font.Color);
}
