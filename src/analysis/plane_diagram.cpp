// Builds a plane's moment diagram from the moment points of "Calculate".
#include "analysis/plane_diagram.h"

#include <algorithm>
#include <set>

namespace {

bool HasPointAt(const Tav& points, long double position)
{
    return std::any_of(points.begin(), points.end(), [position](const TMomentPoint& point) {
        return point.Position == position;
    });
}

} // namespace

TPlaneDiagram BuildPlaneDiagram(const Tav& momentPoints, long double shaftLength)
{
    TPlaneDiagram diagram;
    std::set<long double> positions; // 0 and -0 are one position, as in an exact comparison
    if (!HasPointAt(momentPoints, 0)) {
        diagram.Points.push_back({0, 0, 0});
        positions.insert(0);
    }
    for (const TMomentPoint& point : momentPoints) {
        const bool added = positions.insert(point.Position).second;
        if (added) diagram.Points.push_back(point);
        diagram.Numbers.push_back(added ? int(diagram.Points.size()) : 0);
    }
    if (!HasPointAt(momentPoints, shaftLength)) diagram.Points.push_back({0, 0, shaftLength});
    return diagram;
}
