// The endurance limit of the shaft's material at a section: Marin's factors for the surface,
// the size and the reliability applied to the rotating-beam limit of the polished specimen.
#pragma once

#include <QString>
#include <array>

// Item order of the surface box.
enum class TSurface { Ground, Machined, HotRolled, AsForged };
const std::array<QString, 4>& SurfaceNames();

// Item order of the reliability box.
enum class TReliability { Percent50, Percent90, Percent95, Percent99, Percent999 };
const std::array<QString, 5>& ReliabilityNames();

struct TEndurance {
    long double Specimen = 0;    // Se', MPa
    long double Surface = 1;     // ka
    long double Size = 1;        // kb
    long double Reliability = 1; // ke
    long double Limit = 0;       // Se, MPa
    bool SizeEstimate = false;   // d outside the range of the size fit, kb taken at its edge
};

// For an ultimate strength Sut (MPa) and a section of diameter d (mm).
TEndurance EnduranceLimit(long double ultimateStrength, TSurface surface, TReliability reliability, long double d);
