// Pre-dimensioning from the twisting moment, the coefficient alpha and the combined-stress rule.
#include "dimensioning/combined_stress.h"
#include "dimensioning/materials.h"
#include "dimensioning/pre_dimensioning.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

QString FailureText(const std::function<void()>& action)
{
    try {
        action();
    } catch (const KorvelError& error) {
        return error.Text();
    }
    return "no failure";
}

TEST(PreDimensioning, DiameterFromTheTwistingMoment)
{
    EXPECT_NEAR(double(TorsionDiameter(1e6L, 30)), 55.37, 0.005);
    EXPECT_EQ(PreDimension("1000000", "30"), 56);
    EXPECT_EQ(DiameterLabelText(PreDimension("1000000", "30")), "56 mm");
    EXPECT_EQ(TorsionDiameter(0, 30), 0);
    EXPECT_EQ(PreDimension("0", "30"), 1);
    // One above even a whole diameter.
    EXPECT_EQ(RoundedUpDiameter(20), 21);
    EXPECT_EQ(RoundedUpDiameter(20.999L), 21);
}

TEST(PreDimensioning, UnusableInputIsRefused)
{
    struct Case {
        QString moment, stress, message;
    };
    const Case cases[] = {
        {"1000000", "0", "Rezistenta admisibila la torsiune trebuie sa fie mai mare decat zero !"},
        {"1000000", "-30", "Rezistenta admisibila la torsiune trebuie sa fie mai mare decat zero !"},
        {"1000000", " ", "' ' is not a valid floating point value"},
        {"-1000000", "30", "Momentul de torsiune nu poate fi negativ !"},
        {"1e6x", "30", "'1e6x' is not a valid floating point value"},
        // Both fields are read before either value is judged, the divisor first.
        {"-1000000", "", "'' is not a valid floating point value"},
        {"-1000000", "0", "Rezistenta admisibila la torsiune trebuie sa fie mai mare decat zero !"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FailureText([&] { PreDimension(c.moment, c.stress); }), c.message) << c.stress.toStdString();
}

TEST(Coefficients, MaterialTableAndCycles)
{
    ASSERT_EQ(MaterialTable().size(), 8u);
    EXPECT_EQ(MaterialTable()[1].Name, "Carbon steel, breaking stress  500 MPa");
    const TMaterial& alloyed = MaterialTable()[5];
    const auto text = [](int cycle, const TMaterial& m) {
        return TorsionCoeffText(cycle, QString::number(double(m.StaticStress)),
                                QString::number(double(m.PulsatoryStress)),
                                QString::number(double(m.AlternatingStress)));
    };
    EXPECT_EQ(text(1, alloyed), "0.600");
    EXPECT_EQ(text(0, alloyed), "0.273");
    EXPECT_EQ(text(0, MaterialTable()[0]), "0.308");
    EXPECT_EQ(text(1, MaterialTable()[0]), "0.571");
    EXPECT_EQ(text(2, alloyed), "1");
    EXPECT_EQ(text(-1, alloyed), std::nullopt);
}

TEST(Coefficients, ZeroDivisorStressIsRefused)
{
    EXPECT_EQ(FailureText([] { TorsionCoeffText(0, "0", "70", "40"); }),
              "Rezistenta admisibila la incovoiere trebuie sa fie mai mare decat zero !");
    EXPECT_EQ(FailureText([] { TorsionCoeffText(1, "130", "-70", "40"); }),
              "Rezistenta admisibila la incovoiere trebuie sa fie mai mare decat zero !");
    // The divisor of the other cycle does not matter.
    EXPECT_EQ(TorsionCoeffText(1, "0", "70", "40"), "0.571");
}

// The rule in its textbook form: d = cbrt(32 Me / (pi sigma)), Me = sqrt(M^2 + k/4 (alpha Mt)^2).
long double TextbookDiameter(long double m, long double alpha, long double mt, long double sigma, long double k)
{
    const long double me = std::sqrt(m * m + k / 4 * (alpha * mt) * (alpha * mt));
    return std::cbrt(32 * me / (std::numbers::pi_v<long double> * sigma));
}

TEST(CombinedStress, RequiredDiameter)
{
    struct Case {
        long double m, alpha, mt, sigma;
    };
    const Case cases[] = {{1e6L, 0.571L, 5e5L, 40}, {-2.5e5L, 1, 1e6L, 75}, {0, 0.3L, 1e5L, 55}, {3e4L, 0, 0, 40}};
    for (const Case& c : cases) {
        for (const bool third : {true, false}) {
            const long double d = RequiredDiameter(c.m, c.alpha, c.mt, c.sigma, third);
            EXPECT_NEAR(double(d), double(TextbookDiameter(c.m, c.alpha, c.mt, c.sigma, third ? 4 : 3)), 1e-9);
        }
        EXPECT_LE(RequiredDiameter(c.m, c.alpha, c.mt, c.sigma, false),
                  RequiredDiameter(c.m, c.alpha, c.mt, c.sigma, true));
    }
    EXPECT_NEAR(double(RequiredDiameter(1e6L, 0, 0, 60, true)), 55.37, 0.005);
    EXPECT_EQ(RequiredDiameter(0, 0.5L, 0, 60, true), 0);
}

TEST(CombinedStress, NoStressGivesAFailureNotInfinity)
{
    EXPECT_EQ(FailureText([] { RequiredDiameter(1e5L, 1, 1e5L, 0, true); }), "Floating point division by zero");
    EXPECT_EQ(FailureText([] { RequiredDiameter(1e5L, 1, 1e5L, -40, true); }), "Invalid floating point operation");
}

} // namespace
