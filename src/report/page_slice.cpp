#include "report/page_slice.h"

#include <QPainter>
#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

namespace {

// Colours without their alpha, as the page's pixels are compared.
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xFFFFFF;

// Row `first + y` of the image.
const QRgb* SliceRow(const QImage& image, int first, int y)
{
    return reinterpret_cast<const QRgb*>(image.constScanLine(first + y));
}

// Black pixels as bit 0, every other pixel as bit 1 (white).
QImage BlackOnWhite(const QImage& image, int first, int count)
{
    const int width = image.width();
    QImage bits(width, count, QImage::Format_Mono);
    bits.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const qsizetype bytes = bits.bytesPerLine();
    for (int y = 0; y < count; ++y) {
        const QRgb* row = SliceRow(image, first, y);
        uchar* out = bits.scanLine(y);
        std::fill(out, out + bytes, uchar(0xFF));
        for (int x = 0; x < width; x += 8) {
            uchar byte = 0;
            for (int bit = 0; bit < 8 && x + bit < width; ++bit)
                byte |= uchar(((row[x + bit] & 0xFFFFFF) != kBlack) << (7 - bit));
            out[x >> 3] = byte | uchar(x + 8 > width ? 0xFF >> (width - x) : 0);
        }
    }
    return bits;
}

// A run of one colour along a row, grown downwards while the rows below repeat it.
struct TRun {
    int Left = 0, Right = 0; // columns, both included
    QRgb Color = 0;
    bool operator<(const TRun& other) const
    {
        return std::tie(Left, Right, Color) < std::tie(other.Left, other.Right, other.Color);
    }
};

inline bool BlackOrWhite(QRgb pixel)
{
    const QRgb color = pixel & 0xFFFFFF;
    return color == kBlack || color == kWhite;
}

std::vector<TRun> ColouredRuns(const QRgb* row, int width)
{
    std::vector<TRun> runs;
    for (int x = int(std::find_if_not(row, row + width, [](QRgb pixel) { return BlackOrWhite(pixel); }) - row); x < width;) {
        const QRgb color = row[x] & 0xFFFFFF;
        int end = x + 1;
        while (end < width && (row[end] & 0xFFFFFF) == color) ++end;
        if (color != kBlack && color != kWhite) runs.push_back({x, end - 1, color});
        x = end;
    }
    return runs;
}

// Each run of a colour other than black and white, with the rows it covers.
std::vector<std::pair<TRun, QRect>> ColouredBoxes(const QImage& image, int first, int count)
{
    std::vector<std::pair<TRun, QRect>> boxes;
    std::map<TRun, int> open; // run -> first row it covers
    const auto close = [&](const TRun& run, int top, int bottom) {
        boxes.push_back({run, QRect(QPoint(run.Left, top), QPoint(run.Right, bottom))});
    };
    const int width = image.width();
    for (int y = 0; y < count; ++y) {
        std::map<TRun, int> next;
        for (const TRun& run : ColouredRuns(SliceRow(image, first, y), width)) {
            const auto above = open.find(run);
            next[run] = above == open.end() ? y : above->second;
        }
        for (const auto& [run, top] : open)
            if (!next.count(run)) close(run, top, y - 1);
        open = std::move(next);
    }
    for (const auto& [run, top] : open) close(run, top, count - 1);
    return boxes;
}

} // namespace

void PaintPageSlice(QPainter& painter, const QRectF& target, const QImage& page, int first, int count)
{
    const QImage image = page.depth() == 32 ? page : page.convertToFormat(QImage::Format_RGB32);
    painter.drawImage(target, BlackOnWhite(image, first, count));
    const double scaleX = target.width() / image.width();
    const double scaleY = target.height() / count;
    for (const auto& [run, box] : ColouredBoxes(image, first, count))
        painter.fillRect(QRectF(target.left() + box.left() * scaleX, target.top() + box.top() * scaleY,
                                box.width() * scaleX, box.height() * scaleY),
                         QColor(qRed(run.Color), qGreen(run.Color), qBlue(run.Color)));
}
