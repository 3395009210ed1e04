// The steel grade table against the standards' own tables, its band edges and the refusal of a
// bar thicker than a grade's table reaches.
#include "check/steel_grades.h"

#include "common/errors.h"

#include <gtest/gtest.h>
#include <cmath>
#include <set>

namespace {

const TSteelGrade& GradeNamed(const QString& name)
{
    for (const TSteelGrade& grade : SteelGrades())
        if (grade.Name == name) return grade;
    throw std::runtime_error("no grade " + name.toStdString());
}

QString RefusalOf(const QString& name, long double diameter)
{
    try {
        StrengthBandAt(GradeNamed(name), diameter);
    } catch (const KorvelError& error) {
        return error.Text();
    }
    return {};
}

struct TExpectedBand {
    long double diameter, ultimate, yield;
};

void ExpectBands(const QString& name, std::initializer_list<TExpectedBand> expected)
{
    for (const TExpectedBand& row : expected) {
        const TStrengthBand& band = StrengthBandAt(GradeNamed(name), row.diameter);
        EXPECT_EQ(band.UltimateStrength, row.ultimate) << name.toStdString() << " d = " << double(row.diameter);
        EXPECT_EQ(band.YieldStrength, row.yield) << name.toStdString() << " d = " << double(row.diameter);
    }
}

TEST(SteelGrades, RowsMatchTheStandardsTables)
{
    // EN 10083-2:2006, quenched and tempered: Rm 700-850 / Re 490 to 16 mm, 650-800 / 430 to 40 mm,
    // 630-780 / 370 to 100 mm.
    ExpectBands("C45E +QT", {{10, 700, 490}, {30, 650, 430}, {80, 630, 370}});
    // EN 10025-2:2004 table 7, S355J2: ReH 335 for 40..63, 295 for 100..150, 275 for 200..250;
    // Rm 470-630 up to 100 mm and 450-600 beyond.
    ExpectBands("S355J2", {{50, 470, 335}, {120, 450, 295}, {220, 450, 275}});
    // EN 10083-3:2006, 42CrMo4 +QT: Rm 750-900 / Re 500 for 160..250 mm.
    ExpectBands("42CrMo4 +QT", {{200, 750, 500}});
}

TEST(SteelGrades, ABandHoldsItsUpperEdgeAndNotItsLowerOne)
{
    ExpectBands("C45E +QT", {{16, 700, 490}, {16.001L, 650, 430}, {40, 650, 430}, {40.001L, 630, 370}, {100, 630, 370}});
    ExpectBands("S235JR", {{100, 360, 215}, {100.001L, 350, 195}, {150, 350, 195}, {150.001L, 340, 185}});
}

TEST(SteelGrades, ABarBeyondTheLastBandIsRefusedNamingTheLargestDiameter)
{
    const QString refusal = RefusalOf("C45E +QT", 100.5L);
    EXPECT_TRUE(refusal.startsWith("C45E +QT:")) << refusal.toStdString();
    EXPECT_TRUE(refusal.endsWith("up to a diameter of 100 mm")) << refusal.toStdString();
    EXPECT_TRUE(RefusalOf("AISI 1045 CD", 33).endsWith("up to a diameter of 32 mm"));
    EXPECT_TRUE(RefusalOf("42CrMo4 +QT", 250).isEmpty());
    for (long double nonsense : {0.0L, -5.0L, (long double)NAN})
        EXPECT_EQ(RefusalOf("S275JR", nonsense), "The ruling diameter must be above 0 mm");
}

// Guards the typing of the table: a swapped Rm and Re or bands out of order would pass unseen.
TEST(SteelGrades, EveryRowIsAPlausibleStrengthTable)
{
    std::set<QString> names;
    for (const TSteelGrade& grade : SteelGrades()) {
        const std::string name = grade.Name.toStdString();
        EXPECT_TRUE(names.insert(grade.Name).second) << name << " twice";
        EXPECT_FALSE(grade.Source.isEmpty()) << name;
        ASSERT_FALSE(grade.Bands.empty()) << name;
        long double previous = 0;
        for (const TStrengthBand& band : grade.Bands) {
            EXPECT_GT(band.UpToDiameter, previous) << name;
            EXPECT_LT(band.YieldStrength, band.UltimateStrength) << name;
            previous = band.UpToDiameter;
        }
        // A thicker bar is never guaranteed more strength.
        for (size_t i = 1; i < grade.Bands.size(); ++i) {
            EXPECT_LE(grade.Bands[i].UltimateStrength, grade.Bands[i - 1].UltimateStrength) << name;
            EXPECT_LE(grade.Bands[i].YieldStrength, grade.Bands[i - 1].YieldStrength) << name;
        }
        // G = E / (2 (1 + nu)) with nu = 0.3, which EN 1993-1-1 rounds to 81000 MPa.
        EXPECT_NEAR(double(grade.ShearModulus), double(grade.ElasticModulus / 2.6L), 500) << name;
    }
}

// A shaft of 40 and 60 mm drawn with a fillet arc: the ruling diameter defaults to 60 mm, a typed
// one wins, and with nothing drawn and nothing typed the user is asked for one.
TEST(SteelGrades, TheRulingDiameterIsTheTypedOneElseTheLargestDrawn)
{
    const TContour drawn = DrawnContour({"line 0/0/0/20/0/", "line 0/20/58/20/0/", "line 60/22/60/30/0/",
                                         "line 60/30/200/30/0/", "line 200/30/200/0/0/", "arc 56/24/60/20/60/22/58/20/"},
                                        8);
    EXPECT_EQ(LargestDrawnDiameter(drawn), 60);
    EXPECT_EQ(LargestDrawnDiameter({}), 0);
    EXPECT_EQ(RulingDiameterOf(std::nullopt, 60), 60);
    EXPECT_EQ(RulingDiameterOf(25, 60), 25);
    try {
        RulingDiameterOf(std::nullopt, 0);
        ADD_FAILURE() << "no diameter to go by";
    } catch (const KorvelError& error) {
        EXPECT_EQ(error.Text(), "Type the ruling diameter: no shaft is drawn");
    }
}

} // namespace
