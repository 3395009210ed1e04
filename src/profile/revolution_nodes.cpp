// Mapping of the profile points onto the solid's nodes.
#include "profile/revolution_nodes.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "profile/profile_points.h"

#include <algorithm>

long double ProfileSpanOf(const TModel& points)
{
    if (points.empty()) return 0;
    if (!ClosesOnItself(points)) return points.back().x - points.front().x;
    // The walk of a hollow shaft ends where it began: its length is how far it reaches.
    const auto [left, right] = std::minmax_element(points.begin(), points.end(),
                                                   [](const TProfilePoint& a, const TProfilePoint& b) { return a.x < b.x; });
    return right->x - left->x;
}

std::vector<QVector3D> ProfileNodes(const TModel& points, long double span)
{
    if (!(span > 0))
        RaiseError(QStringLiteral("The profile's length along the axis is %1 mm: the 3D model needs a profile drawn "
                                  "from left to right over a positive length.")
                       .arg(FloatToStr(span)));
    CheckProfileAboveAxis(points);
    const long double scale = 10 / span;
    std::vector<QVector3D> nodes;
    nodes.reserve(points.size());
    for (const TProfilePoint& point : points)
        nodes.emplace_back(float(point.r * scale), float(point.x * scale - 5), 0.f);
    return nodes;
}
