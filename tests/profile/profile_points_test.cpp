#include "profile/profile_points.h"

#include "profile/revolution_nodes.h"
#include "profile_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TPoint {
    long double x, r;
};

void ExpectPoints(const TModel& points, std::initializer_list<TPoint> expected)
{
    ASSERT_EQ(points.size(), expected.size());
    size_t i = 0;
    for (const TPoint& p : expected) {
        EXPECT_NEAR(double(points[i].x), double(p.x), 1e-12) << i;
        EXPECT_NEAR(double(points[i].r), double(p.r), 1e-12) << i;
        ++i;
    }
}

TEST(ProfilePoints, SteppedShaftClosedByItsEndFaces)
{
    QStringList memo{"line 100/20/100/0/0/", "line 0/15/40/15/0/", "line 40/20/100/20/0/", "line 40/15/40/20/0/",
                     "line 0/0/0/15/0/"};
    TModel points;
    ExtractProfilePoints(memo, points, 20);
    ExpectPoints(points, {{0, 0}, {0, 15}, {40, 15}, {40, 20}, {100, 20}, {100, 0}});
    EXPECT_EQ(memo.first(), "line 0/0/0/15/0/");
    EXPECT_EQ(memo.last(), "line 100/20/100/0/0/");
}

TEST(ProfilePoints, LinesGiveTheirLeftEndAndTheLastOneItsSecondEnd)
{
    QStringList single{"line 10/5/30/8/0/"};
    TModel points;
    ExtractProfilePoints(single, points, 20);
    ExpectPoints(points, {{0, 5}, {20, 8}});

    QStringList backwards{"line 10/5/0/15/0/", "line 40/15/0/15/0/", "line 30/15/40/2/0/"};
    ExtractProfilePoints(backwards, points, 20);
    ExpectPoints(points, {{0, 5}, {-10, 15}, {20, 15}, {30, 2}});
}

TEST(ProfilePoints, FilletArcIsSampledOnItsCircle)
{
    QStringList memo{"line 10/20/48/20/0/", "line 50/18/50/12/0/", "arc 46/16/50/20/48/20/50/18/"};
    TModel points;
    ExtractProfilePoints(memo, points, 20);
    EXPECT_EQ(memo, QStringList({"line 10/20/48/20/0/", "arc 46/16/50/20/48/20/50/18/", "line 50/18/50/12/0/"}));
    ASSERT_EQ(points.size(), 23u);
    EXPECT_EQ(points[0].x, 0);
    EXPECT_EQ(points[0].r, 20);
    EXPECT_EQ(points[1].x, 38);
    EXPECT_EQ(points[1].r, 20);
    for (int j = 1; j <= 19; ++j) {
        const long double x = 48 + 0.1L * j;
        EXPECT_NEAR(double(points[1 + j].x), double(x - 10), 1e-15) << j;
        EXPECT_NEAR(double(points[1 + j].r), double(18 + std::sqrt(4 - (x - 48) * (x - 48))), 1e-15) << j;
    }
    EXPECT_LT(points[2].r, 20);
    EXPECT_NEAR(double(points[20].r), 18.6245, 1e-4);
    EXPECT_EQ(points[21].x, 40);
    EXPECT_EQ(points[21].r, 18);
    EXPECT_EQ(points[22].x, 40);
    EXPECT_EQ(points[22].r, 12);
}

TEST(ProfilePoints, ArcsRightToLeftLieOnTheAxisSideAndAVerticalArcGivesNothing)
{
    QStringList memo{"line 0/10/10/10/0/", "arc 10/0/20/10/20/5/15/0/", "arc 0/0/40/40/15/3/15/8/", "line 20/5/30/5/0/"};
    TModel points;
    ExtractProfilePoints(memo, points, 4);
    ExpectPoints(points, {{0, 10}, {15, 0}, {16.25L, 5 - std::sqrt(25 - 1.25L * 1.25L)}, {17.5L, 5 - std::sqrt(18.75L)},
                          {18.75L, 5 - std::sqrt(25 - 3.75L * 3.75L)}, {20, 5}, {30, 5}});
}

// The walk comes back along the bore from right to left, 0 where the shaft is solid, with a
// vertical step wherever the bore's radius changes, and ends where it began. Faces drawn down to
// the axis before the bore stop at it.
TEST(ProfilePoints, AHollowShaftWalksBackAlongItsBoreIntoAClosedLoop)
{
    const QStringList stepped{"line 0/15/40/15/0/", "line 40/15/40/20/0/", "line 40/20/100/20/0/"};
    struct Case {
        const char* name;
        QStringList memo;
        std::initializer_list<TPoint> expected;
    };
    const Case cases[] = {
        {"through, faces to the bore",
         {"bore 0/8/100/8/", "line 0/8/0/15/0/", "line 100/20/100/8/0/"},
         {{0, 8}, {0, 15}, {40, 15}, {40, 20}, {100, 20}, {100, 8}, {0, 8}}},
        {"through, faces drawn to the axis before",
         {"line 0/0/0/15/0/", "bore 0/8/100/8/", "line 100/20/100/0/0/"},
         {{0, 8}, {0, 15}, {40, 15}, {40, 20}, {100, 20}, {100, 8}, {0, 8}}},
        {"blind from the right",
         {"line 0/0/0/15/0/", "line 100/20/100/6/0/", "bore 100/6/70/6/"},
         {{0, 0}, {0, 15}, {40, 15}, {40, 20}, {100, 20}, {100, 6}, {70, 6}, {70, 0}, {0, 0}}},
        {"stepped and tapered from the left, solid on the right",
         {"bore 30/7/60/4/", "line 0/5/0/15/0/", "line 100/20/100/0/0/", "bore 0/5/30/5/"},
         {{0, 5}, {0, 15}, {40, 15}, {40, 20}, {100, 20}, {100, 0}, {60, 0}, {60, 4}, {30, 7}, {30, 5}, {0, 5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList memo = stepped + c.memo;
        TModel points;
        ExtractProfilePoints(memo, points, 20);
        ExpectPoints(points, c.expected);
        EXPECT_TRUE(ClosesOnItself(points));
        EXPECT_EQ(ProfileSpanOf(points), 100);
    }
}

TEST(ProfilePoints, ABoreWiderThanTheOutlineSweepsNoSolid)
{
    TModel points{{1, 1}};
    QStringList memo{"line 0/15/40/15/0/", "line 40/15/40/20/0/", "line 40/20/100/20/0/", "bore 0/16/100/16/"};
    EXPECT_EQ(FailureOf([&] { ExtractProfilePoints(memo, points, 20); }),
              "The bore is as wide as the outline or wider at x = 0 mm");
    EXPECT_EQ(points.size(), 1u);
}

TEST(ProfilePoints, FailuresLeaveTheMemoSorted)
{
    TModel points{{1, 1}};
    QStringList empty;
    EXPECT_EQ(FailureOf([&] { ExtractProfilePoints(empty, points, 20); }), "List index out of bounds (0)");
    EXPECT_EQ(points.size(), 1u);

    QStringList arcFirst{"line 10/5/20/5/0/", "arc 0/0/10/10/0/5/5/10/"};
    EXPECT_EQ(FailureOf([&] { ExtractProfilePoints(arcFirst, points, 20); }), "'' is not a valid floating point value");
    EXPECT_EQ(arcFirst.first(), "arc 0/0/10/10/0/5/5/10/");
    EXPECT_EQ(points.size(), 1u);

    QStringList arcLast{"arc 20/0/30/10/25/10/30/5/", "line 0/5/20/5/0/"};
    EXPECT_EQ(FailureOf([&] { ExtractProfilePoints(arcLast, points, 20); }), "'' is not a valid floating point value");
    EXPECT_EQ(arcLast.first(), "line 0/5/20/5/0/");
    EXPECT_EQ(points.size(), 21u); // the first line, the arc's start and its 19 steps stay

    QStringList noStatement{"line 10/5/20/5/0/", "line 0/5/10/5/0/", "", "line 20/5/30/5/0/"};
    EXPECT_EQ(FailureOf([&] { ExtractProfilePoints(noStatement, points, 20); }),
              "'' is not a valid floating point value");
    EXPECT_EQ(noStatement.first(), "line 0/5/10/5/0/");
}

} // namespace
