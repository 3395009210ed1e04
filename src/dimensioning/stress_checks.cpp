#include "dimensioning/stress_checks.h"

#include "common/errors.h"
#include "common/number_text.h"

long double ReadAllowTwistStress(const QString& text)
{
    if (text.trimmed().isEmpty()) RaiseError(kMissingTwistStress);
    const long double stress = StrToFloat(text);
    if (stress <= 0) RaiseError(kNonPositiveTwistStress);
    return stress;
}

long double ReadAllowBendStress(const QString& text)
{
    const long double stress = StrToFloat(text);
    if (stress <= 0) RaiseError(kNonPositiveBendStress);
    return stress;
}

long double ReadTwistingMoment(const QString& text)
{
    const long double moment = StrToFloat(text);
    if (moment < 0) RaiseError(kNegativeTwistingMoment);
    return moment;
}
