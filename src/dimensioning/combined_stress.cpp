#include "dimensioning/combined_stress.h"

#include "common/errors.h"

#include <cmath>
#include <numbers>

long double RequiredDiameter(long double moment, long double torsionCoeff,
                             long double twistingMoment, long double allowBendStress,
                             bool thirdTheory)
{
    if (allowBendStress < 0) RaiseError(kInvalidOperation);
    const long double k = thirdTheory ? 4 : 3;
    const long double twist = torsionCoeff * twistingMoment;
    const long double root = std::sqrt(4 * moment * moment + k * twist * twist);
    const long double base =
        CheckedDivide(16, std::numbers::pi_v<long double> * allowBendStress) * root;
    return CheckedValue(std::pow(CheckedValue(base), 1.0L / 3));
}
