// The combined-stress rule: the diameter a section needs under bending moment M and twisting
// moment Mt, d = cube root of 32 * Me / (pi * sigma), Me = sqrt(M^2 + (k / 4) * (alpha * Mt)^2).
#pragma once

// d(x) in mm. M, Mt in N*mm; sigma in MPa; alpha the torsion coefficient; thirdTheory selects
// k = 4 (3rd strength theory) or k = 3 (5th). A zero sigma fails with "Floating point division
// by zero", a negative one with "Invalid floating point operation".
long double RequiredDiameter(long double moment, long double torsionCoeff,
                             long double twistingMoment, long double allowBendStress,
                             bool thirdTheory);
