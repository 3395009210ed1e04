// Builds a plane's moment diagram from the moment points of "Calculate".
#include "analysis/plane_diagram.h"

#include <algorithm>

namespace {

bool HasPointAt(const Tav& points, long double position)
{
    return std::any_of(points.begin(), points.end(),
                       [position](const TMomentPoint& point) { return point.Position == position; });
}

} // namespace

TPlaneDiagram BuildPlaneDiagram(const Tav& momentPoints, long double shaftLength)
{
    TPlaneDiagram diagram;
    if (!HasPointAt(momentPoints, 0)) diagram.Points.push_back({0, 0, 0});
    for (const TMomentPoint& point : momentPoints) {
        const bool known = HasPointAt(diagram.Points, point.Position);
        if (!known) diagram.Points.push_back(point);
        diagram.Numbers.push_back(known ? 0 : int(diagram.Points.size()));
    }
    if (!HasPointAt(momentPoints, shaftLength)) diagram.Points.push_back({0, 0, shaftLength});
    return diagram;
}
