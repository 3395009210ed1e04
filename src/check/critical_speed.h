// The first bending critical speed of the drawn shaft on its two bearings (simple supports): a
// beam of cubic Hermite elements with consistent mass, its own mass and the masses mounted on it.
#pragma once

#include "check/shaft_geometry.h"

#include <vector>

struct TMountedMass {
    long double Position = 0; // mm
    long double Mass = 0;     // kg
    bool operator==(const TMountedMass&) const = default;
};

// rpm. `modulus` in MPa, `density` in kg/m^3. A mass off the drawn shaft is refused.
long double FirstCriticalSpeed(const TShaftGeometry& shaft, long double bearingA, long double bearingB,
                               long double modulus, long double density, const std::vector<TMountedMass>& masses);
