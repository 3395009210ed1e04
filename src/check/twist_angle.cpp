#include "check/twist_angle.h"

#include "common/gauss.h"
#include "check/shaft_geometry.h"
#include "common/errors.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// r^4 - ri^4 at x, mm^4.
long double FourthPowers(const TShaftPiece& piece, long double x)
{
    const long double r = piece.RadiusAt(x), ri = piece.BoreAt(x);
    return (r * r - ri * ri) * (r * r + ri * ri);
}

// The integral of dx / (r^4 - ri^4) over [a, b] of one piece (mm^-3): in closed form along a solid
// line, by Gauss quadrature along an arc or through a bore.
long double InverseFourthPower(const TShaftPiece& piece, long double a, long double b)
{
    const long double ra = piece.RadiusAt(a), rb = piece.RadiusAt(b);
    if (!piece.Curved() && !piece.Hollow()) {
        if (ra == rb) return (b - a) / (ra * ra * ra * ra);
        return (b - a) * (1 / (ra * ra * ra) - 1 / (rb * rb * rb)) / (3 * (rb - ra));
    }
    if (piece.Uniform()) return (b - a) / FourthPowers(piece, a);
    const int parts = QuadratureParts(piece.Between(a, b), b - a);
    const long double step = (b - a) / parts;
    long double sum = 0;
    for (int part = 0; part < parts; ++part)
        for (const TGaussPoint& p : kGaussPoints)
            sum += p.Weight * step / 2 / FourthPowers(piece, a + step * (part + (1 + p.Offset) / 2));
    return sum;
}

// The integral of dx / (r^4 - ri^4) from a to b over the pieces that reach into it, mm^-3.
long double InverseFourthPower(const TShaftGeometry& shaft, long double a, long double b)
{
    long double sum = 0;
    for (const TShaftPiece& piece : shaft.Pieces) {
        const long double from = std::max(piece.X1, a), to = std::min(piece.X2, b);
        if (from < to) sum += InverseFourthPower(piece, from, to);
    }
    return sum;
}

// The angle (rad) by which each section turns against the first, at the ends of the stretches.
struct TSectionTurn {
    long double Position = 0; // mm
    long double Radians = 0;
};

std::vector<TSectionTurn> SectionTurns(const TShaftGeometry& shaft, const std::vector<TTorqueStretch>& stretches,
                                       long double shearModulus)
{
    std::vector<TSectionTurn> turns{{stretches.front().From, 0}};
    for (const TTorqueStretch& stretch : stretches) {
        // phi = T L / (G J) on each length (Shigley's Mechanical Engineering Design, 10th ed., eq. 3-35),
        // summed as the integral of T dx / (G J(x)), J = pi (d^4 - di^4) / 32 = pi (r^4 - ri^4) / 2:
        // radians, with T in N*mm, G in MPa, r in mm.
        const long double sum = InverseFourthPower(shaft, stretch.From, stretch.To);
        const long double radians = CheckedValue(stretch.Torque * 2 * sum / (shearModulus * kPi));
        if (turns.back().Position != stretch.From) turns.push_back({stretch.From, turns.back().Radians});
        turns.push_back({stretch.To, turns.back().Radians + radians});
    }
    return turns;
}

// The two sections that turn most against each other; of equals the first pair, and the whole
// stretch where nothing turns.
std::pair<size_t, size_t> FarthestTurned(const std::vector<TSectionTurn>& turns)
{
    std::pair<size_t, size_t> farthest{0, turns.size() - 1};
    long double largest = std::fabs(turns.back().Radians - turns.front().Radians);
    for (size_t i = 0; i < turns.size(); ++i)
        for (size_t j = i + 1; j < turns.size(); ++j)
            if (const long double angle = std::fabs(turns[j].Radians - turns[i].Radians); angle > largest) {
                largest = angle;
                farthest = {i, j};
            }
    return farthest;
}

} // namespace

TTwistAngle TwistAngle(const TContour& contour, long double twistingMoment, const TTwistSpan& span,
                       long double shaftLength, long double shearModulus, long double limitPerMetre)
{
    return TwistAngle(contour, TShaftTorque{twistingMoment, span, {}}, shaftLength, shearModulus, limitPerMetre);
}

TTwistAngle TwistAngle(const TContour& contour, const TShaftTorque& torque, long double shaftLength,
                       long double shearModulus, long double limitPerMetre)
{
    const QString problem = torque.Problem();
    if (!problem.isEmpty()) RaiseError(problem);
    const std::vector<TTorqueStretch> stretches = torque.Stretches(shaftLength);
    if (stretches.empty() || !(stretches.back().To > stretches.front().From))
        RaiseError("The twisting moment acts over no length of the shaft");
    if (!(shearModulus > 0)) RaiseError("G must be above zero");
    const QString spanned = torque.FromElements() ? "the elements that pass the torque" : "the twisting moment's span";
    const TShaftGeometry shaft = ShaftGeometry(contour, stretches.front().From, stretches.back().To, spanned);
    const std::vector<TSectionTurn> turns = SectionTurns(shaft, stretches, shearModulus);
    const auto [first, last] = FarthestTurned(turns);
    TTwistAngle angle;
    angle.From = turns[first].Position;
    angle.To = turns[last].Position;
    angle.Degrees = (turns[last].Radians - turns[first].Radians) * 180 / kPi;
    angle.DegreesPerMetre = angle.Degrees / ((angle.To - angle.From) / 1000);
    angle.TooLarge = std::fabs(angle.DegreesPerMetre) > limitPerMetre;
    return angle;
}
