// The combined-stress rule: the diameter a section needs under bending moment M and twisting
// moment Mt, d = cube root of 32 * Me / (pi * sigma), Me = sqrt(M^2 + (k / 4) * (alpha * Mt)^2).
#pragma once

#include "analysis/twist_span.h"

// The parts of the rule that every section of one shaft shares, so that a run along the shaft
// computes them once.
struct TCombinedStress {
    long double Factor = 0;    // 16 / (pi * sigma)
    long double TwistTerm = 0; // k * (alpha * Mt)^2
    TTwistSpan Span;           // where Mt acts
};

// alpha the torsion coefficient, Mt in N*mm, sigma in MPa; thirdTheory selects k = 4 (3rd
// strength theory) or k = 3 (5th). A zero sigma fails with "Floating point division by zero", a
// negative one with "Invalid floating point operation".
TCombinedStress PrepareCombinedStress(long double torsionCoeff, long double twistingMoment,
                                      long double allowBendStress, bool thirdTheory,
                                      const TTwistSpan& span = {});
// d in mm at a section with bending moment M (N*mm) that carries Mt.
long double DiameterUnder(const TCombinedStress& rule, long double moment);
// d in mm at the section at x (mm): Mt counts only inside the rule's span.
long double DiameterUnder(const TCombinedStress& rule, long double moment, long double x);

// The rule for one section: DiameterUnder(PrepareCombinedStress(...), moment).
long double RequiredDiameter(long double moment, long double torsionCoeff,
                             long double twistingMoment, long double allowBendStress,
                             bool thirdTheory);
