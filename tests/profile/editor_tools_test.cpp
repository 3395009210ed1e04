// The pointer tools without a window: tracking with its read-outs, highlight and boxes, the line
// drawn between two boxed ends, picks written back with positive radii, modify and delete, and
// the memo text read as a text list reads it.
#include "profile/dhl_rendering.h"
#include "profile/editor_commands.h"
#include "profile/editor_tools.h"
#include "profile/memo_text.h"

#include "profile_test_support.h"

#include <gtest/gtest.h>

namespace {

// A shaft of 200 mm: x maps to column 50 + 2.5 x, a radius to row 100 + 2.5 y.
struct ToolsTest : ::testing::Test, TEditorFixture {
    ToolsTest() { analysis.ShaftLength = 200; }

    QStringList memo{"line 10/20/50/20/0/", "line 60/30/90/30/0/"};

    void Regenerate() { Generate(memo, target, state, analysis); }
    TTracking MoveTo(int x, int y) { return TrackPointer(state, memo, x, y, analysis.ShaftLength); }
};

TEST_F(ToolsTest, TrackingHighlightsBoxesAndReportsTheLineUnderThePointer)
{
    Regenerate();
    TTracking over = MoveTo(120, 151); // on the first step, 1 row below it
    ASSERT_EQ(over.Marks.size(), 1u);
    EXPECT_EQ(over.Marks[0].Record, 0);
    EXPECT_FALSE(over.Redraw);
    ASSERT_TRUE(over.ReadOuts);
    EXPECT_EQ(*over.ReadOuts, (TReadOuts{"x1: 10.00", "r1: 20.00", "x2: 50.00", "r2: 20.00", "dx: 40.00", "dy: 0.00"}));

    // The mirror image reports the same radii.
    EXPECT_EQ((*MoveTo(120, 50).ReadOuts)[1], "r1: 20.00");
    EXPECT_EQ(state.HoverIndex, 1);

    TTracking atEnd = MoveTo(174, 148); // the end of the first step: line and box
    EXPECT_EQ(atEnd.Marks.size(), 2u);
    EXPECT_EQ(atEnd.Marks[1].Centre, QPoint(175, 150));
    EXPECT_TRUE(state.EndBoxShown);
    DrawTracking(target, atEnd, state, analysis.ShaftLength);
    EXPECT_EQ(image.pixelColor(120, 150), ColorFromValue(16711680)); // blue highlight
    EXPECT_EQ(image.pixelColor(169, 145), ColorFromValue(32768));    // green box outline
    EXPECT_EQ(image.pixelColor(180, 145), ColorFromValue(32768));

    // Leaving both the line and the box: one redraw, cleared read-outs; the hover and the snap
    // point stay for the tools.
    TTracking away = MoveTo(400, 20);
    EXPECT_TRUE(away.Redraw);
    EXPECT_TRUE(away.Marks.empty());
    EXPECT_EQ(*away.ReadOuts, ClearedReadOuts());
    EXPECT_EQ(state.HighlightIndex, -1);
    EXPECT_FALSE(state.EndBoxShown);
    EXPECT_EQ(state.HoverIndex, 0);
    EXPECT_EQ(state.SnapPoint.x, 50);
    EXPECT_FALSE(MoveTo(401, 20).Redraw) << "nothing left to remove";
}

TEST_F(ToolsTest, DrawsALineBetweenTwoBoxedEndsAndNeverAPointLine)
{
    Regenerate();
    SelectTool(state, TTool::Draw);
    MoveTo(175, 150); // end of the first step
    EXPECT_FALSE(DrawLinesPress(state, memo));
    EXPECT_FALSE(DrawLinesPress(state, memo)) << "the same end again";
    MoveTo(200, 25); // start of the second step, on the mirrored half
    EXPECT_TRUE(DrawLinesPress(state, memo));
    EXPECT_EQ(memo.last(), "line 50/20/60/30/0/");
    EXPECT_FALSE(state.LineStartPicked);

    TEditorState empty; // no line at all: both presses take (0, 0)
    QStringList none;
    EXPECT_FALSE(DrawLinesPress(empty, none));
    EXPECT_FALSE(DrawLinesPress(empty, none));
    EXPECT_TRUE(none.isEmpty());
}

TEST_F(ToolsTest, PickModifyAndDeleteEditTheStatementInPlace)
{
    memo.prepend("a line of my own");
    Regenerate();
    SelectTool(state, TTool::Modify);
    MoveTo(120, 50); // the mirror of the first step
    MoveTo(400, 20); // picked after leaving it: the hover stays
    const auto picked = PickLine(state, memo);
    ASSERT_TRUE(picked);
    EXPECT_EQ(*picked, (std::array<QString, 4>{"10", "20", "50", "20"}));
    EXPECT_EQ(memo[1], "line 10/20/50/20/1/");
    Regenerate();

    EXPECT_EQ(FailureOf([&] { ModifySelected(state, memo, {"10", "2O", "50", "20"}); }),
              "'2O' is not a valid floating point value");
    EXPECT_EQ(memo[1], "line 10/20/50/20/1/");
    EXPECT_TRUE(ModifySelected(state, memo, {"10", " 25", "50", "25"}));
    EXPECT_EQ(memo[1], "line 10/ 25/50/25/0/");
    EXPECT_EQ(state.SelectedIndex, -1);

    memo << "line 90/30/90/0/0/";
    Regenerate();
    SelectTool(state, TTool::Delete);
    state.HoverIndex = 0;
    PickLine(state, memo);
    Regenerate();
    EXPECT_TRUE(DeleteSelected(state, memo));
    Regenerate();
    EXPECT_TRUE(DeleteSelected(state, memo));
    Regenerate();
    EXPECT_EQ(memo, (QStringList{"a line of my own", "line 90/30/90/0/0/"}));

    state.HoverIndex = state.SelectedIndex = 9; // beyond the rebuilt table: no pick, no delete
    EXPECT_FALSE(PickLine(state, memo));
    EXPECT_FALSE(DeleteSelected(state, memo));
    EXPECT_EQ(memo.size(), 2);
}

// Whatever reorders or rewrites the text behind the tools' back (the 3D build's sort, an undo, a
// hand edit) leaves no pick naming another statement, and no tracking over a table of another text.
TEST_F(ToolsTest, PicksNeverOutliveTheTextTheyPointInto)
{
    const QPoint onOuterStep(240, 175); // line 60/30/90/30, first in the text
    memo = {"line 60/30/90/30/0/", "line 10/20/50/20/0/", "line 50/20/50/30/0/"};
    Regenerate();
    SelectTool(state, TTool::Delete);
    MoveTo(onOuterStep.x(), onOuterStep.y());
    ASSERT_EQ(state.HoverIndex, 0);
    const QStringList sorted{"line 10/20/50/20/0/", "line 50/20/50/30/0/", "line 60/30/90/30/0/"};
    memo = sorted;
    EXPECT_FALSE(PickLine(state, memo)) << "record 0 is now another statement";
    EXPECT_EQ(memo, sorted);
    EXPECT_EQ(state.HoverIndex, -1);

    // Fewer statements typed by hand: the stale table is not tracked, the move asks for the pass.
    memo = {"line 10/20/50/20/0/"};
    const TTracking stale = MoveTo(onOuterStep.x(), onOuterStep.y());
    EXPECT_TRUE(stale.Redraw);
    EXPECT_TRUE(stale.Marks.empty());
    Regenerate();
    EXPECT_TRUE(MoveTo(onOuterStep.x(), onOuterStep.y()).Marks.empty());

    // An undo puts an earlier text back: the line picked for Modify is forgotten.
    memo = sorted;
    Regenerate();
    SelectTool(state, TTool::Modify);
    MoveTo(onOuterStep.x(), onOuterStep.y());
    ASSERT_TRUE(PickLine(state, memo));
    Regenerate();
    const QStringList earlier{"line 0/15/10/15/0/", "line 10/20/50/20/0/", "line 50/20/50/30/0/"};
    memo = earlier; // its record 4 is the shoulder
    Regenerate();
    EXPECT_EQ(state.SelectedIndex, -1);
    EXPECT_FALSE(ModifySelected(state, memo, {"1", "2", "3", "2"}));
    EXPECT_EQ(memo, earlier);
}

// Before any calculation the pass fails on the first statement and leaves its record; the pointer
// then tracks nothing and says nothing. A half-typed statement is reported by the first pass over
// its text, not again by the passes that pointer moves ask for.
TEST_F(ToolsTest, AFailingPassIsReportedOncePerText)
{
    analysis.ShaftLength = 0;
    EXPECT_FALSE(FailureOf([&] { Regenerate(); }).isEmpty());
    ASSERT_FALSE(state.Lines.empty());
    const TTracking none = MoveTo(50, 150);
    EXPECT_TRUE(none.Marks.empty());
    EXPECT_FALSE(none.Redraw);
    EXPECT_FALSE(none.ReadOuts);

    analysis.ShaftLength = 200;
    memo << "line 90/3";
    const auto again = [&] { GenerateAgain(memo, target, state, analysis); };
    const QString message = FailureOf(again);
    EXPECT_TRUE(message.startsWith("'line 90/3': ")) << message.toStdString();
    EXPECT_EQ(FailureOf(again), "");
    EXPECT_EQ(FailureOf([&] { Regenerate(); }), message) << "the Generate button says it again";
    memo.last() = "line 90/30";
    EXPECT_TRUE(FailureOf(again).startsWith("'line 90/30': ")) << "a new text";
}

TEST(MemoText, ReadsLikeATextList)
{
    EXPECT_TRUE(TextLines("").isEmpty());
    EXPECT_EQ(TextLines("a\n"), QStringList{"a"});
    EXPECT_EQ(TextLines("a\r\nb"), (QStringList{"a", "b"}));
    EXPECT_EQ(TextLines("a\n\n"), (QStringList{"a", ""}));
    for (const QStringList& lines : {QStringList{}, QStringList{""}, QStringList{"a", ""}, QStringList{"a", "b"}})
        EXPECT_EQ(TextLines(LinesText(lines)), lines);
}

TEST(EditorCommands, StepLinesBoresPointsAndWidths)
{
    EXPECT_EQ(StepLineStatement(100, 40, -10, 15), "line 90/20/115/20/0/");
    for (long double diameter : {0.0L, -40.0L})
        EXPECT_EQ(FailureOf([&] { StepLineStatement(100, diameter, 0, 10); }), kDiameterNotPositive);

    EXPECT_EQ(BoreStatement(0, 250.5L, 17), "bore 0/8.5/250.5/8.5/");
    EXPECT_EQ(FailureOf([] { BoreStatement(40, 40, 10); }), kBoreEndsReversed);
    EXPECT_EQ(FailureOf([] { BoreStatement(40, 10, 10); }), kBoreEndsReversed);
    EXPECT_EQ(FailureOf([] { BoreStatement(0, 40, 0); }), kBoreDiameterNotPositive);
    EXPECT_EQ(FailureOf([] { BoreStatement(0, 40, -8); }), kBoreDiameterNotPositive);

    TAnalysisState analysis;
    EXPECT_EQ(FailureOf([&] { AddDimensioningPoint(analysis, 10); }), kOutsideShaft);
    analysis.Points = {{1, 50}, {1, 0}, {0, 100}}; // entered order, as after one plane
    analysis.PointCount = 3;
    AddDimensioningPoint(analysis, 100);
    AddDimensioningPoint(analysis, 0);
    EXPECT_EQ(FailureOf([&] { AddDimensioningPoint(analysis, 100.5); }), kOutsideShaft);
    ASSERT_EQ(analysis.PointCount, 5);
    const long double sorted[] = {0, 0, 50, 100, 100};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(analysis.Points[i].Position, sorted[i]);
    analysis.PointCount = 255;
    EXPECT_EQ(FailureOf([&] { AddDimensioningPoint(analysis, 20); }).left(26), "Nu se pot introduce mai mu");
    EXPECT_EQ(analysis.Points.size(), 5u);

    EXPECT_EQ(ReadWidth(" 7"), 7);
    EXPECT_EQ(ReadWidth("255"), 255);
    for (const char* outside : {"256", "-1", "99999999999"})
        EXPECT_EQ(FailureOf([&] { ReadWidth(outside); }), outside == QString("99999999999")
                                                                ? "'99999999999' is not a valid integer value"
                                                                : kWidthOutOfRange);
    EXPECT_EQ(FailureOf([&] { ReadWidth("2.5"); }), "'2.5' is not a valid integer value");
}

} // namespace
