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
