// The torque every check reads: T(x) of the elements where the shaft has any, Mt over its span
// where it has none.
#include "analysis/shaft_torque.h"

#include <gtest/gtest.h>

namespace {

// Two driving elements, at 40 mm (300 N*m in) and 120 mm (200 N*m in), and one driven at 180 mm
// taking all 500 N*m out: T = 300 N*m from 40 to 120, 500 N*m from 120 to 180, nothing outside.
TShaftTorque TwoDrivingOneDriven()
{
    TShaftTorque torque;
    torque.Moment = 777777; // a typed Mt the elements overrule
    torque.Drive.Steps = {{40, 300}, {120, 500}, {180, 0}};
    return torque;
}

TEST(ShaftTorque, ElementsGiveTheirStaircaseInNewtonMillimetres)
{
    const TShaftTorque torque = TwoDrivingOneDriven();
    struct TCase {
        long double x, expected;
    } const cases[] = {{0, 0}, {39.9L, 0}, {80, 300000}, {119.9L, 300000}, {150, 500000}, {181, 0}, {400, 0}};
    for (const TCase& c : cases) EXPECT_EQ(torque.At(c.x), c.expected) << "x = " << double(c.x);
    // On an element the section is judged on its more loaded side.
    EXPECT_EQ(torque.At(40), 300000);
    EXPECT_EQ(torque.At(120), 500000);
    EXPECT_EQ(torque.At(180), 500000);
    EXPECT_EQ(torque.Largest(), 500000);
    const std::vector<TTorqueStretch> stretches = torque.Stretches(200);
    ASSERT_EQ(stretches.size(), 2u);
    EXPECT_EQ(stretches[0].From, 40);
    EXPECT_EQ(stretches[0].To, 120);
    EXPECT_EQ(stretches[0].Torque, 300000);
    EXPECT_EQ(stretches[1].From, 120);
    EXPECT_EQ(stretches[1].To, 180);
    EXPECT_EQ(stretches[1].Torque, 500000);
}

// A driven element between two driving ones: T turns its sign, and the larger magnitude counts
// at the element whatever the sign.
TEST(ShaftTorque, AtAnElementTheLargerMagnitudeWinsWithItsSign)
{
    TShaftTorque torque;
    torque.Drive.Steps = {{20, -200}, {100, 300}, {180, 0}};
    EXPECT_EQ(torque.At(100), 300000);
    EXPECT_EQ(torque.At(20), -200000);
    EXPECT_EQ(torque.Largest(), 300000);
}

TEST(ShaftTorque, WithoutElementsMtActsOverItsSpan)
{
    const TShaftTorque whole{-250000, {}, {}};
    EXPECT_FALSE(whole.FromElements());
    EXPECT_EQ(whole.At(-5), -250000);
    EXPECT_EQ(whole.Largest(), 250000);
    const TShaftTorque spanned{250000, {50, 150}, {}};
    EXPECT_EQ(spanned.At(49.9L), 0);
    EXPECT_EQ(spanned.At(150), 250000);
    const std::vector<TTorqueStretch> open = TShaftTorque{250000, {50, std::nullopt}, {}}.Stretches(300);
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].From, 50);
    EXPECT_EQ(open[0].To, 300);
    EXPECT_TRUE(spanned.Problem().isEmpty());
}

TEST(ShaftTorque, UnbalancedElementsNameTheirSum)
{
    TShaftTorque torque;
    torque.Drive.Balanced = false;
    torque.Drive.TorqueSum = 25;
    EXPECT_TRUE(torque.FromElements());
    EXPECT_EQ(torque.Problem(), "Momentele de torsiune ale elementelor nu se echilibreaza: suma lor este 25 N*m !");
}

} // namespace
