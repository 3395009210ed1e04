// Values of the dimensioning fields that a formula divides by or takes a root of: each check fails
// with a message of its own instead of producing an infinite or invalid number.
#pragma once

#include <QString>

inline const QString kNonPositiveTwistStress =
    QStringLiteral("Rezistenta admisibila la torsiune trebuie sa fie mai mare decat zero !");
inline const QString kNonPositiveBendStress =
    QStringLiteral("Rezistenta admisibila la incovoiere trebuie sa fie mai mare decat zero !");
inline const QString kNegativeTwistingMoment =
    QStringLiteral("Momentul de torsiune nu poate fi negativ !");

// An allowable twisting stress, MPa: above zero.
long double CheckAllowTwistStress(long double stress);
// A twisting moment, N*mm: zero or above.
long double CheckTwistingMoment(long double moment);
// An allowable bending stress, MPa: above zero.
long double ReadAllowBendStress(const QString& text);
// A twisting moment, N*mm: zero or above.
long double ReadTwistingMoment(const QString& text);
