// The endurance limit of the shaft's material at a section: Marin's factors for the surface,
// the size and the reliability applied to the rotating-beam limit of the polished specimen,
// Se = ka kb ke Se' (Shigley's Mechanical Engineering Design, 10th ed., eq. 6-18, with the load
// factor kc = 1 of bending, kd = 1 at room temperature and no miscellaneous factor kf). MPa, mm.
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
    long double Specimen = 0;    // Se', MPa: 0.5 Sut, 700 MPa above Sut = 1400 MPa (Shigley, eq. 6-8)
    long double Surface = 1;     // ka = a Sut^b (Shigley, eq. 6-19, table 6-2)
    long double Size = 1;        // kb (Shigley, eq. 6-20)
    long double Reliability = 1; // ke (Shigley, table 6-5)
    long double Limit = 0;       // Se, MPa
    bool SizeEstimate = false;   // d outside the range of the size fit, kb taken at its edge
};

// For an ultimate strength Sut (MPa) and a section of diameter d (mm).
TEndurance EnduranceLimit(long double ultimateStrength, TSurface surface, TReliability reliability, long double d);
