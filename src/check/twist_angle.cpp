#include "check/twist_angle.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "profile/contour_index.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// The integral of dx / r^4 over [a, b] along one straight piece, in closed form.
long double InverseFourthPower(const TAxialSegment& piece, long double a, long double b)
{
    const long double ra = piece.RadiusAt(a), rb = piece.RadiusAt(b);
    if (!(ra > 0) || !(rb > 0)) RaiseError("The shaft's drawn diameter is 0 at x = " + FloatToStr(ra > 0 ? b : a) + " mm");
    if (ra == rb) return (b - a) / (ra * ra * ra * ra);
    return (b - a) * (1 / (ra * ra * ra) - 1 / (rb * rb * rb)) / (3 * (rb - ra));
}

std::vector<long double> Stations(const TContourIndex& index, long double from, long double to)
{
    std::vector<long double> stations{from};
    for (long double x : index.Breaks())
        if (x > from && x < to) stations.push_back(x);
    stations.push_back(to);
    return stations;
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
    const TContourIndex index(contour);
    const std::vector<long double> stations = Stations(index, angle.From, angle.To);
    long double sum = 0; // of dx / r^4, mm^-3
    for (size_t i = 0; i + 1 < stations.size(); ++i) {
        const long double a = stations[i], b = stations[i + 1];
        const std::optional<TAxialSegment> piece = index.SegmentAt((a + b) / 2);
        if (!piece) RaiseError("Nothing is drawn from x = " + FloatToStr(a) + " to " + FloatToStr(b) + " mm");
        sum += InverseFourthPower(*piece, a, b);
    }
    // Ip = pi (2r)^4 / 32 = pi r^4 / 2.
    const long double radians = CheckedValue(twistingMoment * 2 * sum / (shearModulus * kPi));
    angle.Degrees = radians * 180 / kPi;
    angle.DegreesPerMetre = angle.Degrees / ((angle.To - angle.From) / 1000);
    angle.TooLarge = std::fabs(angle.DegreesPerMetre) > limitPerMetre;
    return angle;
}
