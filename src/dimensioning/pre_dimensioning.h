// Pre-dimensioning: the shaft diameter that carries the twisting moment alone.
#pragma once

#include "analysis/torque_line.h"

#include <QString>

// d0 = cube root of 16 * Mt / (pi * tau), mm; Mt in N*mm, tau in MPa (above zero).
long double TorsionDiameter(long double twistingMoment, long double allowTwistStress);

// The whole millimetre above d0, also when d0 is already whole (20 gives 21).
long double RoundedUpDiameter(long double torsionDiameter);

// From the texts of the two fields to the pre-dimensioned diameter; fails on a text that is not
// a number (an empty one included), a stress not above zero and a negative moment.
long double PreDimension(const QString& twistingMomentText, const QString& allowTwistStressText);

// "56 mm"
QString DiameterLabelText(long double diameter);

// The twisting moment the pre-sizing reads, as text in N*mm: the largest |T| of the shaft's
// elements when it has any, else the typed Mt. Elements whose torques do not balance fail with
// their message.
QString PreSizingTorqueText(const TElementDrive& drive, const QString& typedText);
