// The first bending critical speed of the drawn shaft on its bearings, two or more (simple
// supports, or radial springs where a bearing is given a stiffness): a
// beam of cubic Hermite elements with consistent mass, its own mass and the masses mounted on it.
// The elements do not follow the drawing's pieces: nodes at the shaft's ends, the bearings, the
// masses and the faces where the diameter jumps, elements no longer than a 48th of the shaft, and
// each element integrating the drawn d(x) across every piece it spans, arcs on their circles.
// Units and signs: check/unit_system.h.
#pragma once

#include "analysis/continuous_beam.h"
#include "check/shaft_geometry.h"

#include <vector>

struct TMountedMass {
    long double Position = 0; // mm
    long double Mass = 0;     // kg
    bool operator==(const TMountedMass&) const = default;
};

// rpm. A rigid support holds the shaft's deflection, an elastic one carries it on its spring.
// `modulus` in MPa, `density` in kg/m^3. A mass off the drawn shaft is refused, and so is an
// iteration that does not settle.
long double FirstCriticalSpeed(const TShaftGeometry& shaft, const std::vector<TBeamSupport>& supports,
                               long double modulus, long double density, const std::vector<TMountedMass>& masses);

// Two bearings' radial stiffness, N/mm.
struct TBearingSprings {
    long double A = 0, B = 0;
};

// The shaft on two bearings, A and B.
inline long double FirstCriticalSpeed(const TShaftGeometry& shaft, long double bearingA, long double bearingB,
                                      long double modulus, long double density,
                                      const std::vector<TMountedMass>& masses, TBearingSprings springs = {})
{
    return FirstCriticalSpeed(shaft, {{bearingA, springs.A}, {bearingB, springs.B}}, modulus, density, masses);
}
