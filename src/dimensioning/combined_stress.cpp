#include "dimensioning/combined_stress.h"

#include "common/errors.h"

#include <cmath>
#include <numbers>

TCombinedStress PrepareCombinedStress(long double torsionCoeff, long double twistingMoment,
                                      long double allowBendStress, bool thirdTheory,
                                      const TTwistSpan& span)
{
    return PrepareCombinedStress(torsionCoeff, TShaftTorque{twistingMoment, span, {}}, allowBendStress, thirdTheory);
}

TCombinedStress PrepareCombinedStress(long double torsionCoeff, const TShaftTorque& torque,
                                      long double allowBendStress, bool thirdTheory)
{
    const QString problem = torque.Problem();
    if (!problem.isEmpty()) RaiseError(problem);
    if (allowBendStress < 0) RaiseError(kInvalidOperation);
    TCombinedStress rule{0, thirdTheory ? 4.0L : 3.0L, torsionCoeff, torque};
    rule.Factor = CheckedDivide(16, std::numbers::pi_v<long double> * allowBendStress);
    const long double twist = torsionCoeff * torque.Largest();
    CheckedValue(rule.K * twist * twist);
    return rule;
}

namespace {

// d = cube root of (16 / (pi sigma)) sqrt(4 M^2 + k (alpha T)^2), T in N*mm.
// cbrtl rather than a power of 1/3: the profile overlays evaluate the rule at every millimetre.
long double DiameterWith(const TCombinedStress& rule, long double moment, long double torque)
{
    const long double twist = rule.Alpha * torque;
    const long double root = std::sqrt(4 * moment * moment + rule.K * twist * twist);
    return std::cbrt(CheckedValue(rule.Factor * root));
}

} // namespace

long double DiameterUnder(const TCombinedStress& rule, long double moment)
{
    return DiameterWith(rule, moment, rule.Torque.Largest());
}

long double DiameterUnder(const TCombinedStress& rule, long double moment, long double x)
{
    return DiameterWith(rule, moment, rule.Torque.At(x));
}

long double RequiredDiameter(long double moment, long double torsionCoeff,
                             long double twistingMoment, long double allowBendStress,
                             bool thirdTheory)
{
    return DiameterUnder(PrepareCombinedStress(torsionCoeff, twistingMoment, allowBendStress, thirdTheory), moment);
}
