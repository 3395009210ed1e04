// The drawn outline is read once for the strength table and every check: the same radius at every
// x, and the same refusal of an outline no shaft can have.
#include "notched_shaft.h"
#include "solved_shaft.h"

#include "check/stiffness_and_speed.h"
#include "check/twist_angle.h"
#include "common/errors.h"
#include "profile/contour_index.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

template <class Action>
std::string Refusal(const Action& action)
{
    try {
        action();
    } catch (const KorvelError& error) {
        return error.Text().toStdString();
    }
    return "";
}

// A line from r = 10 at x = 0 to r = -10 at x = 100 once read as a plain 20 mm shaft by the beam
// checks while the strength table showed d = 0 at x = 50.
TEST(OutlineReading, AnOutlineThatCrossesTheAxisIsRefusedByEveryCheck)
{
    const TContour crossing{{0, 10, 100, -10}};
    const std::string where = "The outline crosses the axis at x = 50 mm";
    const TStiffnessAndSpeed stiffness = CheckStiffnessAndSpeed(SolvedShaft(100, 0, 100, {{50, 1000}}, {}), {50}, crossing, TCheckInputs{});
    EXPECT_EQ(stiffness.Deflection.Problem.toStdString(), where);
    EXPECT_EQ(stiffness.Speed.Problem.toStdString(), where);
    EXPECT_FALSE(stiffness.Speed.CriticalSpeed);
    EXPECT_EQ(Refusal([&] { TwistAngle(crossing, 1e5L, {}, 100, 81000, 1); }), where);
    TNotchedShaft notched;
    EXPECT_EQ(Refusal([&] { CheckFatigue(notched.analysis, notched.data, TTwistCycle::Constant, {{}, crossing}, notched.material); }),
              where);
    const TVerification strength = VerifyShaft(notched.analysis, notched.data, crossing);
    EXPECT_EQ(strength.OutlineFault.toStdString(), "the outline crosses the axis at x = 50 mm");
    EXPECT_EQ(double(*TContourIndex(crossing).DiameterAt(50)), 0.0);
}

TEST(OutlineReading, ADrawnDiameterOutsideItsRangeIsRefusedNamingThePlace)
{
    const auto problem = [](const TContour& contour) {
        return CheckStiffnessAndSpeed(SolvedShaft(100, 0, 100, {{50, 1000}}, {}), {50}, contour, TCheckInputs{}).Speed.Problem.toStdString();
    };
    EXPECT_EQ(problem({{0, 10, 40, 10}, {40, 0.004L, 100, 0.004L}}),
              "The drawn diameter at x = 40 mm must be from 0.01 to 10000 mm");
    EXPECT_EQ(problem({{0, 10, 60, 10}, {60, 1e300L, 100, 1e300L}}),
              "The drawn diameter at x = 60 mm must be from 0.01 to 10000 mm");
    EXPECT_EQ(problem({{0, 10, 50, 0}, {50, 0, 100, 10}}), "The outline reaches the axis at x = 50 mm");
    EXPECT_EQ(problem({{0, 0.005L, 100, 5000}}), "");
}

// Fillets, a chamfer, a cone and a thinner line drawn across a thicker one, which it crosses at
// x = 125: the beam checks' pieces give the strength table's diameter everywhere, and a fillet's
// middle lies on its circle, not on a chord.
TEST(OutlineReading, TheBeamChecksReadTheDiametersOfTheStrengthTable)
{
    const QStringList drawing{"line 0/20/97/20/0/",       "arc 94/26/100/20/100/23/97/20/", "line 100/23/100/30/0/",
                              "line 100/30/196/30/0/",    "line 196/30/200/26/0/",          "line 200/26/200/18/0/",
                              "line 200/18/300/28/0/",    "line 100/35/200/15/0/"};
    const TContour contour = DrawnContour(drawing, 1);
    const TContourIndex index(contour);
    const TShaftGeometry shaft = ShaftGeometry(contour, 0, 300);
    for (long double x = 0.25L; x < 300; x += 0.5L)
        EXPECT_EQ(double(*index.DiameterAt(x)), double(2 * shaft.PieceAt(x).RadiusAt(x))) << double(x);
    EXPECT_NEAR(double(*index.DiameterAt(97 + 3 / std::sqrt(2.0L))), 2 * (23 - 3 / std::sqrt(2.0)), 1e-12);
    EXPECT_EQ(double(*index.DiameterAt(110)), 60.0);
    EXPECT_NEAR(double(*index.DiameterAt(150)), 50.0, 1e-12);
    EXPECT_NEAR(double(*index.DiameterAt(250)), 46.0, 1e-12);
}

} // namespace
