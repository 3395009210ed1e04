// Builds a plane's moment diagram from the moment points of "Calculate".
#include "analysis/plane_diagram.h"

#include <algorithm>
#include <vector>

namespace {

bool HasPointAt(const Tav& points, long double position)
{
    return std::any_of(points.begin(), points.end(), [position](const TMomentPoint& point) {
        return point.Position == position;
    });
}

// The positions met so far, in ascending order; 0 and -0 are one position, as in an exact
// comparison. The moment points come sorted, so each new position is a step at the end.
class TPositionSet {
public:
    // False when the position is already in the set.
    bool Insert(long double position)
    {
        const auto place = std::lower_bound(positions_.begin(), positions_.end(), position);
        if (place != positions_.end() && !(position < *place)) return false;
        positions_.insert(place, position);
        return true;
    }

private:
    std::vector<long double> positions_;
};

} // namespace

TPlaneDiagram BuildPlaneDiagram(const Tav& momentPoints, long double shaftLength)
{
    TPlaneDiagram diagram;
    TPositionSet positions;
    if (!HasPointAt(momentPoints, 0)) {
        diagram.Points.push_back({0, 0, 0});
        positions.Insert(0);
    }
    for (const TMomentPoint& point : momentPoints) {
        const bool added = positions.Insert(point.Position);
        if (added) diagram.Points.push_back(point);
        diagram.Numbers.push_back(added ? int(diagram.Points.size()) : 0);
    }
    if (!HasPointAt(momentPoints, shaftLength)) diagram.Points.push_back({0, 0, shaftLength});
    return diagram;
}
