#include "check/twist_angle.h"

#include "common/errors.h"
#include "notched_shaft.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// phi = T L / (G Ip) for each step: 200000 N*mm over 60 mm of 40 and 140 mm of 60, 0.247 deg/m.
TEST(TwistAngle, SteppedShaftAgainstTheClosedForm)
{
    const TContour contour = DrawnContour(TNotchedShaft::Drawing(false), 20);
    const double ip40 = kPi * std::pow(40, 4) / 32, ip60 = kPi * std::pow(60, 4) / 32;
    const double expected = 200000 * (60 / ip40 + 140 / ip60) / 81000 * 180 / kPi;
    const TTwistAngle whole = TwistAngle(contour, 200000, {}, 200, 81000, 0.2);
    EXPECT_NEAR(double(whole.Degrees), expected, 1e-9);
    EXPECT_NEAR(double(whole.DegreesPerMetre), expected / 0.2, 1e-9);
    EXPECT_TRUE(whole.TooLarge);

    const TTwistAngle right = TwistAngle(contour, 200000, {100, 200}, 200, 81000, 0.2);
    EXPECT_NEAR(double(right.Degrees), 200000 * 100 / ip60 / 81000 * 180 / kPi, 1e-9);
    EXPECT_FALSE(right.TooLarge);
}

// A cone from r = 10 to r = 20 over 100 mm: the closed form against a fine midpoint sum.
TEST(TwistAngle, ConeAgainstASum)
{
    long double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const long double r = 10 + 10 * (i + 0.5L) / 100000;
        sum += 0.001L / (r * r * r * r);
    }
    const long double expected = 1e5L * 2 * sum / (81000 * kPi) * 180 / kPi;
    EXPECT_NEAR(double(TwistAngle({{0, 10, 100, 20}}, 1e5L, {}, 100, 81000, 1).Degrees), double(expected), 1e-9);
}

TEST(TwistAngle, GapsAndEmptySpansFail)
{
    const TContour gap{{0, 10, 40, 10}, {60, 10, 100, 10}};
    const auto failure = [](auto action) {
        try {
            action();
        } catch (const KorvelError& error) {
            return error.Text();
        }
        return QString();
    };
    EXPECT_EQ(failure([&] { TwistAngle(gap, 1e5L, {}, 100, 81000, 1); }), "The outline has a gap from x = 40 to 60 mm");
    EXPECT_EQ(failure([&] { TwistAngle(gap, 1e5L, {50, 50}, 100, 81000, 1); }),
              "The twisting moment acts over no length of the shaft");
    // A broken outline is no shaft, even where the torque does not reach the break.
    EXPECT_EQ(failure([&] { TwistAngle(gap, 1e5L, {60, 100}, 100, 81000, 1); }), "The outline has a gap from x = 40 to 60 mm");
    EXPECT_EQ(failure([&] { TwistAngle({{0, 10, 40, 10}}, 1e5L, {}, 100, 81000, 1); }),
              "The outline spans x = 0 to 40 mm, but the outline must span the twisting moment's span, x = 0 to 100 mm");
}

} // namespace

namespace {

// The stepped shaft of 40 mm up to 60 and 60 mm beyond, by hand: each stretch of constant T over
// each diameter adds T L / (G Ip).
long double HandTwist(long double torque, long double over40, long double over60)
{
    const long double ip40 = kPi * std::pow(40.0L, 4) / 32, ip60 = kPi * std::pow(60.0L, 4) / 32;
    return torque * (over40 / ip40 + over60 / ip60) / 81000 * 180 / kPi;
}

TShaftTorque ElementTorque(std::vector<TTorqueStep> steps)
{
    TShaftTorque torque;
    torque.Moment = 999999; // overruled by the elements
    torque.Drive.Steps = std::move(steps);
    return torque;
}

// Driving at 20 mm (300 N*m), driven at 100 (100 N*m) and 180 (200 N*m): T keeps its sign, so
// the outermost elements turn most against each other.
TEST(TwistAngle, ElementsTwistTheStretchesBetweenThem)
{
    const TContour contour = DrawnContour(TNotchedShaft::Drawing(false), 20);
    const TTwistAngle twist = TwistAngle(contour, ElementTorque({{20, 300}, {100, 200}, {180, 0}}), 200, 81000, 0.25L);
    const long double expected = HandTwist(300000, 40, 40) + HandTwist(200000, 0, 80);
    EXPECT_NEAR(double(twist.Degrees), double(expected), 1e-9);
    EXPECT_EQ(twist.From, 20);
    EXPECT_EQ(twist.To, 180);
    EXPECT_NEAR(double(twist.DegreesPerMetre), double(expected / 0.16L), 1e-9);
}

// A driving element between two driven ones: -200 N*m from 20 to 100, +300 N*m from 100 to 180.
// The ends turn -0.0270 + 0.0133 = -0.0136 deg against each other, but the section at 100 turns
// -0.0270 deg against the one at 20, and that is the twist the check holds against its limit.
TEST(TwistAngle, ATorqueThatTurnsItsSignIsJudgedWhereItTwistsMost)
{
    const TContour contour = DrawnContour(TNotchedShaft::Drawing(false), 20);
    const TTwistAngle twist = TwistAngle(contour, ElementTorque({{20, -200}, {100, 300}, {180, 0}}), 200, 81000, 1);
    const long double left = HandTwist(-200000, 40, 40);
    EXPECT_GT(std::fabs(left), std::fabs(left + HandTwist(300000, 0, 80)));
    EXPECT_NEAR(double(twist.Degrees), double(left), 1e-9);
    EXPECT_EQ(twist.From, 20);
    EXPECT_EQ(twist.To, 100);
}

} // namespace
