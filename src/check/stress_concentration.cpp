#include "check/stress_concentration.h"

#include "common/errors.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Peterson's Stress Concentration Factors, 3rd ed. (W. D. and D. F. Pilkey, 2008), the curve
// fits printed with the charts of a stepped bar of circular cross section with a shoulder
// fillet: the bending chart, and chart 3.12 for torsion. With h = (D - d) / 2, x = h / r and
// t = 2h / D: Kt = C1 + C2 t + C3 t^2 + C4 t^3, each Cn = a + b sqrt(x) + c x.
using TCoefficients = std::array<std::array<long double, 3>, 4>;

struct TFit {
    long double Low, High; // range of h / r
    TCoefficients C;
};

// Bending, 0.1 <= h / r <= 2 and 2 <= h / r <= 20.
const TFit kBendingLow{0.1L, 2, {{{0.947L, 1.206L, -0.131L},
                                   {0.022L, -3.405L, 0.915L},
                                   {0.869L, 1.777L, -0.555L},
                                   {-0.810L, 0.422L, -0.260L}}}};
const TFit kBendingHigh{2, 20, {{{1.232L, 0.832L, -0.008L},
                                  {-3.813L, 0.968L, -0.260L},
                                  {7.423L, -4.868L, 0.869L},
                                  {-3.839L, 3.070L, -0.600L}}}};
// Torsion, 0.25 <= h / r <= 4.
const TFit kTorsion{0.25L, 4, {{{0.905L, 0.783L, -0.075L},
                                 {-0.437L, -1.969L, 0.553L},
                                 {1.557L, 1.073L, -0.578L},
                                 {-1.061L, 0.171L, 0.086L}}}};

long double Evaluate(const TFit& fit, long double x, long double t)
{
    long double kt = 0, power = 1;
    for (const auto& c : fit.C) {
        kt += (c[0] + c[1] * std::sqrt(x) + c[2] * x) * power;
        power *= t;
    }
    return kt;
}

// Neuber's constant as sqrt(a) in sqrt(inch), for Sut in kpsi (fitted for steels of 50 to 250
// kpsi): Shigley, 10th ed., eq. 6-35a (bending or axial) and 6-35b (torsion).
long double NeuberRootInch(TLoading loading, long double sutKpsi)
{
    const long double s = sutKpsi;
    if (loading == TLoading::Bending) return 0.246L - 3.08e-3L * s + 1.51e-5L * s * s - 2.67e-8L * s * s * s;
    return 0.190L - 2.51e-3L * s + 1.35e-5L * s * s - 2.67e-8L * s * s * s;
}

constexpr long double kMpaPerKpsi = 6.894757L;       // 1 kpsi = 6.894757 MPa
constexpr long double kRootMmPerRootInch = 5.0398L;  // sqrt(25.4 mm)

} // namespace

TConcentration StressConcentration(TLoading loading, long double d, long double D, long double r)
{
    const long double h = (D - d) / 2;
    const long double t = 2 * h / D;
    TConcentration result;
    const long double drawn = r > 0 ? h / r : INFINITY;
    const TFit& fit = loading == TLoading::Torsion ? kTorsion : drawn <= 2 ? kBendingLow : kBendingHigh;
    result.Ratio = std::clamp(drawn, fit.Low, fit.High);
    result.Estimate = result.Ratio != drawn;
    result.Kt = CheckedValue(Evaluate(fit, result.Ratio, t));
    return result;
}

long double EffectiveRadius(const TConcentration& concentration, long double d, long double D, long double r)
{
    if (r > 0) return r;
    return (D - d) / 2 / concentration.Ratio;
}

long double NotchSensitivity(TLoading loading, long double ultimateStrength, long double r)
{
    const long double rootA = std::max(0.0L, NeuberRootInch(loading, ultimateStrength / kMpaPerKpsi)) * kRootMmPerRootInch;
    return CheckedDivide(1, 1 + CheckedDivide(rootA, std::sqrt(r)));
}

long double FatigueFactor(long double kt, long double q)
{
    return 1 + q * (kt - 1);
}
