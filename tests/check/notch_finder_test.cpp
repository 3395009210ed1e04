#include "check/notch_finder.h"

#include "check/stress_concentration.h"
#include "notched_shaft.h"
#include "profile/corner_tool.h"

#include <gtest/gtest.h>

namespace {

// A step from 40 to 48 mm at x = 60: the thin step, its face and the thick step are statements
// 1, 2 and 3; the face is 4 mm high.
const QStringList kStepUp{"line 0/0/0/20/0/", "line 0/20/60/20/0/", "line 60/20/60/24/0/", "line 60/24/200/24/0/",
                          "line 200/24/200/0/0/"};

// Rounds (or bevels) the corner where statements `first` and `second` meet, as the corner tool
// does when the two lines are picked in that order: both lines cut by `size`, the closing
// statement appended.
QStringList WithCorner(QStringList drawing, int first, int second, long double size, bool chamfer = false)
{
    const TCornerCut cut = CutCorner(ReadLineStatement(drawing[first]), ReadLineStatement(drawing[second]), size, size,
                                     size, chamfer);
    EXPECT_EQ(cut.Outcome, TCornerOutcome::Cut);
    drawing[first] = WriteLineStatement(cut.First);
    drawing[second] = WriteLineStatement(cut.Second);
    drawing.append(cut.Closing);
    return drawing;
}

void ExpectNotch(const std::vector<TNotch>& notches, long double position, long double d, long double D, long double r)
{
    ASSERT_EQ(notches.size(), 1u);
    EXPECT_EQ(notches[0].Position, position);
    EXPECT_EQ(notches[0].Small, d);
    EXPECT_EQ(notches[0].Large, D);
    EXPECT_EQ(notches[0].Radius, r);
}

// Peterson's torsion example, D / d = 1.2 and r / d = 0.1, drawn as a user draws it: the fillet
// takes the whole face, which the corner tool leaves as a line of zero length. Kts = 1.357 to
// the three decimals it is given with.
TEST(NotchFinder, FilletAsHighAsTheStep)
{
    const QStringList drawn = WithCorner(kStepUp, 1, 2, 4);
    ASSERT_EQ(drawn[2], "line 60/24/60/24/0/");
    ExpectNotch(FindNotches(drawn), 60, 40, 48, 4);
    EXPECT_NEAR(double(StressConcentration(TLoading::Torsion, 40, 48, 4).Kt), 1.357, 5e-4);

    QStringList faceless = drawn;
    faceless.removeAt(2);
    ExpectNotch(FindNotches(faceless), 60, 40, 48, 4);
    // The same step falling to the right.
    const QStringList down{"line 0/24/60/24/0/", "line 60/24/60/20/0/", "line 60/20/200/20/0/"};
    ExpectNotch(FindNotches(WithCorner(down, 2, 1, 4)), 60, 40, 48, 4);
}

// A round on the outer edge as high as the face leaves the inner corner sharp: its circle's
// centre lies inside the material, so it is no notch radius and no notch of its own.
TEST(NotchFinder, EdgeRoundAsHighAsTheStepLeavesASharpCorner)
{
    const QStringList drawn = WithCorner(kStepUp, 2, 3, 4);
    ASSERT_EQ(drawn[2], "line 60/20/60/20/0/");
    ExpectNotch(FindNotches(drawn), 60, 40, 48, 0);
}

// A chamfer on the outer edge and a fillet in the inner corner share the face between them.
TEST(NotchFinder, FilletMeetingAChamfer)
{
    const QStringList drawn = WithCorner(WithCorner(kStepUp, 2, 3, 2, true), 1, 2, 2);
    ASSERT_EQ(drawn[2], "line 60/22/60/22/0/");
    ExpectNotch(FindNotches(drawn), 60, 40, 48, 2);
}

// A step into a cone: D is where the cone leads, as for a face with a chamfer on its edge.
TEST(NotchFinder, FilletOnACone)
{
    QStringList cone = kStepUp;
    cone[3] = "line 60/24/100/30/0/";
    cone.insert(4, "line 100/30/200/30/0/");
    cone[5] = "line 200/30/200/0/0/";
    ExpectNotch(FindNotches(WithCorner(cone, 1, 2, 4)), 60, 40, 60, 4);
}

TEST(NotchFinder, ShoulderFacesWithTheirFillets)
{
    const std::vector<TNotch> sharp = FindNotches(TNotchedShaft::Drawing(false));
    ASSERT_EQ(sharp.size(), 1u); // the end faces reach the axis
    EXPECT_EQ(sharp[0].Position, 60);
    EXPECT_EQ(sharp[0].Small, 40);
    EXPECT_EQ(sharp[0].Large, 60);
    EXPECT_EQ(sharp[0].Radius, 0);

    const std::vector<TNotch> filleted = FindNotches(TNotchedShaft::Drawing(true));
    ASSERT_EQ(filleted.size(), 1u);
    EXPECT_EQ(filleted[0].Small, 40);
    EXPECT_EQ(filleted[0].Radius, 2);
    EXPECT_TRUE(filleted[0].Covers(58));
    EXPECT_FALSE(filleted[0].Covers(57));
}

// A shoulder stepping down to the right, its outer corner rounded and chamfered: the fillet of
// the outer corner is no notch radius, but D is the diameter it reaches.
TEST(NotchFinder, OuterCornersGiveTheLargeDiameter)
{
    const QStringList drawing{"line 0/25/46/25/0/", "arc 42/17/50/25/46/25/50/21/", "line 50/21/50/15/0/",
                              "line 50/15/100/15/0/", "line 100/15/100/12/0/", "line 100/12/130/12/0/"};
    const std::vector<TNotch> notches = FindNotches(drawing);
    ASSERT_EQ(notches.size(), 2u);
    EXPECT_EQ(notches[0].Large, 50);
    EXPECT_EQ(notches[0].Small, 30);
    EXPECT_EQ(notches[0].Radius, 0);
    EXPECT_EQ(notches[1].Position, 100);
    EXPECT_EQ(notches[1].Large, 30);
}

// Steps drawn before the shoulders are: two horizontal lines meeting end to start. Running the
// shoulder search twice draws each face twice; it is still one notch.
TEST(NotchFinder, BareStepsAndRepeatedFaces)
{
    const std::vector<TNotch> bare = FindNotches({"line 40/20/100/20/0/", "line 0/15/40/15/0/", "line 100/20/140/20/0/"});
    ASSERT_EQ(bare.size(), 1u);
    EXPECT_EQ(bare[0].Position, 40);
    EXPECT_EQ(bare[0].Small, 30);
    EXPECT_EQ(bare[0].Large, 40);

    const std::vector<TNotch> twice = FindNotches({"line 0/15/40/15/0/", "line 40/20/100/20/0/", "line 40/15/40/20/0/",
                                                   "line 40/15/40/20/0/"});
    EXPECT_EQ(twice.size(), 1u);
}

} // namespace
