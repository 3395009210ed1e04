// The units and signs every check of the drawn shaft works in. Other files of the checks point
// here rather than repeat it.
//
// Units: N, mm, t (tonne), s. So stresses, E and G are in MPa (N/mm^2), moments and torques in
// N*mm, masses in t and densities in t/mm^3 inside the beam model; the engineer's kg and kg/m^3
// are converted where they come in, with the factors below. Speeds are given and shown in rpm,
// angles of slope in rad, twist in degrees (per metre for its limit), bearing ratings in kN and
// lives in hours and millions of revolutions.
//
// Signs: positions x run from the shaft's left end. A plane's bending moment is the solver's
// diagram as drawn on the page; a deflection is positive the way that plane's reactions act, and a
// slope is dy/dx of it. Stresses enter the fatigue and yield checks by magnitude: a rotating shaft
// reverses its bending stress fully whatever the sign of the moment.
#pragma once

inline constexpr double kTonnesPerKilogram = 1e-3;
inline constexpr double kTonnesPerMm3PerKgPerM3 = 1e-12;
