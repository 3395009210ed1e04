#include "check/deflection.h"

#include "common/gauss.h"
#include "common/errors.h"
#include "profile/round_section.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The moment of the diagram over an interval that lies between two of its points.
struct TMomentOver {
    long double Left, Right;
};

TMomentOver MomentOver(const Tav& diagram, long double a, long double b)
{
    const auto after = std::upper_bound(diagram.begin(), diagram.end(), a,
                                        [](long double v, const TMomentPoint& p) { return v < p.Position; });
    if (after == diagram.begin() || after == diagram.end()) return {0, 0};
    const TMomentPoint& first = *(after - 1);
    const TMomentPoint& second = *after;
    const auto line = [&](long double x) {
        return first.Right + (x - first.Position) * (second.Left - first.Right) / (second.Position - first.Position);
    };
    return {line(a), line(b)};
}

std::vector<long double> Joints(const TShaftGeometry& shaft, const Tav& diagram, const std::vector<TBearingGiving>& bearings)
{
    std::vector<long double> joints{shaft.Start()};
    for (const TBearingGiving& bearing : bearings) joints.push_back(bearing.Position);
    for (const TShaftPiece& piece : shaft.Pieces) joints.push_back(piece.X2);
    for (const TMomentPoint& point : diagram)
        if (point.Position > shaft.Start() && point.Position < shaft.End()) joints.push_back(point.Position);
    return SortedStations(std::move(joints));
}

std::vector<TElasticInterval> Intervals(const TShaftGeometry& shaft, const Tav& diagram, const std::vector<long double>& joints)
{
    std::vector<TElasticInterval> intervals;
    intervals.reserve(joints.size());
    for (size_t i = 0; i + 1 < joints.size(); ++i) {
        const long double a = joints[i], b = joints[i + 1];
        const TShaftPiece piece = shaft.PieceAt((a + b) / 2).Between(a, b);
        const TMomentOver moment = MomentOver(diagram, a, b);
        intervals.push_back({a, b, moment.Left, moment.Right, piece, {}});
    }
    return intervals;
}

struct TStraightLine {
    long double Through = 0, Level = 0, Slope = 0; // Level at x = Through
    long double At(long double x) const { return Level + Slope * (x - Through); }
};

// The straight line to add to the clamped line so that it meets the bearings' givings: the least
// squares line through the misses r = giving - y at the bearings, about their mean position.
// Through two bearings it passes exactly. Over three or more the misses lie on a line of their own
// when the reactions were worked out on this same section and E, and the fit is exact again; a
// solver that read the shaft differently leaves the line its best compromise.
TStraightLine FitToBearings(const TPlaneDeflection& clamped, const std::vector<TBearingGiving>& bearings)
{
    const long double count = bearings.size();
    long double meanX = 0, meanMiss = 0;
    std::vector<long double> misses;
    for (const TBearingGiving& bearing : bearings) {
        misses.push_back(bearing.Giving - clamped.At(bearing.Position).Deflection);
        meanX += bearing.Position / count, meanMiss += misses.back() / count;
    }
    long double moment = 0, spread = 0;
    for (size_t i = 0; i < bearings.size(); ++i) {
        const long double dx = bearings[i].Position - meanX;
        moment += dx * (misses[i] - meanMiss), spread += dx * dx;
    }
    return {meanX, meanMiss, CheckedDivide(moment, spread)};
}

} // namespace

TPlaneDeflection::TPlaneDeflection(std::vector<TElasticInterval> intervals, long double modulus)
    : intervals_(std::move(intervals)), modulus_(modulus)
{
}

TElasticPoint TPlaneDeflection::Integrate(const TElasticInterval& interval, long double x) const
{
    const long double h = interval.X2 - interval.X1, t = x - interval.X1;
    const TElasticPoint& start = interval.Start;
    const TShaftPiece& piece = interval.Piece;
    if (piece.Uniform()) {
        const long double stiffness = modulus_ * SecondMoment(piece.R1, piece.Ri1);
        const long double k1 = interval.M1 / stiffness, rise = (interval.M2 - interval.M1) / stiffness / h;
        return {start.Deflection + start.Slope * t + k1 * t * t / 2 + rise * t * t * t / 6,
                start.Slope + k1 * t + rise * t * t / 2};
    }
    const long double bendingRise = (interval.M2 - interval.M1) / h, radiusRise = (piece.R2 - piece.R1) / h;
    const auto radius = [&](long double s) { return piece.Curved() ? piece.RadiusAt(interval.X1 + s) : piece.R1 + s * radiusRise; };
    const auto bore = [&](long double s) { return piece.BoreAt(interval.X1 + s); };
    long double turn = 0, bend = 0;
    const int parts = QuadratureParts(piece, t);
    for (int part = 0; part < parts; ++part) {
        const long double a = t * part / parts, half = t / parts / 2;
        for (const TGaussPoint& p : kGaussPoints) {
            const long double s = a + half * (1 + p.Offset); // from X1
            const long double curvature = (interval.M1 + s * bendingRise) /
                                          (modulus_ * SecondMoment(radius(s), bore(s)));
            turn += p.Weight * half * curvature;
            bend += p.Weight * half * (t - s) * curvature;
        }
    }
    return {start.Deflection + start.Slope * t + bend, start.Slope + turn};
}

TElasticPoint TPlaneDeflection::At(long double x) const
{
    auto interval = std::lower_bound(intervals_.begin(), intervals_.end(), x,
                                     [](const TElasticInterval& i, long double v) { return i.X2 < v; });
    if (interval == intervals_.end()) --interval;
    return Integrate(*interval, x);
}

TPlaneDeflection PlaneDeflection(const TShaftGeometry& shaft, const Tav& diagram,
                                 const std::vector<TBearingGiving>& bearings, long double modulus)
{
    TPlaneDeflection plane(Intervals(shaft, diagram, Joints(shaft, diagram, bearings)), modulus);
    std::vector<TElasticInterval> intervals = plane.Intervals();
    TElasticPoint running;
    for (TElasticInterval& interval : intervals) {
        interval.Start = running;
        running = plane.Integrate(interval, interval.X2);
    }
    const TStraightLine fit = FitToBearings(TPlaneDeflection(intervals, modulus), bearings);
    for (TElasticInterval& interval : intervals) {
        interval.Start.Deflection = CheckedValue(interval.Start.Deflection + fit.At(interval.X1));
        interval.Start.Slope += fit.Slope;
    }
    return TPlaneDeflection(std::move(intervals), modulus);
}

long double BearingGiving(double reaction, long double stiffness)
{
    return stiffness > 0 ? -CheckedDivide(reaction, stiffness) : 0;
}

TElasticPoint TShaftDeflection::Resultant(long double x) const
{
    const TElasticPoint h = Horizontal.At(x), v = Vertical.At(x);
    return {std::hypot(h.Deflection, v.Deflection), std::hypot(h.Slope, v.Slope)};
}
