// The editor's zoom: a known point's pixel at magnifications 1, 4 and 64 and after a pan, the
// limits of both, a shoulder too small to pick for a fillet on the whole shaft picked when zoomed,
// and the whole-shaft picture given back pixel for pixel.
#include "profile/canvas_mapping.h"
#include "profile/corner_tool.h"
#include "profile/dhl_rendering.h"
#include "profile/editor_tools.h"
#include "profile/editor_zoom.h"
#include "profile/strength_overlays.h"

#include "profile_test_support.h"

#include <gtest/gtest.h>

namespace {

// On a shaft of 200 mm the point (40, 20) lies at column 150, row 150 of the whole shaft.
QPoint PixelOf(long double x, long double y, const TViewZoom& zoom)
{
    return {px(x, 200, zoom), py(y, 200, zoom)};
}

TEST(EditorZoom, AKnownPointStaysUnderTheZoomAndMovesWithThePan)
{
    const QPoint at(150, 150);
    EXPECT_EQ(PixelOf(40, 20, WholeShaft()), at);
    EXPECT_EQ(PixelOf(41, 20, WholeShaft()), QPoint(152, 150)); // 2.5 px, halves to even

    const TViewZoom four = ZoomedAbout(WholeShaft(), 4, at);
    EXPECT_EQ(four.Scale, 4);
    EXPECT_EQ(PixelOf(40, 20, four), at);
    EXPECT_EQ(PixelOf(41, 20, four), QPoint(160, 150));
    EXPECT_EQ(PixelOf(40, 21, four), QPoint(150, 160));

    const TViewZoom sixtyFour = ZoomedAbout(four, 16, at);
    EXPECT_EQ(sixtyFour.Scale, 64);
    EXPECT_EQ(PixelOf(40, 20, sixtyFour), at);
    EXPECT_EQ(PixelOf(40.5L, 20, sixtyFour), QPoint(230, 150));
    EXPECT_EQ(ZoomedAbout(sixtyFour, 2, at), sixtyFour) << "64 is the largest magnification";

    const TViewZoom panned = Panned(sixtyFour, QPoint(-30, 12));
    EXPECT_EQ(PixelOf(40, 20, panned), QPoint(120, 162));
    EXPECT_EQ(PixelOf(40.5L, 20, panned), QPoint(200, 162));

    // The shaft's ends never come inside the columns where the whole shaft shows them, and the
    // rows stay those of the whole-shaft picture.
    const TViewZoom farRight = Panned(four, QPoint(100000, 100000));
    EXPECT_EQ(px(0, 200, farRight), 50);
    EXPECT_EQ(py(-40, 200, farRight), 0); // the top row of the whole shaft
    const TViewZoom farLeft = Panned(four, QPoint(-100000, -100000));
    EXPECT_EQ(px(200, 200, farLeft), 550);
    EXPECT_EQ(py(40, 200, farLeft), 200);

    // Out past the whole shaft there is nothing: it is the whole shaft, which no pan moves.
    EXPECT_EQ(ZoomedAbout(panned, 1.0L / 1000, QPoint(400, 20)), WholeShaft());
    EXPECT_EQ(Panned(WholeShaft(), QPoint(25, -25)), WholeShaft());
    EXPECT_FALSE(IsZoomed(ZoomedAbout(four, 0.25L, at)));
}

// A 1000 mm shaft: 0.5 px per mm on the whole shaft. Its 1 mm shoulder at x 500 lies on the
// rows of both steps, written after it, so on the whole shaft every pixel that reaches the
// shoulder reaches a step too, and the step wins.
struct SmallShoulderTest : ::testing::Test, TEditorFixture {
    SmallShoulderTest() { analysis.ShaftLength = 1000; }

    QStringList memo{"line 500/20/500/21/0/", "line 0/20/500/20/0/", "line 500/21/1000/21/0/"};

    void Regenerate() { Generate(memo, target, state, analysis); }
    int HighlightAt(int x, int y)
    {
        TrackPointer(state, memo, x, y, analysis.ShaftLength);
        return state.HighlightIndex;
    }
};

TEST_F(SmallShoulderTest, IsPickedForAFilletAtZoom16AndNowhereOnTheWholeShaft)
{
    Regenerate();
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 650; ++x) {
            const int highlighted = HighlightAt(x, y);
            ASSERT_TRUE(highlighted != 0 && highlighted != 1) << x << "," << y;
        }

    state.Zoom = ZoomedAbout(state.Zoom, 16, QPoint(300, 110)); // the corner stays on its pixel
    Regenerate();
    SelectTool(state, TTool::Fillet);
    state.FilletRadius = state.ChamferD1 = state.ChamferD2 = 0.5;
    ASSERT_EQ(HighlightAt(280, 110), 2); // the left step, 2.5 mm before the corner
    ASSERT_TRUE(PickFirstCornerLine(state, memo));
    Regenerate();
    ASSERT_EQ(HighlightAt(301, 114), 0); // the shoulder, now 8 px high
    ASSERT_TRUE(PickSecondCornerLine(state, memo));
    Regenerate();
    EXPECT_EQ(FinishCorner(state, memo), TCornerOutcome::Cut);
    ASSERT_EQ(memo.size(), 4);
    EXPECT_EQ(memo[1], "line 0/20/499.5/20/0/");
    EXPECT_EQ(memo[0], "line 500/20.5/500/21/0/");
    EXPECT_TRUE(memo[3].startsWith("arc ")) << memo[3].toStdString();
}

// Positions, an arc and the diameters overlay: everything the pass draws goes through the zoom.
TEST_F(SmallShoulderTest, TheWholeShaftAfterZoomingIsTheFirstPicturePixelForPixel)
{
    analysis.Points = {{1, 0}, {0, 300}, {1, 1000}};
    memo << "arc 490/10/510/30/500/20/510/20/";
    InstallStrengthOverlays(state, [this] {
        TStrengthInputs inputs;
        inputs.ShaftLength = analysis.ShaftLength;
        return inputs;
    });
    state.ShowDiameters = true;
    Regenerate();
    const QImage whole = state.DrawingBitmap.copy();
    EXPECT_EQ(Drawn(200, 100), QColor(0, 0, 255)) << "the cross of the load at 300 mm";

    state.Zoom = ZoomedAbout(state.Zoom, 4, QPoint(200, 100));
    Regenerate();
    EXPECT_NE(state.DrawingBitmap, whole);
    EXPECT_EQ(Drawn(200, 100), QColor(0, 0, 255)) << "the cross kept its place under the zoom";
    EXPECT_EQ(Drawn(200 + 4 * 10, 100 + 4 * 10), QColor(0, 0, 0)) << "the left step, 20 mm further";
    state.Zoom = Panned(state.Zoom, QPoint(-77, 33));
    Regenerate();

    state.Zoom = WholeShaft();
    Regenerate();
    EXPECT_EQ(state.DrawingBitmap, whole);
}

} // namespace
