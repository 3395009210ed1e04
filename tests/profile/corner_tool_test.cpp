// The corner geometry: the worked shoulder and the three other corner orientations, as fillet
// and as chamfer, each fillet checked to be the quarter circle inside the corner.
#include "profile/corner_tool.h"
#include "profile/dhl_statement.h"

#include <QtMath>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TLineStatement Line(long double x1, long double y1, long double x2, long double y2) { return {x1, y1, x2, y2, false}; }

struct TCornerCase {
    const char* name;
    TLineStatement first, second;
    long double firstCut, secondCut;
    bool chamfer;
    const char *firstAfter, *secondAfter, *closing;
};

// Angle on the screen, where larger y is lower: counter-clockwise is positive.
qreal ScreenAngle(long double cx, long double cy, long double x, long double y)
{
    return qRadiansToDegrees(std::atan2(double(-(y - cy)), double(x - cx)));
}

// Quarter arcs of the cut: centre at distance R from both tangent points, a sweep of +90 degrees.
void ExpectQuarterInside(const QString& closing, long double r)
{
    const TArcStatement arc = ReadStatement(closing).Arc;
    const long double cx = (arc.XA + arc.XB) / 2, cy = (arc.YA + arc.YB) / 2;
    EXPECT_EQ(std::hypot(double(arc.XS - cx), double(arc.YS - cy)), double(r));
    EXPECT_EQ(std::hypot(double(arc.XE - cx), double(arc.YE - cy)), double(r));
    qreal sweep = ScreenAngle(cx, cy, arc.XE, arc.YE) - ScreenAngle(cx, cy, arc.XS, arc.YS);
    if (sweep < 0) sweep += 360;
    EXPECT_DOUBLE_EQ(sweep, 90) << closing.toStdString();
}

TEST(CornerTool, CutsEveryCornerOrientationAsFilletAndChamfer)
{
    const TCornerCase cases[] = {
        {"shoulder down, step to the left (worked example)", Line(10, 20, 50, 20), Line(50, 20, 50, 12), 2, 2, false,
         "line 10/20/48/20/0/", "line 50/18/50/12/0/", "arc 46/16/50/20/48/20/50/18/"},
        {"worked example as chamfer", Line(10, 20, 50, 20), Line(50, 20, 50, 12), 4, 2, true, "line 10/20/46/20/0/",
         "line 50/18/50/12/0/", "line 46/20/50/18/1/"},
        {"shoulder down, step to the right", Line(50, 20, 90, 20), Line(50, 12, 50, 20), 2, 2, false,
         "line 52/20/90/20/0/", "line 50/12/50/18/0/", "arc 54/16/50/20/50/18/52/20/"},
        {"shoulder down, step to the right, chamfer", Line(50, 20, 90, 20), Line(50, 12, 50, 20), 4, 2, true,
         "line 54/20/90/20/0/", "line 50/12/50/18/0/", "line 54/20/50/18/1/"},
        {"shoulder up, step to the left", Line(10, 20, 50, 20), Line(50, 20, 50, 30), 2, 2, false,
         "line 10/20/48/20/0/", "line 50/22/50/30/0/", "arc 46/24/50/20/50/22/48/20/"},
        {"shoulder up, step to the left, chamfer", Line(10, 20, 50, 20), Line(50, 20, 50, 30), 4, 2, true,
         "line 10/20/46/20/0/", "line 50/22/50/30/0/", "line 46/20/50/22/1/"},
        {"shoulder up, step to the right", Line(50, 20, 90, 20), Line(50, 30, 50, 20), 2, 2, false,
         "line 52/20/90/20/0/", "line 50/30/50/22/0/", "arc 54/24/50/20/52/20/50/22/"},
        {"shoulder up, step to the right, chamfer", Line(50, 20, 90, 20), Line(50, 30, 50, 20), 4, 2, true,
         "line 54/20/90/20/0/", "line 50/30/50/22/0/", "line 54/20/50/22/1/"},
        {"vertical picked first, both at their starts", Line(50, 20, 50, 12), Line(50, 20, 90, 20), 2, 2, false,
         "line 50/18/50/12/0/", "line 52/20/90/20/0/", "arc 50/20/54/16/50/18/52/20/"},
        {"vertical picked first takes the first cut", Line(50, 20, 50, 12), Line(50, 20, 90, 20), 4, 2, true,
         "line 50/16/50/12/0/", "line 52/20/90/20/0/", "line 52/20/50/16/1/"},
    };
    for (const TCornerCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TCornerCut cut = CutCorner(c.first, c.second, c.firstCut, c.secondCut, 2, c.chamfer);
        EXPECT_EQ(cut.Outcome, TCornerOutcome::Cut);
        EXPECT_EQ(WriteLineStatement(cut.First), c.firstAfter);
        EXPECT_EQ(WriteLineStatement(cut.Second), c.secondAfter);
        EXPECT_EQ(cut.Closing, c.closing);
        if (!c.chamfer) ExpectQuarterInside(cut.Closing, 2);
    }
}

TEST(CornerTool, RefusesWhatItCannotCutAndChangesNothing)
{
    const TLineStatement step = Line(10, 20, 50, 20), shoulder = Line(50, 20, 50, 12);
    struct {
        const char* name;
        TLineStatement second;
        long double firstCut, secondCut, radius;
        TCornerOutcome outcome;
    } cases[] = {
        {"cut longer than the shoulder", shoulder, 2, 8.5, 2, TCornerOutcome::TooLong},
        {"lines apart", Line(60, 20, 60, 12), 2, 2, 2, TCornerOutcome::NoCommonPoint},
        {"two horizontal lines", Line(50, 20, 80, 20), 2, 2, 2, TCornerOutcome::NoCommonPoint},
        {"a sloped line", Line(50, 20, 54, 16), 2, 2, 2, TCornerOutcome::NoCommonPoint},
        {"negative cut", shoulder, -1, 2, 2, TCornerOutcome::NegativeSize},
        {"negative radius", shoulder, 2, 2, -2, TCornerOutcome::NegativeSize},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TCornerCut cut = CutCorner(step, c.second, c.firstCut, c.secondCut, c.radius, false);
        EXPECT_EQ(cut.Outcome, c.outcome);
        EXPECT_EQ(WriteLineStatement(cut.First), WriteLineStatement(step));
        EXPECT_EQ(WriteLineStatement(cut.Second), WriteLineStatement(c.second));
        EXPECT_TRUE(cut.Closing.isEmpty());
    }
}

TEST(CornerTool, ACutAsLongAsTheShoulderIsTakenAndOneLongerThanTheStepTurnsItRound)
{
    const TCornerCut whole = CutCorner(Line(10, 20, 50, 20), Line(50, 20, 50, 12), 4, 8, 0, true);
    EXPECT_EQ(whole.Outcome, TCornerOutcome::Cut);
    EXPECT_EQ(WriteLineStatement(whole.Second), "line 50/12/50/12/0/");

    const TCornerCut reversed = CutCorner(Line(10, 20, 50, 20), Line(50, 20, 50, 12), 45, 2, 0, true);
    EXPECT_EQ(WriteLineStatement(reversed.First), "line 10/20/5/20/0/");
    EXPECT_EQ(reversed.Closing, "line 5/20/50/18/1/");
}

} // namespace
