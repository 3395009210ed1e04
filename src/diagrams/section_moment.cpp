// Section moment: a binary search over the sorted diagram points that returns exactly what a scan
// of every neighbouring pair returns, because the profile overlays ask for every millimetre.
#include "diagrams/section_moment.h"

#include <algorithm>
#include <cmath>

namespace {

long double MomentAtPoint(const TMomentPoint& point)
{
    return std::fabs(point.Right) > std::fabs(point.Left) ? point.Right : point.Left;
}

long double Interpolate(const TMomentPoint& from, const TMomentPoint& to, long double x)
{
    return from.Right + (x - from.Position) * (to.Left - from.Right) / (to.Position - from.Position);
}

} // namespace

long double PlaneMoment(const Tav& diagram, long double x)
{
    const size_t count = diagram.size();
    if (count < 2) return 0;
    const auto after = std::upper_bound(diagram.begin(), diagram.end(), x,
                                        [](long double v, const TMomentPoint& p) { return v < p.Position; });
    if (after == diagram.begin()) return 0;
    const size_t last = size_t(after - diagram.begin()) - 1; // the last point at or before x
    if (diagram[last].Position == x) {
        // The last pair that matches decides: at the final point that pair starts one point
        // earlier, which matters only when two points share the position.
        const bool finalPair = last == count - 1 && diagram[count - 2].Position == x;
        return MomentAtPoint(diagram[finalPair ? count - 2 : last]);
    }
    if (last == count - 1 || !(diagram[last].Position < x)) return 0;
    return Interpolate(diagram[last], diagram[last + 1], x);
}

long double SectionMoment(const Tav& horz, const Tav& vert, bool combine, long double x)
{
    const long double mh = PlaneMoment(horz, x);
    const long double mv = PlaneMoment(vert, x);
    if (!combine) return std::hypot(mh, mv);
    return std::fabs(mh) >= std::fabs(mv) ? mh : mv;
}

// Each plane's moment is linear between its diagram points, so the resultant is largest at one
// of them.
TSectionMoments::TSectionMoments(const Tav& horz, const Tav& vert, bool combine)
    : horz_(horz), vert_(vert), combine_(combine)
{
    for (const Tav* diagram : {&horz, &vert})
        for (const TMomentPoint& point : *diagram)
            largest_ = std::max(largest_, std::fabs(SectionMoment(horz, vert, combine, point.Position)));
}

long double TSectionMoments::At(long double x) const
{
    const long double moment = SectionMoment(horz_, vert_, combine_, x);
    return std::fabs(moment) <= kRoundOffShare * largest_ ? 0 : moment;
}
