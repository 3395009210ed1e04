// Symbols of the load scheme on the page.
#include "diagrams/load_symbols.h"

#include "analysis/page_mapping.h"

namespace {

constexpr int kAxisRow = 65;

bool PointsUp(const Tvector& force) { return force.Direction == 1; }

void DrawArrowHead(Canvas& canvas, int a, bool up)
{
    const int baseRow = up ? 75 : 55;
    canvas.MoveTo(a, kAxisRow);
    canvas.LineTo(a - 5, baseRow);
    canvas.LineTo(a + 5, baseRow);
    canvas.LineTo(a, kAxisRow);
    // Three seeds, so that the fill reaches every corner of a head this small.
    const int side = up ? 74 : 56;
    const int inner = up ? 71 : 59;
    canvas.Brush.Color = Qt::black;
    canvas.FloodFill(a + 3, side, Qt::black);
    canvas.FloodFill(a - 3, side, Qt::black);
    canvas.FloodFill(a - 2, inner, Qt::black);
    canvas.Brush.Color = Qt::white;
}

void DrawMomentHead(Canvas& canvas, int a, bool clockwise)
{
    if (clockwise) {
        canvas.MoveTo(a - 12, 55);
        canvas.LineTo(a - 17, 60);
        canvas.MoveTo(a - 12, 55);
        canvas.LineTo(a - 12, 61);
        return;
    }
    canvas.MoveTo(a + 12, 55);
    canvas.LineTo(a + 16, 60);
    canvas.MoveTo(a + 12, 55);
    canvas.LineTo(a + 11, 61);
}

// Where the pen stops after the moment's head.
QPoint MomentHeadEnd(int a, bool clockwise) { return clockwise ? QPoint(a - 12, 61) : QPoint(a + 11, 61); }

// Qt's painter covers the same pixels around each column of the page for the moment's shape, but
// not exactly so where it rounds a pixel on an edge or cuts the shape at the image's border: the
// shape is stamped only where a test compared it with the painter's, the columns of the shaft and
// beyond, and only wholly inside the image.
constexpr int kFirstStampedColumn = 20;
constexpr int kLastStampedColumn = 575;
constexpr int kShapeReach = 20; // columns on either side of a, and rows below 80, that it may cover

bool IsStamped(const Canvas& canvas, int a)
{
    return a >= kFirstStampedColumn && a <= kLastStampedColumn && a + kShapeReach < canvas.Width()
        && 80 + kShapeReach < canvas.Height();
}

// The pixels of the moment's shape, relative to its column on row 0.
std::vector<QPoint> PaintedShapePixels(bool clockwise)
{
    constexpr int kColumn = 100;
    QImage picture(2 * kColumn, 80 + 2 * kShapeReach, QImage::Format_RGB32);
    picture.fill(Qt::white);
    Canvas canvas(picture);
    DrawMomentShape(canvas, kColumn, clockwise);
    std::vector<QPoint> pixels;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != QColor(Qt::white).rgb()) pixels.emplace_back(x - kColumn, y);
    return pixels;
}

const std::vector<QPoint>& MomentShapePixels(bool clockwise)
{
    static const std::vector<QPoint> shapes[] = {PaintedShapePixels(false), PaintedShapePixels(true)};
    return shapes[clockwise ? 1 : 0];
}

void DrawSupport(Canvas& canvas, int a)
{
    canvas.Ellipse(a - 3, 62, a + 3, 68);
    canvas.MoveTo(a, 68);
    canvas.LineTo(a - 11, 97);
    canvas.LineTo(a + 11, 97);
    canvas.LineTo(a, 71);
    for (int k = -9; k <= 11; k += 5) {
        canvas.MoveTo(a + k, 97);
        canvas.LineTo(a + k - 3, 102);
    }
}

} // namespace

void DrawShaftAxis(Canvas& canvas)
{
    canvas.MoveTo(50, kAxisRow);
    canvas.LineTo(550, kAxisRow);
}

void DrawForce(Canvas& canvas, const Tvector& force, long double shaftLength)
{
    if (!(shaftLength > 0)) return;
    const int a = PagePosX(force.Position, shaftLength);
    const bool up = PointsUp(force);
    DrawArrowHead(canvas, a, up);
    canvas.Pen.Width = 2;
    canvas.LineTo(a, up ? 115 : 15);
    canvas.Pen.Width = 1;
    canvas.TextOut(a + 3, up ? 110 : 20, force.Name);
}

void DrawMomentShape(Canvas& canvas, int a, bool clockwise)
{
    canvas.Pen.Width = 2;
    canvas.MoveTo(a, kAxisRow);
    canvas.LineTo(clockwise ? a + 10 : a - 10, 55);
    canvas.Arc(a - 15, 50, a + 15, 80, a - 10, 55, a + 10, clockwise ? 55 : 54);
    DrawMomentHead(canvas, a, clockwise);
    canvas.Pen.Width = 1;
}

void DrawMomentSymbol(Canvas& canvas, const Tvector& moment, long double shaftLength)
{
    if (!(shaftLength > 0)) return;
    const int a = PagePosX(moment.Position, shaftLength);
    const bool clockwise = moment.Direction == 1;
    if (IsStamped(canvas, a)) {
        canvas.SetPixels(QPoint(a, 0), MomentShapePixels(clockwise));
        const QPoint end = MomentHeadEnd(a, clockwise);
        canvas.MoveTo(end.x(), end.y());
        canvas.Pen.Width = 1;
    } else
        DrawMomentShape(canvas, a, clockwise);
    canvas.TextOut(a + 5, 85, moment.Name);
}

void DrawBearing(Canvas& canvas, const Tvector& bearing, long double shaftLength)
{
    if (!(shaftLength > 0)) return;
    DrawSupport(canvas, PagePosX(bearing.Position, shaftLength));
    DrawForce(canvas, bearing, shaftLength);
}
