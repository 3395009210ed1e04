#include "profile/bore_walk.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

bool Slopes(const TContourSegment& line) { return line.X1 != line.X2; }

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

// The widest line across the whole of [a, b], judged at its middle; none where the shaft is solid.
const TContourSegment* WidestOver(const TContour& bores, long double a, long double b)
{
    const long double middle = a / 2 + b / 2;
    const TContourSegment* widest = nullptr;
    for (const TContourSegment& line : bores) {
        const bool covers = std::min(line.X1, line.X2) <= a && std::max(line.X1, line.X2) >= b;
        if (Slopes(line) && covers && (!widest || RadiusOn(line, middle) > RadiusOn(*widest, middle)))
            widest = &line;
    }
    return widest;
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
        const TContourSegment* line = WidestOver(bores, a, b);
        AppendNew(walk, b, line ? RadiusOn(*line, b) : 0);
        AppendNew(walk, a, line ? RadiusOn(*line, a) : 0);
    }
    return walk;
}
