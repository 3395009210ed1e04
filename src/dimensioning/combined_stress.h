// The combined-stress rule: the diameter a section needs under bending moment M and twisting
// moment Mt, d = cube root of 32 * Me / (pi * sigma), Me = sqrt(M^2 + (k / 4) * (alpha * Mt)^2).
#pragma once

#include "analysis/shaft_torque.h"

// The parts of the rule that every section of one shaft shares, so that a run along the shaft
// computes them once.
struct TCombinedStress {
    long double Factor = 0;    // 16 / (pi * sigma)
    long double K = 4;         // k
    long double Alpha = 0;     // alpha
    TShaftTorque Torque;       // T(x), N*mm
};

// alpha the torsion coefficient, Mt in N*mm, sigma in MPa; thirdTheory selects k = 4 (3rd
// strength theory) or k = 3 (5th). A zero sigma fails with "Floating point division by zero", a
// negative one with "Invalid floating point operation".
TCombinedStress PrepareCombinedStress(long double torsionCoeff, long double twistingMoment,
                                      long double allowBendStress, bool thirdTheory,
                                      const TTwistSpan& span = {});
// The same with T(x) for Mt; torques that do not balance fail with their message.
TCombinedStress PrepareCombinedStress(long double torsionCoeff, const TShaftTorque& torque,
                                      long double allowBendStress, bool thirdTheory);
// d in mm at a section with bending moment M (N*mm) that carries the largest |T| of the shaft.
long double DiameterUnder(const TCombinedStress& rule, long double moment);
// d in mm at the section at x (mm), which carries T(x).
long double DiameterUnder(const TCombinedStress& rule, long double moment, long double x);

// The rule for one section: DiameterUnder(PrepareCombinedStress(...), moment).
long double RequiredDiameter(long double moment, long double torsionCoeff,
                             long double twistingMoment, long double allowBendStress,
                             bool thirdTheory);
