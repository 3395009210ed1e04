// Position markers and the distance chain of the profile editor's image.
#include "diagrams/editor_drawing.h"

#include "analysis/page_mapping.h"
#include "diagrams/dimension_chain.h"

namespace {

constexpr int kEditorAxisRow = 100;
constexpr int kEditorChainRow = 210;

void DrawPointMarker(Canvas& canvas, const TShaftPoint& point, int x)
{
    canvas.Pen.Color = QColor(128, 128, 128);
    canvas.MoveTo(x, 20);
    canvas.LineTo(x, 715);
    canvas.Pen.Color = QColor(0, 0, 255);
    if (point.Bearing != 0) {
        canvas.Ellipse(x - 4, 96, x + 4, 104);
        return;
    }
    canvas.MoveTo(x - 3, 97);
    canvas.LineTo(x + 4, 104);
    canvas.MoveTo(x + 3, 97);
    canvas.LineTo(x - 4, 104);
}

} // namespace

void DrawPointMarkers(Canvas& canvas, const TPuncte& points, long double shaftLength)
{
    if (!(shaftLength > 0)) return;
    canvas.MoveTo(50, kEditorAxisRow);
    canvas.LineTo(550, kEditorAxisRow);
    for (const TShaftPoint& point : points)
        DrawPointMarker(canvas, point, PagePosX(point.Position, shaftLength));
    canvas.Pen.Color = Qt::black;
}

void DrawEditorDimensions(Canvas& canvas, const TPuncte& points, long double shaftLength)
{
    TPuncte ends(2);
    ends[1].Position = shaftLength;
    TPuncte chain = Concatenate(ends, points);
    SortByPosition(chain);
    DrawDimensionChain(canvas, ChainPositions(chain), shaftLength, kEditorChainRow);
}
