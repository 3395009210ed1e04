#include "common/view_zoom.h"

#include <algorithm>
#include <cmath>
#include <limits>

bool operator==(const TViewZoom& a, const TViewZoom& b)
{
    return a.Scale == b.Scale && a.ShiftX == b.ShiftX && a.ShiftY == b.ShiftY;
}

int16_t ZoomedPixel(long double fromOrigin, long double scale, long double shift, int origin)
{
    const long double low = std::numeric_limits<int16_t>::min() - origin;
    const long double high = std::numeric_limits<int16_t>::max() - origin;
    // Halves to even as Round does; rintl does not save the floating-point state for every pixel.
    return static_cast<int16_t>(std::rintl(std::clamp(fromOrigin * scale + shift, low, high)) + origin);
}

int16_t ZoomedColumn(const TViewZoom& zoom, long double fromOrigin, int origin)
{
    return ZoomedPixel(fromOrigin, zoom.Scale, zoom.ShiftX, origin);
}

int16_t ZoomedRow(const TViewZoom& zoom, long double fromOrigin, int origin)
{
    return ZoomedPixel(fromOrigin, zoom.Scale, zoom.ShiftY, origin);
}
