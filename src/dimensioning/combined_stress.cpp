#include "dimensioning/combined_stress.h"

#include "common/errors.h"

#include <cmath>
#include <numbers>

TCombinedStress PrepareCombinedStress(long double torsionCoeff, long double twistingMoment,
                                      long double allowBendStress, bool thirdTheory,
                                      const TTwistSpan& span)
{
    if (allowBendStress < 0) RaiseError(kInvalidOperation);
    const long double k = thirdTheory ? 4 : 3;
    const long double twist = torsionCoeff * twistingMoment;
    TCombinedStress rule;
    rule.Factor = CheckedDivide(16, std::numbers::pi_v<long double> * allowBendStress);
    rule.TwistTerm = CheckedValue(k * twist * twist);
    rule.Span = span;
    return rule;
}

// cbrtl rather than a power of 1/3: the profile overlays evaluate the rule at every millimetre.
long double DiameterUnder(const TCombinedStress& rule, long double moment)
{
    const long double root = std::sqrt(4 * moment * moment + rule.TwistTerm);
    return std::cbrt(CheckedValue(rule.Factor * root));
}

long double DiameterUnder(const TCombinedStress& rule, long double moment, long double x)
{
    if (rule.Span.Contains(x)) return DiameterUnder(rule, moment);
    return DiameterUnder({rule.Factor, 0, rule.Span}, moment);
}

long double RequiredDiameter(long double moment, long double torsionCoeff,
                             long double twistingMoment, long double allowBendStress,
                             bool thirdTheory)
{
    return DiameterUnder(PrepareCombinedStress(torsionCoeff, twistingMoment, allowBendStress, thirdTheory), moment);
}
