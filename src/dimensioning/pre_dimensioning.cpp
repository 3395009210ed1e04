#include "dimensioning/pre_dimensioning.h"

#include "analysis/shaft_torque.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "dimensioning/stress_checks.h"

#include <cmath>
#include <numbers>

long double TorsionDiameter(long double twistingMoment, long double allowTwistStress)
{
    const long double base =
        CheckedDivide(16 * twistingMoment, std::numbers::pi_v<long double> * allowTwistStress);
    return CheckedValue(std::pow(base, 1.0L / 3));
}

long double RoundedUpDiameter(long double torsionDiameter)
{
    return std::trunc(torsionDiameter) + 1;
}

long double PreDimension(const QString& twistingMomentText, const QString& allowTwistStressText)
{
    // Both fields convert first, as the formula reads them; the divisor is judged before the root.
    const long double twistingMoment = StrToFloat(twistingMomentText);
    const long double stress = CheckAllowTwistStress(StrToFloat(allowTwistStressText));
    return RoundedUpDiameter(TorsionDiameter(CheckTwistingMoment(twistingMoment), stress));
}

QString DiameterLabelText(long double diameter) { return FloatToStr(diameter) + " mm"; }

QString PreSizingTorqueText(const TElementDrive& drive, const QString& typedText)
{
    const TShaftTorque torque{0, {}, drive};
    if (!torque.FromElements()) return typedText;
    const QString problem = torque.Problem();
    if (!problem.isEmpty()) RaiseError(problem);
    return FloatToStr(torque.Largest());
}
