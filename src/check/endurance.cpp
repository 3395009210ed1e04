#include "check/endurance.h"

#include "common/errors.h"

#include <algorithm>
#include <cmath>

namespace {

struct TSurfaceFit {
    long double a, b; // ka = a Sut^b, Sut in MPa
};

// Shigley's Mechanical Engineering Design, 10th ed., table 6-2 (a in MPa), in the order of
// TSurface.
constexpr std::array<TSurfaceFit, 4> kSurfaceFits{{{1.58L, -0.085L}, {4.51L, -0.265L}, {57.7L, -0.718L}, {272, -0.995L}}};
// Shigley, 10th ed., table 6-5 (a standard deviation of 8 % of the endurance limit), in the order
// of TReliability.
constexpr std::array<long double, 5> kReliabilityFactors{1, 0.897L, 0.868L, 0.814L, 0.753L};

// The fits carry three digits: double powers are ample, and far quicker than long double ones.
long double Power(long double base, long double exponent)
{
    return std::pow(double(base), double(exponent));
}

// Shigley, 10th ed., eq. 6-20 for bending and torsion, d in mm. Below 2.79 mm and above 254 mm
// the size fits have no data: the nearest edge is used.
long double SizeFactor(long double d, bool& estimate)
{
    const long double fitted = std::clamp(d, 2.79L, 254.0L);
    estimate = fitted != d;
    if (fitted <= 51) return 1.24L * Power(fitted, -0.107L);
    return 1.51L * Power(fitted, -0.157L);
}

} // namespace

const std::array<QString, 4>& SurfaceNames()
{
    static const std::array<QString, 4> names{"Ground", "Machined or cold-drawn", "Hot-rolled", "As forged"};
    return names;
}

const std::array<QString, 5>& ReliabilityNames()
{
    static const std::array<QString, 5> names{"50 %", "90 %", "95 %", "99 %", "99.9 %"};
    return names;
}

TEndurance EnduranceLimit(long double ultimateStrength, TSurface surface, TReliability reliability, long double d)
{
    if (!(ultimateStrength > 0)) RaiseError(kInvalidOperation);
    TEndurance e;
    e.Specimen = ultimateStrength > 1400 ? 700 : ultimateStrength / 2;
    const TSurfaceFit fit = kSurfaceFits[size_t(surface)];
    e.Surface = fit.a * Power(ultimateStrength, fit.b);
    e.Size = SizeFactor(d, e.SizeEstimate);
    e.Reliability = kReliabilityFactors[size_t(reliability)];
    e.Limit = e.Surface * e.Size * e.Reliability * e.Specimen;
    return e;
}
