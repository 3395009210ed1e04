#include "profile/arc_circle.h"

#include <algorithm>
#include <cmath>

TArcCircle ArcCircleOf(const TArcStatement& arc)
{
    const long double cx = arc.XA / 2 + arc.XB / 2;
    const long double cy = arc.YA / 2 + arc.YB / 2;
    return {cx, cy, std::max(std::fabs(cx - arc.XS), std::fabs(cx - arc.XE))};
}
