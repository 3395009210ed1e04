// The elastic line of the drawn shaft in one plane: y'' = M(x) / (E I(x)), the Euler-Bernoulli
// beam (Shigley's Mechanical Engineering Design, 10th ed., sec. 4-4), I = pi d^4 / 64 (mm^4, ibid.
// table A-18), through every bearing where it stands: y = 0 at a rigid one, its spring's giving at
// an elastic one. Exact where the shaft is cylindrical (there M / E I is linear);
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

// A bearing in one plane: where it stands and how far it gives way there, mm (0 for a rigid one).
struct TBearingGiving {
    long double Position = 0;
    long double Giving = 0;
};

// The plane's diagram is read as the solver left it: linear between its points, jumping at a
// concentrated moment, zero off its ends. `modulus` in MPa. The line is the one integrated from a
// clamped left end plus the straight line that best brings it to every bearing's giving: through
// both of two bearings, by least squares over three or more (see FitToBearings).
TPlaneDeflection PlaneDeflection(const TShaftGeometry& shaft, const Tav& diagram,
                                 const std::vector<TBearingGiving>& bearings, long double modulus);

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
