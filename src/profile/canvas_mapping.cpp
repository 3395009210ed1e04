#include "profile/canvas_mapping.h"

#include "analysis/page_mapping.h"
#include "common/errors.h"

constexpr int kAxisRow = 100;

// The page's column rule: a position lines up with the diagram strips below the band.
int16_t px(long double x, long double shaftLength, const TViewZoom& zoom) { return PagePosX(x, shaftLength, zoom); }

int16_t py(long double y, long double shaftLength, const TViewZoom& zoom)
{
    return ZoomedRow(zoom, CheckedDivide(y * 500, shaftLength), kAxisRow);
}
