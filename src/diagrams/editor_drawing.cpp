// Position markers and the distance chain of the profile editor's image.
#include "diagrams/editor_drawing.h"

#include "analysis/page_mapping.h"
#include "diagrams/dimension_chain.h"

namespace {

constexpr int kEditorAxisRow = 100;
constexpr int kEditorChainRow = 210;

void DrawPointMarker(Canvas& canvas, const TShaftPoint& point, int x, int axis)
{
    canvas.Pen.Color = QColor(128, 128, 128);
    canvas.MoveTo(x, 20);
    canvas.LineTo(x, 715);
    canvas.Pen.Color = QColor(0, 0, 255);
    if (point.Bearing != 0) {
        canvas.Ellipse(x - 4, axis - 4, x + 4, axis + 4);
        return;
    }
    canvas.MoveTo(x - 3, axis - 3);
    canvas.LineTo(x + 4, axis + 4);
    canvas.MoveTo(x + 3, axis - 3);
    canvas.LineTo(x - 4, axis + 4);
}

} // namespace

void DrawPointMarkers(Canvas& canvas, const TPuncte& points, long double shaftLength, const TViewZoom& zoom)
{
    if (!(shaftLength > 0)) return;
    const int axis = ZoomedRow(zoom, 0, kEditorAxisRow);
    canvas.MoveTo(PagePosX(0, shaftLength, zoom), axis);
    canvas.LineTo(PagePosX(shaftLength, shaftLength, zoom), axis);
    for (const TShaftPoint& point : points)
        DrawPointMarker(canvas, point, PagePosX(point.Position, shaftLength, zoom), axis);
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
