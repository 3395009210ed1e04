// The grade table. Strengths are the least values of each table (the lower end of an Rm range).
// The elastic constants are the design values for steel of EN 1993-1-1:2005, 3.2.6:
// E = 210000 MPa, G = E / (2 (1 + 0.3)) ~ 81000 MPa, density 7850 kg/m^3.
#include "check/steel_grades.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double kSteelModulus = 210000;  // MPa, EN 1993-1-1, 3.2.6
constexpr long double kSteelShear = 81000;     // MPa, EN 1993-1-1, 3.2.6
constexpr long double kSteelDensity = 7850;    // kg/m^3, EN 1993-1-1, 3.2.6

const QString kQuenchingCarbon = QStringLiteral("EN 10083-2:2006, mechanical properties, quenched and tempered (+QT)");
const QString kNormalisedCarbon = QStringLiteral("EN 10083-2:2006, mechanical properties, normalised (+N)");
const QString kQuenchingAlloy = QStringLiteral("EN 10083-3:2006, mechanical properties, quenched and tempered (+QT)");
const QString kStructural = QStringLiteral("EN 10025-2:2004, table 7");
const QString kColdDrawn = QStringLiteral("Shigley's Mechanical Engineering Design, 10th ed., table A-20 (18 to 32 mm)");

TSteelGrade Grade(const char* name, const QString& source, std::vector<TStrengthBand> bands)
{
    return {QString::fromUtf8(name), source, std::move(bands), kSteelModulus, kSteelShear, kSteelDensity};
}

// EN 10025-2 gives Rm for 3 < t <= 100, 100 < t <= 150 and 150 < t <= 250; below 3 mm it is
// higher, so the first band takes the 3..100 value, which is on the safe side.
std::vector<TStrengthBand> StructuralBands(const long double (&yield)[8], const long double (&ultimate)[3])
{
    const long double limits[8] = {16, 40, 63, 80, 100, 150, 200, 250};
    std::vector<TStrengthBand> bands;
    for (int i = 0; i < 8; ++i) bands.push_back({limits[i], ultimate[i < 5 ? 0 : i < 6 ? 1 : 2], yield[i]});
    return bands;
}

std::vector<TSteelGrade> BuildGrades()
{
    return {
        Grade("C35E +QT", kQuenchingCarbon, {{16, 630, 430}, {40, 600, 380}, {100, 550, 320}}),
        Grade("C35E +N", kNormalisedCarbon, {{16, 550, 300}, {100, 520, 270}, {250, 500, 245}}),
        Grade("C45E +N", kNormalisedCarbon, {{16, 620, 340}, {100, 580, 305}, {250, 560, 275}}),
        Grade("C45E +QT", kQuenchingCarbon, {{16, 700, 490}, {40, 650, 430}, {100, 630, 370}}),
        Grade("C60E +N", kNormalisedCarbon, {{16, 710, 380}, {100, 670, 340}, {250, 650, 310}}),
        Grade("C60E +QT", kQuenchingCarbon, {{16, 850, 580}, {40, 800, 520}, {100, 750, 450}}),
        Grade("34CrMo4 +QT", kQuenchingAlloy,
              {{16, 1000, 800}, {40, 900, 650}, {100, 800, 550}, {160, 750, 500}, {250, 700, 450}}),
        Grade("42CrMo4 +QT", kQuenchingAlloy,
              {{16, 1100, 900}, {40, 1000, 750}, {100, 900, 650}, {160, 800, 550}, {250, 750, 500}}),
        Grade("S235JR", kStructural, StructuralBands({235, 225, 215, 215, 215, 195, 185, 175}, {360, 350, 340})),
        Grade("S275JR", kStructural, StructuralBands({275, 265, 255, 245, 235, 225, 215, 205}, {410, 400, 380})),
        Grade("S355J2", kStructural, StructuralBands({355, 345, 335, 325, 315, 295, 285, 275}, {470, 450, 450})),
        // The book gives one pair for bars of 18 to 32 mm; a thinner drawn bar is no weaker.
        Grade("AISI 1018 CD", kColdDrawn, {{32, 440, 370}}),
        Grade("AISI 1045 CD", kColdDrawn, {{32, 630, 530}}),
    };
}

} // namespace

const std::vector<TSteelGrade>& SteelGrades()
{
    static const std::vector<TSteelGrade> grades = BuildGrades();
    return grades;
}

const TStrengthBand& StrengthBandAt(const TSteelGrade& grade, long double rulingDiameter)
{
    if (!(rulingDiameter > 0)) RaiseError(QStringLiteral("The ruling diameter must be above 0 mm"));
    for (const TStrengthBand& band : grade.Bands)
        if (rulingDiameter <= band.UpToDiameter) return band;
    RaiseError(QStringLiteral("%1: %2 gives strengths only up to a diameter of %3 mm")
                   .arg(grade.Name, grade.Source, FloatToStr(grade.Bands.back().UpToDiameter)));
}

long double LargestDrawnDiameter(const TContour& contour)
{
    long double radius = 0;
    for (const TContourSegment& segment : contour) radius = std::max({radius, std::fabs(segment.R1), std::fabs(segment.R2)});
    return 2 * radius;
}

long double RulingDiameterOf(const std::optional<long double>& typed, long double largestDrawn)
{
    if (typed) return *typed;
    if (largestDrawn > 0) return largestDrawn;
    RaiseError(QStringLiteral("Type the ruling diameter: no shaft is drawn"));
}
