// Canvas: pen position, lines, rectangles, ellipses and arcs on a QImage by the raster rules of
// the drawing routines.
#include "canvas/canvas.h"

#include "canvas/canvas_painting.h"
#include "canvas/thin_line.h"
#include "common/errors.h"
#include "common/memory_reuse.h"

#include <QPen>
#include <algorithm>
#include <cstring>
#include <cmath>
#include <numbers>

QColor ColorFromValue(unsigned value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

Canvas::Canvas(QImage& image) : image_(&image) {}

QColor Canvas::Pixel(int x, int y) const
{
    if (!image_->valid(x, y)) return QColor();
    return image_->pixelColor(x, y);
}

// A 1-pixel pen leaves out the end pixel of a line. A wider pen is a square
// of Width pixels dragged over the line with square caps: both end points are painted, and
// lines that meet at an end point close their corner instead of leaving a notch.
static QPen CanvasPen(const TPen& pen)
{
    const int width = std::max(pen.Width, 1);
    return QPen(pen.Color, width, Qt::SolidLine, width == 1 ? Qt::FlatCap : Qt::SquareCap,
        Qt::MiterJoin);
}

static QBrush CanvasBrush(const TBrush& brush)
{
    switch (brush.Style) {
    case TBrushStyle::Solid: return QBrush(brush.Color, Qt::SolidPattern);
    case TBrushStyle::VerticalHatch: return QBrush(brush.Color, Qt::VerPattern);
    case TBrushStyle::Clear: break;
    }
    return Qt::NoBrush;
}

void PreparePainter(QPainter& painter, const Canvas& canvas)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode); // hatch gaps keep what lies under them
    painter.setPen(CanvasPen(canvas.Pen));
    painter.setBrush(CanvasBrush(canvas.Brush));
}

bool HasPlainPixels(const QImage& image)
{
    const QImage::Format format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

QRect CoveredBox(int x1, int y1, int x2, int y2)
{
    const QPoint topLeft(std::min(x1, x2), std::min(y1, y2));
    const QPoint bottomRight(std::max(x1, x2) - 1, std::max(y1, y2) - 1);
    return QRect(topLeft, bottomRight); // empty when a corner coordinate repeats
}

void Canvas::MoveTo(int x, int y)
{
    penPos_ = QPoint(x, y);
}

// Whether a pen of `width` painting inside `box` can reach the image: a zoomed drawing leaves most
// of its lines and marks outside, and a painter set up for each of them costs more than they do.
static bool Reaches(const QImage& image, const QRect& box, int width)
{
    const int reach = std::max(width, 1) + 1;
    return box.adjusted(-reach, -reach, reach, reach).intersects(image.rect());
}

void Canvas::LineTo(int x, int y)
{
    const QPoint from = penPos_;
    penPos_ = QPoint(x, y);
    if (from == penPos_ || image_->isNull() || !Reaches(*image_, QRect(from, penPos_).normalized(), Pen.Width)) return;
    if (Pen.Width <= 1) return DrawThinLine(*image_, from, penPos_, Pen.Color);
    QPainter painter(image_);
    PreparePainter(painter, *this);
    painter.drawLine(from, penPos_);
}

// The outline of a 1-pixel pen is laid as four pixel runs, because Qt's rectangle outline for a
// box one pixel wide or high is not the box itself.
static void FillPixels(QImage& image, QRect box, QRgb color)
{
    box &= image.rect();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + box.left(), line + box.right() + 1, color);
    }
}

// A box with a 1-pixel pen and a plain brush is written straight into the pixels: the editor
// redraws hundreds of end marks per keystroke, and a painter per box costs more than the box.
static void ThinBox(QImage& image, const QRect& box, const TPen& pen, const TBrush& brush)
{
    if (brush.Style == TBrushStyle::Solid) FillPixels(image, box.adjusted(1, 1, -1, -1), brush.Color.rgb());
    const QRgb color = pen.Color.rgb();
    FillPixels(image, QRect(box.left(), box.top(), box.width(), 1), color);
    FillPixels(image, QRect(box.left(), box.bottom(), box.width(), 1), color);
    FillPixels(image, QRect(box.left(), box.top(), 1, box.height()), color);
    FillPixels(image, QRect(box.right(), box.top(), 1, box.height()), color);
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const QRect box = CoveredBox(x1, y1, x2, y2);
    if (box.isEmpty() || image_->isNull() || !Reaches(*image_, box, Pen.Width)) return;
    if (Pen.Width <= 1 && Brush.Style != TBrushStyle::VerticalHatch && HasPlainPixels(*image_))
        return ThinBox(*image_, box, Pen, Brush);
    QPainter painter(image_);
    PreparePainter(painter, *this);
    if (Pen.Width > 1) {
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        return;
    }
    painter.fillRect(box.adjusted(1, 1, -1, -1), painter.brush());
    const QColor color = Pen.Color;
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), color);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), color);
    painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), color);
    painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), color);
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const QRect box = CoveredBox(x1, y1, x2, y2);
    if (box.isEmpty() || image_->isNull()) return;
    QPainter painter(image_);
    PreparePainter(painter, *this);
    painter.drawEllipse(box.adjusted(0, 0, -1, -1));
}

// Angle in sixteenths of a degree of the point where the radial through (x, y) meets the ellipse
// in `box`, measured as Qt measures it: parametrically, counter-clockwise from three o'clock.
static double RadialAngle(const QRectF& box, int x, int y)
{
    const QPointF centre = box.center();
    // A box one pixel wide or high has an outline of no width: its radials only need a direction.
    const double along = (x - centre.x()) / std::max(box.width(), 1.0);
    const double up = (centre.y() - y) / std::max(box.height(), 1.0);
    return std::atan2(up, along) * 180.0 / std::numbers::pi * 16.0; // atan2(0, 0) is 0, no NaN
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    const QRect box = CoveredBox(x1, y1, x2, y2);
    if (box.isEmpty() || image_->isNull()) return;
    const QRectF outline = QRectF(box.adjusted(0, 0, -1, -1));
    const double start = RadialAngle(outline, x3, y3);
    double span = RadialAngle(outline, x4, y4) - start;
    if (span <= 0) span += 360 * 16; // equal radials: the whole ellipse
    QPainter painter(image_);
    PreparePainter(painter, *this);
    // Shifted to pixel centres, Qt's arc covers the same box as its ellipse.
    painter.drawArc(outline.translated(0.5, 0.5), int(std::nearbyint(start)), int(std::nearbyint(span)));
}

void Canvas::SetPixels(QPoint origin, const std::vector<QPoint>& offsets)
{
    const bool plain = HasPlainPixels(*image_);
    const QRgb color = Pen.Color.rgb();
    for (const QPoint& offset : offsets) {
        const QPoint pixel = origin + offset;
        if (!image_->valid(pixel)) continue;
        if (plain) reinterpret_cast<QRgb*>(image_->scanLine(pixel.y()))[pixel.x()] = color;
        else image_->setPixelColor(pixel, Pen.Color);
    }
}

void Canvas::CopyRect(const QRect& destination, const Canvas& source, const QRect& sourceRect)
{
    if (image_->isNull()) return;
    // Copying within one image reads from a snapshot, so overlapping boxes do not smear.
    const QImage pixels = source.image_ == image_ ? image_->copy(sourceRect) : QImage();
    QPainter painter(image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (pixels.isNull()) painter.drawImage(destination, source.Image(), sourceRect);
    else painter.drawImage(destination, pixels);
}

// A long report grows the page by tens of megabytes: each byte is written once, the old rows
// copied and only the new ones filled.
void Canvas::GrowTo(int height, const QColor& fill)
{
    if (height <= image_->height()) return;
    QImage taller(image_->width(), height, image_->format());
    if (taller.isNull()) RaiseError(QStringLiteral("Out of memory"));
    PrepareForWriting(taller.bits(), size_t(taller.sizeInBytes()));
    for (int y = 0; y < image_->height(); ++y)
        std::memcpy(taller.scanLine(y), image_->constScanLine(y), size_t(image_->bytesPerLine()));
    QPainter painter(&taller);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, image_->height(), taller.width(), height - image_->height(), fill);
    painter.end();
    *image_ = std::move(taller);
}
