#include "profile/profile_points.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "profile/arc_circle.h"
#include "profile/dhl_statement.h"
#include "profile/midpoint_sort.h"

#include <algorithm>
#include <cmath>

namespace {

struct TProfileWalk {
    TModel& points;
    long double x0;

    void Append(long double x, long double r) { points.push_back({CheckedValue(x - x0), CheckedValue(r)}); }
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

} // namespace

void ExtractProfilePoints(QStringList& memo, TModel& points, uint8_t arcSteps)
{
    if (memo.isEmpty()) RaiseError("List index out of bounds (0)");
    MidpointSort(memo);
    const TLineStatement first = ReadLineStatement(memo.first());
    points.clear();
    TProfileWalk walk{points, first.X1};
    walk.Append(first.X1, first.Y1);
    for (qsizetype k = 1; k < memo.size(); ++k) AppendStatement(walk, ReadStatement(memo[k]), arcSteps);
    const TLineStatement last = ReadLineStatement(memo.last());
    walk.Append(last.X2, last.Y2);
}

void CheckProfileAboveAxis(const TModel& points)
{
    const auto below = std::find_if(points.begin(), points.end(), [](const TProfilePoint& p) { return p.r < 0; });
    if (below == points.end()) return;
    RaiseError(QStringLiteral("The profile crosses the axis: its radius is %1 mm at %2 mm from its left end. "
                              "Every diameter must be greater than zero.")
                   .arg(FloatToStr(below->r), FloatToStr(below->x)));
}
