// The elastic line of the drawn shaft in one plane: y'' = M(x) / (E I(x)), the Euler-Bernoulli
// beam (Shigley's Mechanical Engineering Design, 10th ed., sec. 4-4), I = pi d^4 / 64 (mm^4, ibid.
// table A-18), with y = 0 at rigid bearings A and B. Exact where the shaft is cylindrical (there M / E I is linear);
// Gauss quadrature where a cone, chamfer or fillet makes I vary.
// Units and signs: check/unit_system.h.
#pragma once

#include "analysis/load_model.h"
#include "check/shaft_geometry.h"

struct TElasticPoint {
    long double Deflection = 0; // mm, positive the way the plane's reactions act
    long double Slope = 0;      // rad
};

// A stretch of shaft on which the radius and the moment are both linear.
struct TElasticInterval {
    long double X1 = 0, X2 = 0;
    long double M1 = 0, M2 = 0; // N*mm, just right of X1 and just left of X2
    TShaftPiece Piece; // the outline over X1 to X2
    TElasticPoint Start;
};

class TPlaneDeflection {
public:
    TPlaneDeflection() = default;
    TPlaneDeflection(std::vector<TElasticInterval> intervals, long double modulus);

    // Anywhere on the drawn shaft.
    TElasticPoint At(long double x) const;
    const std::vector<TElasticInterval>& Intervals() const { return intervals_; }

    // Integrates from the interval's start to x, from the start values it holds.
    TElasticPoint Integrate(const TElasticInterval& interval, long double x) const;

private:
    std::vector<TElasticInterval> intervals_;
    long double modulus_ = 0;
};

// How far each bearing itself gives way in the plane, mm: 0 for a rigid one.
struct TBearingGiving {
    long double A = 0, B = 0;
};

// The plane's diagram is read as the solver left it: linear between its points, jumping at a
// concentrated moment, zero off its ends. `modulus` in MPa. The line passes through `giving` at the
// bearings: the rigid-bearing line plus the straight line through the bearings' own displacements.
TPlaneDeflection PlaneDeflection(const TShaftGeometry& shaft, const Tav& diagram, long double bearingA,
                                 long double bearingB, long double modulus, TBearingGiving giving = {});

// A bearing of radial stiffness k (N/mm; 0: rigid) under the plane's reaction R (N) gives way by
// R / k against R: the reaction pushes the shaft, so the shaft sits into the bearing (Hooke's law
// of a linear spring).
long double BearingGiving(double reaction, long double stiffness);

struct TShaftDeflection {
    TPlaneDeflection Horizontal;
    TPlaneDeflection Vertical;
    // sqrt(yH^2 + yV^2) and the slope likewise.
    TElasticPoint Resultant(long double x) const;
};
