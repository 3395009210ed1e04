// Guide lines, shear and moment diagrams and the Mmax marker of the page.
#include "diagrams/result_diagrams.h"

#include "analysis/diagram_maxima.h"
#include "analysis/page_mapping.h"
#include "common/number_text.h"

#include <algorithm>

namespace {

constexpr int kShearAxis = 235;
constexpr int kMomentAxis = 335;
constexpr int kHatchStep = 20;

void DrawAxis(Canvas& canvas, int row)
{
    canvas.MoveTo(50, row);
    canvas.LineTo(550, row);
}

void DrawHatchLine(Canvas& canvas, int x, int fromRow, int axisRow)
{
    canvas.MoveTo(x, fromRow);
    canvas.LineTo(x, axisRow);
}

void DrawShearStep(Canvas& canvas, int xa, int xb, int y)
{
    canvas.MoveTo(xa, kShearAxis);
    canvas.LineTo(xa, y);
    canvas.LineTo(xb, y);
    canvas.LineTo(xb, kShearAxis);
    for (int k = 0; k <= (xb - xa) / kHatchStep; ++k) DrawHatchLine(canvas, xa + kHatchStep * k, y, kShearAxis);
}

// Hatch under the straight course from (xa, ya) to (xb, yb). Two terms on one column have no
// course to hatch.
void DrawMomentHatch(Canvas& canvas, int xa, int ya, int xb, int yb)
{
    const int dx = xb - xa;
    const int dy = yb - ya;
    if (dy != 0 && dx == 0) return;
    const long double slope = dy != 0 ? static_cast<long double>(dy) / dx : 0;
    for (int i = 0; i <= dx / kHatchStep; ++i) {
        const int row = static_cast<int>(Round(ya + i * slope * kHatchStep));
        DrawHatchLine(canvas, xa + kHatchStep * i, row, kMomentAxis);
    }
}

} // namespace

void DrawTermGuides(Canvas& canvas, const Tincarcare& terms, long double shaftLength)
{
    if (!(shaftLength > 0)) return;
    for (const Tvector& term : terms) {
        const int x = PagePosX(term.Position, shaftLength);
        canvas.MoveTo(x, 55);
        canvas.LineTo(x, 380);
    }
}

void DrawShearDiagram(Canvas& canvas, const Tav2& shear, const Tincarcare& terms,
                      long double shaftLength)
{
    if (!(shaftLength > 0)) return;
    canvas.TextOut(30, 228, "F");
    canvas.TextOut(40, 221, "+");
    canvas.TextOut(41, 236, "-");
    DrawAxis(canvas, kShearAxis);
    const long double vmax = MaxShear(shear);
    const size_t segments = std::min(shear.size(), terms.empty() ? 0 : terms.size() - 1);
    for (size_t j = 0; j < segments; ++j) {
        DrawShearStep(canvas, PagePosX(terms[j].Position, shaftLength),
                      PagePosX(terms[j + 1].Position, shaftLength),
                      PageValueY(kShearAxis, vmax, -shear[j].Shear));
    }
}

void DrawMomentDiagram(Canvas& canvas, TAnalysisState& state, const Tav& moments,
                       const Tincarcare& terms)
{
    const long double shaftLength = state.ShaftLength;
    if (!(shaftLength > 0)) return;
    canvas.TextOut(30, 328, "M");
    canvas.TextOut(41, 321, "-");
    canvas.TextOut(40, 336, "+");
    DrawAxis(canvas, kMomentAxis);
    const size_t count = std::min(moments.size(), terms.size());
    if (count == 0) return;
    const long double vmax = MaxMoment(state, moments);
    const auto y = [&](long double v) { return int(PageValueY(kMomentAxis, vmax, v)); };
    const auto x = [&](size_t k) { return int(PagePosX(terms[k].Position, shaftLength)); };
    canvas.MoveTo(x(0), kMomentAxis);
    canvas.LineTo(x(0), y(moments[0].Right));
    canvas.MoveTo(x(count - 1), y(moments[count - 1].Right));
    canvas.LineTo(x(count - 1), kMomentAxis);
    for (size_t k = 0; k + 1 < count; ++k) {
        canvas.MoveTo(x(k), y(moments[k].Right));
        canvas.LineTo(x(k + 1), y(moments[k + 1].Left));
        canvas.LineTo(x(k + 1), y(moments[k + 1].Right));
        DrawMomentHatch(canvas, x(k), y(moments[k].Right), x(k + 1), y(moments[k + 1].Left));
    }
}

void DrawMmaxMarker(Canvas& canvas, int column, const QColor& circleColor, const QColor& lineColor,
                    long double mmax, const QString& numFormat)
{
    const QColor previousPen = canvas.Pen.Color;
    canvas.Pen.Color = circleColor;
    canvas.Ellipse(column - 4, 61, column + 4, 69);
    canvas.Pen.Color = lineColor;
    canvas.MoveTo(column, 67);
    canvas.LineTo(column, 380);
    canvas.Font.Color = lineColor;
    const QString counted = "Mmax= " + FormatFloat(numFormat, mmax);
    canvas.TextOut(column - 3 * int(counted.size()), 385, counted + " N*mm");
    canvas.Font.Color = Qt::black;
    canvas.Pen.Color = previousPen;
}
