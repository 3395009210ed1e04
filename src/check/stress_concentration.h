// How much a shoulder of a round shaft raises the stress: Peterson's fits for the theoretical
// factor of a stepped bar with a fillet, and Neuber's notch sensitivity that turns it into the
// fatigue factor the material actually feels. Lengths in mm, strengths in MPa.
#pragma once

#include <QString>

enum class TLoading { Bending, Torsion };

struct TConcentration {
    long double Kt = 1;     // theoretical factor
    long double Ratio = 0;  // h / r as used: at a fit's range edge when outside it
    bool Estimate = false;  // the drawn h / r lies outside the fit's range (or the corner is sharp)
};

// A shoulder from diameter d to D with fillet radius r (mm); r = 0 is a sharp corner, taken at the
// fit's largest h / r. d must be below D.
TConcentration StressConcentration(TLoading loading, long double d, long double D, long double r);

// The radius the fit was evaluated at: the drawn one, or h over the range edge for a corner
// sharper than the fit covers.
long double EffectiveRadius(const TConcentration& concentration, long double d, long double D, long double r);

// Neuber's q for an ultimate strength Sut (MPa) and a notch radius r (mm): q = 1 / (1 + sqrt(a / r)),
// Shigley's Mechanical Engineering Design, 10th ed., section 6-10, eq. 6-34.
long double NotchSensitivity(TLoading loading, long double ultimateStrength, long double r);

// Kf = 1 + q (Kt - 1), and likewise Kfs from Kts and qs: Shigley, 10th ed., eq. 6-32.
long double FatigueFactor(long double kt, long double q);
