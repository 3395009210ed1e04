#include "profile/bore_walk.h"

#include "profile/contour_index.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

long double RadiusOn(const TContourSegment& line, long double x)
{
    return line.R1 + (line.R2 - line.R1) * ((x - line.X1) / (line.X2 - line.X1));
}

// The ends of the bore lines strictly between left and right, and both of those, right first.
std::vector<long double> BreakPoints(const TContour& bores, long double left, long double right)
{
    std::vector<long double> points{left, right};
    for (const TContourSegment& line : bores)
        for (long double x : {line.X1, line.X2})
            if (x > left && x < right) points.push_back(x);
    std::sort(points.begin(), points.end(), std::greater<>());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

void AppendNew(TModel& walk, long double x, long double r)
{
    if (walk.empty() || walk.back().x != x || walk.back().r != r) walk.push_back({x, r});
}

} // namespace

TModel BoreReturnWalk(const TContour& bores, long double left, long double right)
{
    TModel walk;
    const std::vector<long double> points = BreakPoints(bores, left, right);
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const long double b = points[i], a = points[i + 1];
        const TContourSegment* line = WidestBoreOver(bores, a, b);
        AppendNew(walk, b, line ? RadiusOn(*line, b) : 0);
        AppendNew(walk, a, line ? RadiusOn(*line, a) : 0);
    }
    return walk;
}
