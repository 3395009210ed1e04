#include "profile/profile_points.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "profile/arc_circle.h"
#include "profile/bore_walk.h"
#include "profile/contour_index.h"
#include "profile/dhl_statement.h"
#include "profile/midpoint_sort.h"
#include "profile/verification.h"

#include <algorithm>
#include <cmath>

namespace {

struct TProfileWalk {
    TModel& points;
    long double x0;

    void Append(long double x, long double r) { points.push_back({CheckedValue(x - x0), CheckedValue(r)}); }
    // Where the bore's walk meets the outline's end face, the foot of the face is not given twice.
    void AppendNew(long double x, long double r)
    {
        const TProfilePoint last = points.back();
        if (last.x != CheckedValue(x - x0) || last.r != CheckedValue(r)) Append(x, r);
    }
};

// Points strictly between the ends of the arc, on the far side of the centre from the axis when
// it runs left to right and on the axis side when it runs right to left.
void AppendArcPoints(TProfileWalk& walk, const TArcStatement& arc, uint8_t arcSteps)
{
    if (arc.XS == arc.XE) return;
    const TArcCircle circle = ArcCircleOf(arc);
    const long double cx = circle.CX, cy = circle.CY;
    const long double radius = CheckedValue(circle.Radius);
    const bool upper = arc.XS < arc.XE;
    const long double left = upper ? arc.XS : arc.XE;
    const long double right = upper ? arc.XE : arc.XS;
    walk.Append(left, upper ? arc.YS : arc.YE);
    for (int j = 1; j < arcSteps; ++j) {
        const long double x = left + (right - left) * j / arcSteps;
        const long double offset = std::fabs(x - cx);
        // (R - d)(R + d) rather than R^2 - d^2: no overflow, and never below 0 by rounding.
        const long double height = std::sqrt(std::max(radius - offset, 0.0L) * (radius + offset));
        walk.Append(x, upper ? cy + height : cy - height);
    }
}

void AppendStatement(TProfileWalk& walk, const TStatement& statement, uint8_t arcSteps)
{
    if (statement.Kind == TStatementKind::Arc) AppendArcPoints(walk, statement.Arc, arcSteps);
    if (statement.Kind != TStatementKind::Line) return;
    const TLineStatement& line = statement.Line;
    if (line.X1 <= line.X2)
        walk.Append(line.X1, line.Y1);
    else
        walk.Append(line.X2, line.Y2);
}

// An end face drawn down to the axis before the bore was drawn stops at the bore: the part of it
// inside the bore is hollow, and would close the tube with a disc of no thickness.
void StopFaceAtBore(TProfilePoint& foot, const TProfilePoint& top, long double boreRadius)
{
    if (foot.r == 0 && foot.x == top.x && top.r > boreRadius) foot.r = boreRadius;
}

// From the outline's right end back along the bore to where the walk began.
void AppendBoreWalk(TProfileWalk& walk, const TContour& bores, long double left, long double right)
{
    const TModel back = BoreReturnWalk(bores, left, right);
    TModel& points = walk.points;
    if (!back.empty() && points.size() >= 2) {
        StopFaceAtBore(points.back(), points[points.size() - 2], back.front().r);
        StopFaceAtBore(points.front(), points[1], back.back().r);
    }
    const TProfilePoint start = points.front();
    for (const TProfilePoint& point : back) walk.AppendNew(point.x, point.r);
    walk.AppendNew(start.x + walk.x0, start.r);
}

} // namespace

void ExtractProfilePoints(QStringList& memo, TModel& points, uint8_t arcSteps)
{
    if (memo.isEmpty()) RaiseError("List index out of bounds (0)");
    MidpointSort(memo);
    const TContour bores = BoreLines(memo);
    // A bore as wide as the outline would sweep a loop that crosses itself: no solid.
    if (!bores.empty()) {
        const QString fault = TContourIndex(DrawnContour(memo, arcSteps)).BoreFault();
        if (!fault.isEmpty()) RaiseError(fault);
    }
    const TLineStatement first = ReadLineStatement(memo.first());
    points.clear();
    TProfileWalk walk{points, first.X1};
    walk.Append(first.X1, first.Y1);
    const qsizetype outline = OutlineLineCount(memo);
    for (qsizetype k = 1; k < outline; ++k) AppendStatement(walk, ReadStatement(memo[k]), arcSteps);
    const TLineStatement last = ReadLineStatement(memo[outline - 1]);
    walk.Append(last.X2, last.Y2);
    if (!bores.empty()) AppendBoreWalk(walk, bores, first.X1, last.X2);
}

bool ClosesOnItself(const TModel& points)
{
    return points.size() > 2 && points.front().x == points.back().x && points.front().r == points.back().r;
}

void CheckProfileAboveAxis(const TModel& points)
{
    const auto below = std::find_if(points.begin(), points.end(), [](const TProfilePoint& p) { return p.r < 0; });
    if (below == points.end()) return;
    RaiseError(QStringLiteral("The profile crosses the axis: its radius is %1 mm at %2 mm from its left end. "
                              "Every diameter must be greater than zero.")
                   .arg(FloatToStr(below->r), FloatToStr(below->x)));
}
