#include "check/twist_angle.h"

#include "common/gauss.h"
#include "check/shaft_geometry.h"
#include "common/errors.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// The integral of dx / r^4 over [a, b] of one piece (mm^-3): in closed form along a line, by
// Gauss quadrature in parts of at most a sixteenth of its radius along an arc.
long double InverseFourthPower(const TShaftPiece& piece, long double a, long double b)
{
    const long double ra = piece.RadiusAt(a), rb = piece.RadiusAt(b);
    if (!piece.Curved()) {
        if (ra == rb) return (b - a) / (ra * ra * ra * ra);
        return (b - a) * (1 / (ra * ra * ra) - 1 / (rb * rb * rb)) / (3 * (rb - ra));
    }
    const int parts = 1 + int(std::min(16 * (b - a) / piece.Drawn.Radius, 1000.0L));
    const long double step = (b - a) / parts;
    long double sum = 0;
    for (int part = 0; part < parts; ++part)
        for (const TGaussPoint& p : kGaussPoints) {
            const long double r = piece.RadiusAt(a + step * (part + (1 + p.Offset) / 2));
            sum += p.Weight * step / 2 / (r * r * r * r);
        }
    return sum;
}

} // namespace

TTwistAngle TwistAngle(const TContour& contour, long double twistingMoment, const TTwistSpan& span,
                       long double shaftLength, long double shearModulus, long double limitPerMetre)
{
    TTwistAngle angle;
    angle.From = span.From.value_or(0);
    angle.To = span.To.value_or(shaftLength);
    if (!(angle.To > angle.From)) RaiseError("The twisting moment acts over no length of the shaft");
    if (!(shearModulus > 0)) RaiseError("G must be above zero");
    const TShaftGeometry shaft = ShaftGeometry(contour, angle.From, angle.To, "the twisting moment's span");
    long double sum = 0; // of dx / r^4, mm^-3
    for (const TShaftPiece& piece : shaft.Pieces) {
        const long double a = std::max(piece.X1, angle.From), b = std::min(piece.X2, angle.To);
        if (a < b) sum += InverseFourthPower(piece, a, b);
    }
    // phi = T L / (G J) on each length (Shigley's Mechanical Engineering Design, 10th ed., eq. 3-35),
    // summed as the integral of T dx / (G J(x)), J = pi d^4 / 32 = pi r^4 / 2: radians, with T in
    // N*mm, G in MPa, r in mm.
    const long double radians = CheckedValue(twistingMoment * 2 * sum / (shearModulus * kPi));
    angle.Degrees = radians * 180 / kPi;
    angle.DegreesPerMetre = angle.Degrees / ((angle.To - angle.From) / 1000);
    angle.TooLarge = std::fabs(angle.DegreesPerMetre) > limitPerMetre;
    return angle;
}
