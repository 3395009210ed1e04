// Five-point Gauss-Legendre quadrature (nodes and weights: Abramowitz and Stegun, Handbook of
// Mathematical Functions, 1964, table 25.4, n = 5): exact for polynomials up to degree 9, which
// covers the stiffness and mass integrals of a cubic beam element on a conical piece of shaft, and
// close on the curvature M / (E I) of a cone and on the flexibility integrals of 1 / (E I).
#pragma once

#include <array>

struct TGaussPoint {
    long double Offset; // on -1 to 1
    long double Weight;
};

inline constexpr std::array<TGaussPoint, 5> kGaussPoints{{
    {-0.906179845938663992797626878299392965L, 0.236926885056189087514264040719917363L},
    {-0.538469310105683091036314420700208805L, 0.478628670499366468041291514835638192L},
    {0.0L, 0.568888888888888888888888888888888889L},
    {0.538469310105683091036314420700208805L, 0.478628670499366468041291514835638192L},
    {0.906179845938663992797626878299392965L, 0.236926885056189087514264040719917363L},
}};
