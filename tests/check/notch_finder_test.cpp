#include "check/notch_finder.h"

#include "notched_shaft.h"

#include <gtest/gtest.h>

namespace {

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
