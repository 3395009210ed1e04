// Standard steel grades for the fatigue and yield checks: the least strengths each grade's own
// standard or textbook table guarantees, band by band of the ruling section (the bar's diameter),
// and the elastic constants. MPa, mm, kg/m^3.
#pragma once

#include "profile/verification.h"

#include <QString>
#include <optional>
#include <vector>

// One ruling-section band: it holds the diameters above the previous band's limit up to and
// including its own, as the standards write them ("16 < d <= 40").
struct TStrengthBand {
    long double UpToDiameter = 0;     // mm
    long double UltimateStrength = 0; // Rm (Sut), least value, MPa
    long double YieldStrength = 0;    // Re or Rp0.2 (Sy), least value, MPa
    bool operator==(const TStrengthBand&) const = default;
};

struct TSteelGrade {
    QString Name;                     // with its delivery condition, "C45E +QT"
    QString Source;                   // the standard or book, and its table
    std::vector<TStrengthBand> Bands; // in rising order of diameter
    long double ElasticModulus = 0;   // E, MPa
    long double ShearModulus = 0;     // G, MPa
    long double Density = 0;          // kg/m^3
};

const std::vector<TSteelGrade>& SteelGrades();

// The band of the grade that holds a ruling diameter d (mm). Fails for a diameter the grade's
// table does not reach, naming the largest one it does.
const TStrengthBand& StrengthBandAt(const TSteelGrade& grade, long double rulingDiameter);

// The largest diameter of the drawn outline (mm), 0 when nothing is drawn.
long double LargestDrawnDiameter(const TContour& contour);

// The ruling diameter (mm) as typed, else the largest drawn one. Fails when neither gives one.
long double RulingDiameterOf(const std::optional<long double>& typed, long double largestDrawn);
