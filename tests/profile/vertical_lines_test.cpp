#include "profile/vertical_lines.h"

#include "profile/midpoint_sort.h"
#include "profile/profile_points.h"
#include "profile_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(VerticalLines, StepsInEitherOrderGetTheirShoulderAndBothEndFaces)
{
    const QStringList closed{"line 0/15/40/15/0/", "line 40/15/40/20/0/", "line 40/20/100/20/0/", "line 0/0/0/15/0/",
                             "line 100/20/100/0/0/"};
    for (const QStringList& steps : {QStringList{"line 0/15/40/15/0/", "line 40/20/100/20/0/"},
                                     QStringList{"line 40/20/100/20/0/", "line 0/15/40/15/0/"}}) {
        TEditorFixture f;
        QStringList memo = steps;
        DrawVerticalLines(memo, f.target, f.state, f.analysis);
        EXPECT_EQ(memo, closed);
        EXPECT_EQ(f.state.LineCount(), 10);
        // The shoulder at x 40 (column 250) from radius 15 to 20, and both faces, on the screen.
        EXPECT_EQ(f.image.pixelColor(250, 190), QColor(0, 0, 0));
        EXPECT_EQ(f.image.pixelColor(550, 150), QColor(0, 0, 0));
        TModel points;
        ExtractProfilePoints(memo, points, 20);
        EXPECT_EQ(points.size(), 6u);
    }
}

TEST(VerticalLines, OnlyHorizontalStartsAreExaminedAndEndsMeetByText)
{
    struct TCase {
        QStringList memo;
        QStringList completed;
    };
    const TCase cases[] = {
        {{"line 10/5/30/5/0/"}, {"line 10/5/30/5/0/", "line 10/0/10/5/0/", "line 30/5/30/0/0/"}},
        // A hand-drawn shoulder is not a starting line; 40 and 40.0 do not meet.
        {{"line 0/15/40/15/0/", "line 40/15/40/20/0/", "line 40.0/20/100/20/0/"},
         {"line 0/15/40/15/0/", "line 40/15/40/20/0/", "line 40.0/20/100/20/0/", "line 0/0/0/15/0/",
          "line 100/20/100/0/0/"}},
        // Equal radii meeting end to start get a shoulder of zero length.
        {{"line 0/15/40/15/0/", "line 40/15/100/15/0/"},
         {"line 0/15/40/15/0/", "line 40/15/40/15/0/", "line 40/15/100/15/0/", "line 0/0/0/15/0/",
          "line 100/15/100/0/0/"}},
        // A chamfer followed by a step at its end x gets the shoulder; at its corner it needs none.
        {{"line 0/20/38/20/0/", "line 38/20/40/18/0/", "line 40/15/60/15/0/"},
         {"line 0/20/38/20/0/", "line 38/20/40/18/0/", "line 40/18/40/15/0/", "line 40/15/60/15/0/",
          "line 0/0/0/20/0/", "line 60/15/60/0/0/"}},
        // An arc at an end gives its end point to the face.
        {{"line 0/20/48/20/0/", "arc 46/16/50/20/48/20/50/18/"},
         {"line 0/20/48/20/0/", "arc 46/16/50/20/48/20/50/18/", "line 0/0/0/20/0/", "line 50/18/50/0/0/"}},
    };
    for (const TCase& c : cases) {
        TEditorFixture f;
        QStringList memo = c.memo;
        DrawVerticalLines(memo, f.target, f.state, f.analysis);
        EXPECT_EQ(memo, c.completed) << qPrintable(c.memo.join(" | "));
    }
}

TEST(VerticalLines, WhatIsDrawnAlreadyIsNotDrawnAgain)
{
    // After a chamfer the shoulder at x 50 is in the text (shortened); the chamfer ends on it.
    const QStringList chamfered{"line 10/20/46/20/0/", "line 50/18/50/12/0/", "line 50/12/100/12/0/",
                                "line 46/20/50/18/1/"};
    TEditorFixture f;
    QStringList memo = chamfered;
    DrawVerticalLines(memo, f.target, f.state, f.analysis);
    EXPECT_EQ(memo, QStringList({"line 10/20/46/20/0/", "line 46/20/50/18/1/", "line 50/18/50/12/0/",
                                 "line 50/12/100/12/0/", "line 10/0/10/20/0/", "line 100/12/100/0/0/"}));

    // A second run sorts and adds nothing: the profile has no band of no length.
    QStringList again = memo;
    DrawVerticalLines(again, f.target, f.state, f.analysis);
    QStringList sorted = memo;
    sorted.move(4, 0);
    EXPECT_EQ(again, sorted);
    TModel once;
    TModel twice;
    ExtractProfilePoints(memo, once, 20);
    ExtractProfilePoints(again, twice, 20);
    ASSERT_EQ(once.size(), twice.size());
    for (size_t i = 0; i < once.size(); ++i) EXPECT_TRUE(once[i].x == twice[i].x && once[i].r == twice[i].r) << i;

    // A hand-drawn shoulder written the other way round is the same shoulder.
    QStringList handDrawn{"line 0/15/40/15/0/", "line 40/20/40/15/0/", "line 40/20/100/20/0/"};
    DrawVerticalLines(handDrawn, f.target, f.state, f.analysis);
    EXPECT_EQ(handDrawn.filter("line 40/").size(), 2);
}

// An end face stops at the bore where a bore reaches that end and runs to the axis elsewhere; the
// bore's lines make no shoulders, and a second run only sorts.
TEST(VerticalLines, EndFacesStopAtTheBoreWhereOneReachesTheEnd)
{
    const QStringList steps{"line 0/15/40/15/0/", "line 40/20/100/20/0/"};
    const QStringList sortedSteps{"line 0/15/40/15/0/", "line 40/15/40/20/0/", "line 40/20/100/20/0/"};
    struct Case {
        const char* name;
        QStringList drawn, expected;
    };
    const Case cases[] = {
        {"through",
         {"bore 0/8/100/8/"},
         sortedSteps + QStringList{"bore 0/8/100/8/", "line 0/8/0/15/0/", "line 100/20/100/8/0/"}},
        {"blind from the left, stepped",
         {"bore 30/3/40/3/", "bore 30/6/0/6/"},
         sortedSteps + QStringList{"bore 30/6/0/6/", "bore 30/3/40/3/", "line 0/6/0/15/0/", "line 100/20/100/0/0/"}},
        {"faces drawn to the axis before",
         {"line 100/20/100/0/0/", "bore 0/8/100/8/", "line 0/0/0/15/0/"},
         QStringList{"line 0/0/0/15/0/"} + sortedSteps + QStringList{"line 100/20/100/0/0/", "bore 0/8/100/8/"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TEditorFixture f;
        QStringList memo = c.drawn + steps;
        DrawVerticalLines(memo, f.target, f.state, f.analysis);
        EXPECT_EQ(memo, c.expected);
        QStringList again = memo;
        DrawVerticalLines(again, f.target, f.state, f.analysis);
        MidpointSort(memo);
        EXPECT_EQ(again, memo);
    }
}

TEST(VerticalLines, FailuresKeepTheShouldersAndNeverWriteAnUnreadableFace)
{
    TEditorFixture f;
    QStringList empty;
    EXPECT_EQ(FailureOf([&] { DrawVerticalLines(empty, f.target, f.state, f.analysis); }),
              "List index out of bounds (0)");
    EXPECT_TRUE(empty.isEmpty());

    QStringList withNote{"line 0/15/40/15/0/", "note", "line 40/20/100/20/0/"};
    EXPECT_EQ(FailureOf([&] { DrawVerticalLines(withNote, f.target, f.state, f.analysis); }),
              "'' is not a valid floating point value");
    EXPECT_EQ(withNote.last(), "line 40/15/40/20/0/");
    EXPECT_EQ(withNote.size(), 4);

    for (const char* lone : {"note", "line 0/1x/40/15/0/"}) {
        QStringList memo{lone};
        EXPECT_FALSE(FailureOf([&] { DrawVerticalLines(memo, f.target, f.state, f.analysis); }).isEmpty());
        EXPECT_EQ(memo, QStringList{lone});
    }
    EXPECT_EQ(f.image.pixelColor(300, 100), QColor(200, 200, 200));
}

} // namespace
