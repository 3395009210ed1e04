#include "profile/editor_zoom.h"

#include <algorithm>
#include <cmath>

namespace {

// The whole-shaft picture: the shaft from column 50 to 550 and its axis on row 100 of 200.
constexpr long double kShaftColumn = 50;
constexpr long double kShaftColumns = 500;
constexpr long double kAxisRow = 100;
constexpr long double kHalfBand = 100;

TViewZoom WithinLimits(TViewZoom zoom)
{
    zoom.ShiftX = std::clamp(zoom.ShiftX, kShaftColumns * (1 - zoom.Scale), 0.0L);
    zoom.ShiftY = std::clamp(zoom.ShiftY, kHalfBand * (1 - zoom.Scale), kHalfBand * (zoom.Scale - 1));
    return zoom;
}

} // namespace

bool IsZoomed(const TViewZoom& zoom) { return !(zoom == WholeShaft()); }

TViewZoom ZoomedAbout(const TViewZoom& zoom, long double factor, QPoint at)
{
    const long double scale = std::clamp(zoom.Scale * factor, 1.0L, kMaxZoom);
    const long double column = at.x() - kShaftColumn;
    const long double row = at.y() - kAxisRow;
    // The distance from the origin that the pointer's pixel shows, kept at the pointer.
    const long double ratio = scale / zoom.Scale;
    return WithinLimits({scale, column - ratio * (column - zoom.ShiftX), row - ratio * (row - zoom.ShiftY)});
}

TViewZoom Panned(const TViewZoom& zoom, QPoint by)
{
    return WithinLimits({zoom.Scale, zoom.ShiftX + by.x(), zoom.ShiftY + by.y()});
}

long double WheelFactor(int angleDelta) { return std::exp2(angleDelta / 240.0L); }
