// A round section with a concentric bore, from its outer radius r and its bore's radius ri (mm);
// ri = 0 for a solid section. Shigley's Mechanical Engineering Design, 10th ed., table A-18
// (round tube): A = pi (D^2 - d^2) / 4, I = pi (D^4 - d^4) / 64, J = 2 I, W = I / (D / 2).
#pragma once

#include <numbers>

// The outer diameter D that a section with a bore of diameter `bore` needs where a solid section
// needs `solid` (mm): the same (D^4 - d^4) / D as solid^3, the root of D^4 - c D - d^4 = 0 with
// c = solid^3 = 32 Me / (pi sigma). `solid` itself without a bore. (Their ratio d / D is the bore
// ratio; k names the twist coefficient.)
long double HollowDiameter(long double solid, long double bore);

// mm^2
inline long double SectionArea(long double r, long double ri)
{
    return std::numbers::pi_v<long double> * (r - ri) * (r + ri);
}

// The second moment of area about a diameter, pi (r^4 - ri^4) / 4, mm^4.
inline long double SecondMoment(long double r, long double ri)
{
    return std::numbers::pi_v<long double> * (r * r - ri * ri) * (r * r + ri * ri) / 4;
}

// (D^4 - d^4) / D for outer diameter D and bore d, mm^3: D^3 for a solid section. The bending
// modulus is pi / 32 of it and the torsion modulus pi / 16, so that the stresses of a solid shaft,
// 32 M / (pi D^3) and 16 T / (pi D^3), hold for a hollow one with this in place of D^3.
inline long double ModulusCube(long double d, long double bore)
{
    return (d * d - bore * bore) * (d * d + bore * bore) / d;
}
