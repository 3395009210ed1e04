// Steps a thin line along its major axis, one pixel per step, the minor coordinate rounded.
#include "canvas/thin_line.h"

#include "canvas/canvas_painting.h"

#include <algorithm>
#include <cstdlib>

// Round(numerator / denominator) for denominator > 0, halves away from the start point, so a
// line and its reverse cover the same pixels apart from their ends.
static long long RoundedQuotient(long long numerator, long long denominator)
{
    const long long half = denominator / 2;
    return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

void DrawThinLine(QImage& image, QPoint from, QPoint to, const QColor& color)
{
    const long long dx = to.x() - from.x();
    const long long dy = to.y() - from.y();
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const long long majorStart = alongX ? from.x() : from.y();
    const long long majorStep = (alongX ? dx : dy) < 0 ? -1 : 1;
    const long long majorSize = alongX ? image.width() : image.height();
    // Only the steps whose major coordinate lies in the image, so a far-off line costs nothing.
    const long long firstIn = majorStep > 0 ? -majorStart : majorStart - (majorSize - 1);
    const long long lastIn = majorStep > 0 ? majorSize - 1 - majorStart : majorStart;
    const long long first = std::max(0LL, firstIn);
    const long long last = std::min(steps - 1, lastIn);
    const bool direct = HasPlainPixels(image);
    uchar* bits = direct ? image.bits() : nullptr;
    const long long width = image.width();
    const long long height = image.height();
    const qsizetype stride = image.bytesPerLine();
    const QRgb value = color.rgba();
    const long long minor = alongX ? dy : dx; // 0 for the many straight lines: no division
    if (direct && minor == 0) {
        // Along a row or a column: one store a pixel, the page's guide lines run hundreds long.
        const long long across = alongX ? from.y() : from.x();
        if (first > last || across < 0 || across >= (alongX ? height : width)) return;
        const long long along = majorStart + first * majorStep;
        uchar* pixel = bits + (alongX ? across : along) * stride + (alongX ? along : across) * qsizetype(sizeof(QRgb));
        const qsizetype step = alongX ? majorStep * qsizetype(sizeof(QRgb)) : majorStep * stride;
        for (long long i = first; i <= last; ++i, pixel += step) *reinterpret_cast<QRgb*>(pixel) = value;
        return;
    }
    for (long long i = first; i <= last; ++i) {
        const long long offset = minor == 0 ? 0 : RoundedQuotient(i * minor, steps);
        const long long x = from.x() + (alongX ? i * majorStep : offset);
        const long long y = from.y() + (alongX ? offset : i * majorStep);
        if (x < 0 || y < 0 || x >= width || y >= height) continue;
        if (direct) reinterpret_cast<QRgb*>(bits + y * stride)[x] = value;
        else image.setPixelColor(int(x), int(y), color);
    }
}
