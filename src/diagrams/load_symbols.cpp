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

void DrawMomentSymbol(Canvas& canvas, const Tvector& moment, long double shaftLength)
{
    if (!(shaftLength > 0)) return;
    const int a = PagePosX(moment.Position, shaftLength);
    const bool clockwise = moment.Direction == 1;
    canvas.Pen.Width = 2;
    canvas.MoveTo(a, kAxisRow);
    canvas.LineTo(clockwise ? a + 10 : a - 10, 55);
    canvas.Arc(a - 15, 50, a + 15, 80, a - 10, 55, a + 10, clockwise ? 55 : 54);
    DrawMomentHead(canvas, a, clockwise);
    canvas.Pen.Width = 1;
    canvas.TextOut(a + 5, 85, moment.Name);
}

void DrawBearing(Canvas& canvas, const Tvector& bearing, long double shaftLength)
{
    if (!(shaftLength > 0)) return;
    DrawSupport(canvas, PagePosX(bearing.Position, shaftLength));
    DrawForce(canvas, bearing, shaftLength);
}
