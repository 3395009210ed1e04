#include "dimensioning/stress_checks.h"

#include "common/errors.h"
#include "common/number_text.h"

long double CheckAllowTwistStress(long double stress)
{
    if (stress <= 0) RaiseError(kNonPositiveTwistStress);
    return stress;
}

long double CheckTwistingMoment(long double moment)
{
    if (moment < 0) RaiseError(kNegativeTwistingMoment);
    return moment;
}

long double ReadAllowBendStress(const QString& text)
{
    const long double stress = StrToFloat(text);
    if (stress <= 0) RaiseError(kNonPositiveBendStress);
    return stress;
}

long double ReadTwistingMoment(const QString& text) { return CheckTwistingMoment(StrToFloat(text)); }
