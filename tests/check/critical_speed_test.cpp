// The first critical speed held against the exact Euler-Bernoulli modes of a uniform shaft,
// bare and with one mass at the middle, and the resonance band of the operating speed.
#include "solved_shaft.h"

#include "check/lowest_mode.h"
#include "check/stiffness_and_speed.h"
#include "common/errors.h"

#include <gtest/gtest.h>
#include <cmath>
#include <numbers>

namespace {

constexpr long double kE = 210000, kRho = 7850, kD = 40, kL = 600;
constexpr long double kPi = std::numbers::pi_v<long double>;
const TContour kUniform{{0, kD / 2, kL, kD / 2}};

// rad/s of a uniform simply supported shaft: (beta)^2 sqrt(E I / (rho A)) in mm, t and s.
long double UniformOmega(long double beta)
{
    const long double area = kPi * kD * kD / 4, inertia = area * kD * kD / 16;
    return beta * beta * std::sqrt(kE * inertia / (kRho * 1e-12L * area));
}

long double Rpm(long double omega) { return omega * 60 / (2 * kPi); }

TShaftGeometry Uniform() { return ShaftGeometry(kUniform, 0, kL); }

// The symmetric modes with a mass m at the middle, mu = m / (rho A L), half span l = L / 2:
// 2 = mu (beta l) (tan(beta l) - tanh(beta l)); the first root lies below pi / 2.
long double CentralMassBeta(long double mu)
{
    long double low = 1e-9L, high = kPi / 2 - 1e-15L;
    for (int i = 0; i < 200; ++i) {
        const long double middle = (low + high) / 2;
        const long double f = mu * middle * (std::tan(middle) - std::tanh(middle)) - 2;
        (f < 0 ? low : high) = middle;
    }
    return low / (kL / 2);
}

TEST(CriticalSpeed, UniformShaftBareAndWithACentralMassMatchTheExactModes)
{
    const long double bare = FirstCriticalSpeed(Uniform(), 0, kL, kE, kRho, {});
    EXPECT_NEAR(double(bare / Rpm(UniformOmega(kPi / kL))), 1.0, 0.005);
    EXPECT_NEAR(double(bare), 13541, 1); // 1418 rad/s for 40 mm over 600 mm

    const long double shaftMass = kRho * kPi * kD * kD / 4 * kL * 1e-9L; // kg
    for (long double ratio : {0.5L, 2.0L, 10.0L}) {
        const long double withMass = FirstCriticalSpeed(Uniform(), 0, kL, kE, kRho, {{kL / 2, ratio * shaftMass}});
        EXPECT_NEAR(double(withMass / Rpm(UniformOmega(CentralMassBeta(ratio)))), 1.0, 0.005) << double(ratio);
    }
}

// Bearings inside the shaft: the overhangs' mass lowers the speed; a mass at a bearing changes nothing.
TEST(CriticalSpeed, OverhangsLowerItAndAMassOnABearingDoesNot)
{
    const long double bare = FirstCriticalSpeed(Uniform(), 0, kL, kE, kRho, {});
    const TContour longer{{-100, kD / 2, kL + 100, kD / 2}};
    const long double overhung = FirstCriticalSpeed(ShaftGeometry(longer, 0, kL), 0, kL, kE, kRho, {});
    EXPECT_LT(overhung, bare);
    EXPECT_NEAR(double(FirstCriticalSpeed(Uniform(), 0, kL, kE, kRho, {{0, 50}}) / bare), 1.0, 1e-9);
}

// On three bearings at 0, L / 2 and L the first mode bends each half as a span of its own, with a
// node over the middle bearing: the speed of a simply supported shaft L / 2 long, four times the
// one on the outer bearings alone. The order of entry does not matter.
TEST(CriticalSpeed, AMiddleBearingMakesEachHalfASpanOfItsOwn)
{
    const long double onThree = FirstCriticalSpeed(Uniform(), {{0, 0}, {kL, 0}, {kL / 2, 0}}, kE, kRho, {});
    EXPECT_NEAR(double(onThree / Rpm(UniformOmega(2 * kPi / kL))), 1.0, 1e-4);
    // A soft middle spring barely holds the shaft up; a stiff one all but holds it.
    const auto withMiddleSpring = [](long double k) {
        return FirstCriticalSpeed(Uniform(), {{0, 0}, {kL / 2, k}, {kL, 0}}, kE, kRho, {});
    };
    const long double bare = FirstCriticalSpeed(Uniform(), 0, kL, kE, kRho, {});
    EXPECT_NEAR(double(withMiddleSpring(1e-3L) / bare), 1.0, 1e-6);
    EXPECT_NEAR(double(withMiddleSpring(1e10L) / onThree), 1.0, 1e-4);
}

// Springs stiff beside the shaft (48 E I / L^3 = 5.9E3 N/mm here) tend to the held bearings, the
// gap shrinking as 1 / k; soft ones carry the shaft as a rigid body, whose lowest mode is the
// translation on both springs, omega^2 = 2 k / m (the rocking mode has 6 k / m), and on one
// spring beside a held bearing the swing about it, omega^2 = 3 k / m.
TEST(CriticalSpeed, ElasticBearingsTendToHeldOnesAndToTheRigidBodyOnItsSprings)
{
    const long double held = FirstCriticalSpeed(Uniform(), 0, kL, kE, kRho, {});
    const auto gap = [&](long double k) { return double(1 - FirstCriticalSpeed(Uniform(), 0, kL, kE, kRho, {}, {k, k}) / held); };
    EXPECT_GT(gap(1e9L), 0);
    EXPECT_LT(gap(1e9L), 1e-5);
    EXPECT_LT(gap(1e11L), 1e-6);

    const long double mass = kRho * 1e-12L * kPi * kD * kD / 4 * kL; // t
    for (long double k : {1.0L, 0.1L}) {
        const double tolerance = double(k) * 1e-4;
        const long double translation = FirstCriticalSpeed(Uniform(), 0, kL, kE, kRho, {}, {k, k});
        EXPECT_NEAR(double(translation / Rpm(std::sqrt(2 * k / mass))), 1.0, tolerance) << double(k);
        const long double swinging = FirstCriticalSpeed(Uniform(), 0, kL, kE, kRho, {}, {0, k});
        EXPECT_NEAR(double(swinging / Rpm(std::sqrt(3 * k / mass))), 1.0, tolerance) << double(k);
    }
}

TEST(CriticalSpeed, TheOperatingSpeedIsFlaggedWithinThirtyPercentOfIt)
{
    const TAnalysisState shaft = SolvedShaft(kL, 0, kL, {{300, 1000, false}}, {});
    TCheckInputs inputs;
    const TSpeedCheck unknown = CheckStiffnessAndSpeed(shaft, {300}, kUniform, inputs).Speed;
    ASSERT_TRUE(unknown.CriticalSpeed);
    EXPECT_EQ(SpeedRatioText(unknown).toStdString(), "Enter the operating speed to compare it with n_cr");
    const long double critical = *unknown.CriticalSpeed;
    const auto check = [&](long double ratio) {
        inputs.Speed = ratio * critical;
        return CheckStiffnessAndSpeed(shaft, {300}, kUniform, inputs).Speed;
    };
    EXPECT_FALSE(check(0.69L).NearResonance);
    EXPECT_TRUE(check(0.71L).NearResonance);
    EXPECT_TRUE(check(1.29L).NearResonance);
    EXPECT_FALSE(check(1.31L).NearResonance);
    EXPECT_EQ(SpeedRatioText(check(1)).toStdString(), "n / n_cr = 1.000: within 0.7 to 1.3 of the critical speed");
    inputs.Masses = {{700, 5}};
    EXPECT_EQ(CheckStiffnessAndSpeed(shaft, {300}, kUniform, inputs).Speed.Problem.toStdString(),
              "The mass at x = 700 mm is off the drawn shaft, x = 0 to 600 mm");
}

// d 40 over the left half, d 50 over the right, on bearings 400 mm apart. A fillet's chord of
// 0.0015 mm next to the shoulder face once made an element of that length and the answer noise.
TEST(CriticalSpeed, AFilletBesideAShoulderLeavesTheSpeedOfTheSharpStep)
{
    const QStringList sharp{"line 0/20/200/20/0/", "line 200/20/200/25/0/", "line 200/25/400/25/0/"};
    const QStringList filleted{"line 0/20/199.5/20/0/", "arc 199/21/200/20/200/20.5/199.5/20/",
                               "line 200/20.5/200/25/0/", "line 200/25/400/25/0/"};
    const auto speed = [](const QStringList& drawing) {
        return double(FirstCriticalSpeed(ShaftGeometry(DrawnContour(drawing, 20), 0, 400), 0, 400, kE, kRho, {}));
    };
    EXPECT_NEAR(speed(sharp), 32490.5, 32490.5 * 1e-3);
    EXPECT_NEAR(speed(filleted), 32491.4, 32491.4 * 1e-3);
    EXPECT_NEAR(speed(filleted) / speed(sharp), 1.0, 1e-4);
    // A bearing a hair's breadth from an end or from the face makes no element of that length either.
    const TShaftGeometry shaft = ShaftGeometry(DrawnContour(filleted, 20), 0, 400);
    EXPECT_NEAR(double(FirstCriticalSpeed(shaft, 0.0015L, 399.9985L, kE, kRho, {})) / speed(filleted), 1.0, 1e-4);
    // 25,790.13 rpm by the independent beam model of beam_model/check_beam.py.
    EXPECT_NEAR(double(FirstCriticalSpeed(shaft, 0, 199.9985L, kE, kRho, {})), 25790.13, 25790.13 * 1e-4);
}

TEST(CriticalSpeed, AnIterationThatDoesNotSettleIsRefused)
{
    Eigen::SparseMatrix<double> k(2, 2), m(2, 2);
    k.insert(0, 0) = 1, k.insert(1, 1) = 4, m.insert(0, 0) = 1, m.insert(1, 1) = 1;
    EXPECT_NEAR(LowestEigenvalue(k, m), 1.0, 1e-9);
    try {
        LowestEigenvalue(k, m, 2);
        ADD_FAILURE() << "two steps cannot settle from a start that leans on both modes";
    } catch (const KorvelError& error) {
        EXPECT_EQ(error.Text().toStdString(),
                  "The first critical speed cannot be worked out: the inverse iteration did not settle in 2 steps");
    }
}

} // namespace
