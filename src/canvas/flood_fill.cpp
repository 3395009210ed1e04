// FloodFill: a scanline fill with the brush, outward from a seed until pixels of the border colour.
#include "canvas/canvas.h"

#include <QBrush>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <deque>
#include <vector>

namespace {

// The pixels a fill has reached, kept only for the rows it reached: the page and the editor fill
// many small arrowheads, and flags for every row, let alone every pixel, of a page grown to
// thousands of rows cost more than the fill.
class TSeenRows {
public:
    bool Has(int x, int y) const
    {
        const size_t row = size_t(y - first_); // a row above the first wraps to a large index
        return row < rows_.size() && !rows_[row].empty() && rows_[row][size_t(x)];
    }

    void Mark(int y, int left, int right, int width)
    {
        std::vector<uint8_t>& row = Row(y);
        if (row.empty()) row.resize(size_t(width));
        std::fill(row.begin() + left, row.begin() + right + 1, uint8_t(1));
    }

private:
    std::vector<uint8_t>& Row(int y)
    {
        if (rows_.empty()) first_ = y;
        for (; y < first_; --first_) rows_.emplace_front();
        if (size_t(y - first_) >= rows_.size()) rows_.resize(size_t(y - first_) + 1);
        return rows_[size_t(y - first_)];
    }

    int first_ = 0;
    std::deque<std::vector<uint8_t>> rows_;
};

// The fill walks runs of one row at a time and keeps its pending seeds on the heap, so a fill
// of a whole page neither recurses nor revisits a pixel.
class BorderFill {
public:
    BorderFill(const QImage& image, QRgb border)
        : pixels_(image.convertToFormat(QImage::Format_RGB32)), border_(border | ~RGB_MASK)
    {
    }

    // The runs of pixels reached from the seed, one rectangle of height 1 each.
    std::vector<QRect> Runs(QPoint seed)
    {
        std::vector<QRect> runs;
        std::vector<QPoint> pending{seed};
        while (!pending.empty()) {
            const QPoint point = pending.back();
            pending.pop_back();
            if (!Open(point.x(), point.y())) continue;
            const QRect run = Run(point);
            runs.push_back(run);
            QueueRow(run, run.y() - 1, pending);
            QueueRow(run, run.y() + 1, pending);
        }
        return runs;
    }

private:
    bool Open(int x, int y) const
    {
        return pixels_.valid(x, y) && !seen_.Has(x, y)
            && reinterpret_cast<const QRgb*>(pixels_.constScanLine(y))[x] != border_;
    }

    // Widens the run through `point` to the border on both sides and marks it seen.
    QRect Run(QPoint point)
    {
        int left = point.x();
        int right = point.x();
        const int y = point.y();
        while (Open(left - 1, y)) --left;
        while (Open(right + 1, y)) ++right;
        seen_.Mark(y, left, right, pixels_.width());
        return QRect(left, y, right - left + 1, 1);
    }

    // One seed for every stretch of open pixels of row y beside the run.
    void QueueRow(const QRect& run, int y, std::vector<QPoint>& pending) const
    {
        bool inStretch = false;
        for (int x = run.left(); x <= run.right(); ++x) {
            const bool open = Open(x, y);
            if (open && !inStretch) pending.emplace_back(x, y);
            inStretch = open;
        }
    }

    const QImage pixels_; // 32-bit opaque pixels, read directly
    QRgb border_;
    TSeenRows seen_;
};

} // namespace

void Canvas::FloodFill(int x, int y, const QColor& border)
{
    if (Brush.Style == TBrushStyle::Clear || !image_->valid(x, y)) return;
    const std::vector<QRect> runs = BorderFill(*image_, border.rgb()).Runs(QPoint(x, y));
    if (Brush.Style == TBrushStyle::Solid && image_->format() == QImage::Format_RGB32) {
        const QRgb color = Brush.Color.rgb();
        for (const QRect& run : runs) {
            QRgb* line = reinterpret_cast<QRgb*>(image_->scanLine(run.y()));
            std::fill(line + run.left(), line + run.right() + 1, color);
        }
        return;
    }
    const QBrush brush(Brush.Color,
        Brush.Style == TBrushStyle::Solid ? Qt::SolidPattern : Qt::VerPattern);
    QPainter painter(image_);
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const QRect& run : runs) painter.fillRect(run, brush);
}
