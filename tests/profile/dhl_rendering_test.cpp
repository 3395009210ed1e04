#include "profile/dhl_rendering.h"

#include "profile/canvas_mapping.h"
#include "profile_test_support.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

// True when a pixel of `color` lies within `reach` pixels of (x, y).
bool NearPixel(const QImage& image, int x, int y, const QColor& color, int reach = 1)
{
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (image.valid(x + dx, y + dy) && image.pixelColor(x + dx, y + dy) == color) return true;
    return false;
}

void ExpectRecord(const TLineRecord& r, long double x1, long double y1, long double x2, long double y2,
                  uint8_t marked, uint8_t horizontal)
{
    EXPECT_EQ(r.X1, x1);
    EXPECT_EQ(r.Y1, y1);
    EXPECT_EQ(r.X2, x2);
    EXPECT_EQ(r.Y2, y2);
    EXPECT_EQ(r.Marked, marked);
    EXPECT_EQ(r.Horizontal, horizontal);
}

TEST(CanvasMapping, SameScaleBothWaysHalvesToEvenAndNoWrapRound)
{
    EXPECT_EQ(px(0, 100), 50);
    EXPECT_EQ(px(100, 100), 550);
    EXPECT_EQ(py(15, 100), 175);
    EXPECT_EQ(py(-15, 100), 25);
    EXPECT_EQ(px(0.1L, 100), 50);  // 0.5 -> 0
    EXPECT_EQ(px(0.3L, 100), 52);  // 1.5 -> 2
    EXPECT_EQ(py(-0.1L, 100), 100);
    EXPECT_EQ(px(1e9L, 100), 32767);
    EXPECT_EQ(py(-1e30L, 100), -32768);
    EXPECT_EQ(FailureOf([] { px(10, 0); }), kDivisionByZero);
}

TEST(GeneratePass, CylinderGivesTwoRecordsAndItsLinesMarksAndSectionLines)
{
    TEditorFixture f;
    Generate({"line 0/15/40/15/0/"}, f.target, f.state, f.analysis);
    ASSERT_EQ(f.state.LineCount(), 2);
    ExpectRecord(f.state.Lines[0], 0, 15, 40, 15, 0, 1);
    ExpectRecord(f.state.Lines[1], 0, -15, 40, -15, 0, 1);
    for (int x : {60, 150, 240}) {
        EXPECT_EQ(f.Drawn(x, 175), kBlack) << x;
        EXPECT_EQ(f.Drawn(x, 25), kBlack) << x;
        EXPECT_EQ(f.Drawn(x, 100), kWhite) << x; // no axis without analysed positions
    }
    // Square end marks: black outline around a white inside, crossed by the section line.
    for (int y : {175, 25}) {
        EXPECT_EQ(f.Drawn(247, y), kBlack);
        EXPECT_EQ(f.Drawn(252, y), kBlack);
        EXPECT_EQ(f.Drawn(248, y - 2), kWhite);
    }
    for (int y = 26; y <= 175; ++y) {
        EXPECT_EQ(f.Drawn(50, y), kBlack) << y;
        EXPECT_EQ(f.Drawn(250, y), kBlack) << y;
    }
    EXPECT_EQ(f.Drawn(300, 175), kWhite);
    EXPECT_EQ(f.image.pixelColor(150, 175), kBlack); // copied to the target
    EXPECT_EQ(f.image.pixelColor(150, 300), QColor(200, 200, 200));
}

TEST(GeneratePass, SlopedRecordTakesTheValueOfTheRecordBeforeIt)
{
    TEditorFixture f;
    Generate({"line 0/10/5/15/0/", "line 5/15/40/15/0/", "comment", "line 40/15/42/17/0/", "line 42/17/42/20/0/",
              "line 42/20/44/22/0/"},
             f.target, f.state, f.analysis);
    const uint8_t expected[] = {0, 0, 1, 1, 1, 1, 0, 0, 0, 0};
    ASSERT_EQ(f.state.LineCount(), 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(f.state.Lines[i].Horizontal, expected[i]) << i;
}

TEST(GeneratePass, MarkedLineIsRedAndThePenBlackAgain)
{
    TEditorFixture f;
    f.state.LineMarkType = kMarkNone;
    f.state.LineMarkWidth = 5;
    Generate({"line 0/15/40/15/1/", "arc 30/0/40/10/30/5/35/10/"}, f.target, f.state, f.analysis);
    EXPECT_EQ(f.Drawn(150, 175), kRed);
    EXPECT_EQ(f.Drawn(150, 25), kRed);
    EXPECT_EQ(f.state.Lines[0].Marked, 1);
    EXPECT_EQ(f.state.DrawingCanvas.Pen.Color, kBlack);
    // No marks: the pixels a square would outline stay white.
    EXPECT_EQ(f.Drawn(52, 177), kWhite);
    EXPECT_EQ(f.Drawn(47, 22), kWhite);
    // The arc and its square marks are black, never red.
    EXPECT_TRUE(NearPixel(f.state.DrawingBitmap, 207, 143, kBlack));
    EXPECT_EQ(f.Drawn(227, 152), kBlack);
}

TEST(GeneratePass, ArcRunsCounterClockwiseOnTheCanvasAndIsMirrored)
{
    TEditorFixture f;
    f.state.ArcMarkType = kMarkNone;
    // Centre (35, 5), radius 5 mm: a box from (200, 100) to (250, 150), from the left point down
    // to the bottom point; its mirror from the top point of (200, 50)-(250, 100) to the left one.
    Generate({"arc 30/0/40/10/30/5/35/10/"}, f.target, f.state, f.analysis);
    const QImage& drawn = f.state.DrawingBitmap;
    EXPECT_TRUE(NearPixel(drawn, 207, 143, kBlack));
    EXPECT_TRUE(NearPixel(drawn, 207, 57, kBlack));
    EXPECT_FALSE(NearPixel(drawn, 243, 143, kBlack));
    EXPECT_FALSE(NearPixel(drawn, 243, 107, kBlack));
    EXPECT_FALSE(NearPixel(drawn, 243, 57, kBlack));
    EXPECT_EQ(f.state.LineCount(), 0);
    for (int y : {110, 90, 80}) EXPECT_EQ(f.Drawn(200, y), kBlack) << y; // section line at the start
}

// A bore line is drawn as written and mirrored, with section lines at its ends, and gives no line
// record: the records of the outline keep their numbers.
TEST(GeneratePass, TheBoreIsDrawnAndMirroredWithoutLineRecords)
{
    TEditorFixture f;
    f.state.LineMarkType = kMarkNone;
    // Radius 6 mm from x 10 to 30: rows 130 and 70, columns 100 to 200.
    Generate({"bore 10/6/30/6/", "line 0/15/40/15/0/"}, f.target, f.state, f.analysis);
    ASSERT_EQ(f.state.LineCount(), 2);
    ExpectRecord(f.state.Lines[0], 0, 15, 40, 15, 0, 1);
    for (int x : {110, 150, 190}) {
        EXPECT_EQ(f.Drawn(x, 130), kBlack) << x;
        EXPECT_EQ(f.Drawn(x, 70), kBlack) << x;
        EXPECT_EQ(f.Drawn(x, 100), kWhite) << x;
        EXPECT_EQ(f.Drawn(x, 150), kWhite) << x;
    }
    EXPECT_EQ(f.Drawn(220, 130), kWhite);
    for (int y : {80, 100, 120}) EXPECT_EQ(f.Drawn(100, y), kBlack) << y;
}

TEST(GeneratePass, AnalysedPositionsLieUnderTheDrawing)
{
    TEditorFixture f;
    Generate({}, f.target, f.state, f.analysis);
    EXPECT_EQ(f.Drawn(300, 100), kWhite);
    EXPECT_EQ(f.state.LineCount(), 0);
    f.analysis.Points = {{1, 0}, {0, 60}};
    Generate({}, f.target, f.state, f.analysis);
    EXPECT_EQ(f.Drawn(300, 100), kBlack);
    EXPECT_EQ(f.Drawn(350, 60), QColor(128, 128, 128));
    EXPECT_EQ(f.image.pixelColor(350, 60), QColor(128, 128, 128));
}

TEST(GeneratePass, OverlaysRunAroundTheSectionLinesOnlyWhileSwitchedOn)
{
    TEditorFixture f;
    QStringList calls;
    const auto record = [&](const char* name) {
        return [&calls, &f, name](Canvas&, const QStringList& memo) {
            calls << QString("%1 %2 %3").arg(name).arg(memo.size()).arg(f.Drawn(250, 100) == kBlack);
        };
    };
    f.state.Overlays = {record("diameters"), record("equal"), record("recommended")};
    const QStringList memo{"line 0/15/40/15/0/"};
    Generate(memo, f.target, f.state, f.analysis);
    EXPECT_TRUE(calls.isEmpty());
    f.state.ShowDiameters = f.state.ShowEqualStrength = f.state.ShowRecommended = true;
    Generate(memo, f.target, f.state, f.analysis);
    EXPECT_EQ(calls, QStringList({"diameters 1 0", "equal 1 1", "recommended 1 1"}));
}

TEST(GeneratePass, AFailingStatementKeepsTheRecordsSoFarAndTheScreen)
{
    TEditorFixture f;
    EXPECT_EQ(FailureOf([&] {
                  Generate({"line 0/15/40/15/0/", "line 40/x/60/15/0/", "line 60/15/100/15/0/"}, f.target,
                           f.state, f.analysis);
              }),
              "'x' is not a valid floating point value");
    EXPECT_EQ(f.state.LineCount(), 2);
    EXPECT_EQ(f.Drawn(150, 175), kBlack);
    EXPECT_EQ(f.image.pixelColor(150, 175), QColor(200, 200, 200));
    MessageRecorder messages;
    RunGuarded([&] { Generate({"arc 30/0/40/10/30/5/3 5/10/"}, f.target, f.state, f.analysis); });
    EXPECT_EQ(messages.texts, QStringList{"'3 5' is not a valid floating point value"});
}

TEST(GeneratePass, ReadsNumbersWithTheCurrentSeparator)
{
    DecimalSeparatorScope comma(',');
    TEditorFixture f;
    Generate({"line 0/12,5/40/12,5/0/"}, f.target, f.state, f.analysis);
    ASSERT_EQ(f.state.LineCount(), 2);
    EXPECT_EQ(f.state.Lines[1].Y1, -12.5L);
}

TEST(ClearMarks, UnmarksStraightLinesByTheirTextsAndKeepsChamfersMarked)
{
    TEditorFixture f;
    f.state.SelectedIndex = 4;
    QStringList memo{"line 0/15.0/40/15.0/1/", "line 40/15/42/17/1/", "line 42/17/42/20/1/", "line 42/20/60/20/0/",
                     "arc 1/2/3/4/5/6/7/8/", "note"};
    ClearMarks(memo, f.target, f.state, f.analysis);
    EXPECT_EQ(memo, QStringList({"line 0/15.0/40/15.0/0/", "line 40/15/42/17/1/", "line 42/17/42/20/0/",
                                 "line 42/20/60/20/0/", "arc 1/2/3/4/5/6/7/8/", "note"}));
    EXPECT_EQ(f.state.SelectedIndex, -1);
    EXPECT_EQ(f.state.LineCount(), 8);
    EXPECT_EQ(f.state.Lines[2].Marked, 1);
    EXPECT_EQ(f.image.pixelColor(150, 175), kBlack);

    // A malformed arc does not hold up the unmarking; the redraw then reports it.
    QStringList withBadArc{"arc 1/2/3/", "line 0/15/40/15/1/"};
    EXPECT_EQ(FailureOf([&] { ClearMarks(withBadArc, f.target, f.state, f.analysis); }),
              "'arc 1/2/3/': every field must end with \"/\"");
    EXPECT_EQ(withBadArc[1], "line 0/15/40/15/0/");

    QStringList empty;
    TEditorFixture untouched;
    untouched.state.SelectedIndex = 2;
    ClearMarks(empty, untouched.target, untouched.state, untouched.analysis);
    EXPECT_EQ(untouched.state.SelectedIndex, -1);
    EXPECT_EQ(untouched.image.pixelColor(100, 100), QColor(200, 200, 200));
}

} // namespace
