// The torque every check reads where the shaft has elements: T(x) in N*mm, and at an element the
// more loaded of its two sides.
#include "analysis/shaft_torque.h"

#include <gtest/gtest.h>

namespace {

// Two driving elements, at 40 mm (300 N*m in) and 120 mm (200 N*m in), and one driven at 180 mm
// taking all 500 N*m out: T = 300 N*m from 40 to 120, 500 N*m from 120 to 180, nothing outside.
// A typed Mt no longer counts.
TEST(ShaftTorque, TwoDrivingElementsAndOneDriven)
{
    TShaftTorque torque{777777, {}, {}};
    torque.Drive.Steps = {{40, 300}, {120, 500}, {180, 0}};
    struct TCase {
        long double x, expected;
    } const cases[] = {{0, 0}, {39.9L, 0}, {40, 300000}, {80, 300000}, {120, 500000}, {150, 500000}, {180, 500000}, {181, 0}};
    for (const TCase& c : cases) EXPECT_EQ(torque.At(c.x), c.expected) << "x = " << double(c.x);
    EXPECT_EQ(torque.Largest(), 500000);

    // The driven element between the two driving ones: T turns its sign at 100 mm, where the
    // larger magnitude counts with its own sign.
    torque.Drive.Steps = {{20, -200}, {100, 300}, {180, 0}};
    EXPECT_EQ(torque.At(100), 300000);
    EXPECT_EQ(torque.At(20), -200000);
}

} // namespace
