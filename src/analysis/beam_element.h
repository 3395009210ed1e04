// The stiffness of a straight Euler-Bernoulli beam element whose flexural rigidity E I(x) may vary
// along it: exact for any E I, so that a beam loaded only at its nodes is solved exactly.
#pragma once

#include <array>
#include <functional>
#include <vector>

// E I at x, N*mm^2.
using TRigidity = std::function<long double(long double)>;

// The integrals over the element x1..x2 of (x2 - x)^k / E I(x), k = 0, 1, 2 (1/(N*mm^2), 1/N,
// mm/N): the flexibility of the element held at x1 and loaded at x2.
struct TFlexibility {
    long double J0 = 0, J1 = 0, J2 = 0;
};

// Node degrees of freedom in order: deflection at x1 (mm), rotation at x1 (rad, counter-clockwise),
// deflection and rotation at x2. Forces in N, moments in N*mm.
using TElementStiffness = std::array<std::array<long double, 4>, 4>;

// A uniform element of length h and rigidity EI: h / EI, h^2 / (2 EI), h^3 / (3 EI).
TFlexibility UniformFlexibility(long double length, long double rigidity);

// By Gauss-Legendre quadrature on each stretch between the joints that lie inside x1..x2 (where
// E I is smooth), halving a stretch until E I varies little over each part. `joints` sorted.
// Fails when E I is not a positive finite number at a point it is read.
TFlexibility ElementFlexibility(long double x1, long double x2, const TRigidity& rigidity,
                                const std::vector<long double>& joints);

TElementStiffness ElementStiffness(long double length, const TFlexibility& flexibility);
