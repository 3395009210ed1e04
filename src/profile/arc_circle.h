// The circle an arc statement lies on, read one way wherever an arc is turned into geometry: the
// solid's profile points, the strength check's contour and the DXF drawing.
#pragma once

#include "profile/dhl_statement.h"

struct TArcCircle {
    long double CX = 0, CY = 0, Radius = 0;
};

// The centre of the bounding box, and the larger of the distances along x from the centre to the
// start and to the end point: the true radius of a quarter-circle fillet, whose one end lies level
// with the centre and the other straight above or below it.
TArcCircle ArcCircleOf(const TArcStatement& arc);
