#include "profile/step_edits.h"

#include <gtest/gtest.h>

namespace {

// The shoulder of a 40 mm step into a 60 mm one at x = 60, sharp or with the corner tool's r = 2.
const QStringList kSharp{"line 0/0/0/20/0/", "line 0/20/60/20/0/", "line 60/20/60/30/0/", "line 60/30/200/30/0/",
                         "line 200/30/200/0/0/"};
const QStringList kFillet2{"line 0/0/0/20/0/", "line 0/20/58/20/0/", "line 60/22/60/30/0/", "line 60/30/200/30/0/",
                           "line 200/30/200/0/0/", "arc 56/24/60/20/60/22/58/20/"};

TEST(StepEdits, AFilletOnASharpCornerIsTheCornerToolsFillet)
{
    EXPECT_EQ(WithFilletRadius(kSharp, 60, 20, 2), kFillet2);
}

TEST(StepEdits, AnotherFilletReplacesTheOldOne)
{
    const QStringList expected{"line 0/0/0/20/0/", "line 0/20/56/20/0/", "line 60/24/60/30/0/", "line 60/30/200/30/0/",
                               "line 200/30/200/0/0/", "arc 52/28/60/20/60/24/56/20/"};
    EXPECT_EQ(WithFilletRadius(kFillet2, 60, 20, 4), expected);
    // Taller than the face, or longer than the cylinder: refused.
    EXPECT_FALSE(WithFilletRadius(kFillet2, 60, 20, 11));
    EXPECT_FALSE(WithFilletRadius({"line 50/20/60/20/0/", "line 60/20/60/40/0/"}, 60, 20, 10.5L));
    // No face at the shoulder: nothing to round.
    EXPECT_FALSE(WithFilletRadius({"line 0/20/60/20/0/", "line 60/30/200/30/0/"}, 60, 20, 1));
}

TEST(StepEdits, AThickerStepTakesItsFilletAndFacesAlong)
{
    const QStringList expected{"line 0/0/0/22/0/", "line 0/22/58/22/0/", "line 60/24/60/30/0/", "line 60/30/200/30/0/",
                               "line 200/30/200/0/0/", "arc 56/26/60/22/60/24/58/22/"};
    EXPECT_EQ(WithStepRadius(kFillet2, 60, 2, 20, 22), expected);
    // Past the shoulder's top the face would turn round.
    EXPECT_FALSE(WithStepRadius(kFillet2, 60, 2, 20, 29));
    EXPECT_FALSE(WithStepRadius(kFillet2, 100, 0, 20, 22));
    const std::optional<TCylinderSpan> span = CylinderSpanNear(kFillet2, 60, 2, 20);
    ASSERT_TRUE(span);
    EXPECT_EQ(span->From, 0);
    EXPECT_EQ(span->To, 58);
}

} // namespace
