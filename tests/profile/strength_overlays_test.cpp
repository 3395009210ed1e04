#include "profile/strength_overlays.h"

#include "diagrams/section_moment.h"
#include "dimensioning/combined_stress.h"
#include "profile/canvas_mapping.h"
#include "profile/dhl_rendering.h"
#include "profile/editor_zoom.h"
#include "profile_test_support.h"

#include <gtest/gtest.h>
#include <cmath>
#include <numbers>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 128, 0);
constexpr long double kPi = std::numbers::pi_v<long double>;

// alpha * MT for which a section without bending needs the diameter d under the 3rd theory.
long double TwistFor(long double d, long double sigma) { return d * d * d * kPi * sigma / 32; }

TStrengthInputs ShaftOf(long double length, std::initializer_list<long double> positions)
{
    TStrengthInputs inputs;
    inputs.ShaftLength = length;
    inputs.TorsionCoeff = 1;
    inputs.AllowBendStress = 40;
    for (long double x : positions) inputs.Points.push_back({0, x});
    return inputs;
}

// A simply supported 300 mm shaft with its largest moment at the middle, in the horizontal plane.
Tav Triangle(long double peak) { return {{0, 0, 0}, {peak, peak, 150}, {0, 0, 300}}; }

// The editor of the shared fixture with the overlays drawing from `inputs`.
struct TOverlayFixture : TEditorFixture {
    explicit TOverlayFixture(const TStrengthInputs& shaft) : inputs(shaft)
    {
        analysis.ShaftLength = inputs.ShaftLength;
        analysis.Points = inputs.Points;
        InstallStrengthOverlays(state, [this] { return inputs; });
    }
    void Draw(const QStringList& memo = {}) { Generate(memo, target, state, analysis); }
    int CountColor(const QRect& area, const QColor& color) const
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) count += Drawn(x, y) == color;
        return count;
    }
    int Green() const { return CountColor(state.DrawingBitmap.rect(), kGreen); }

    TStrengthInputs inputs;
};

TEST(StrengthProfile, StationsRunOverEveryMillimetreBetweenTheOutermostPositions)
{
    // Entered out of order, as the horizontal plane alone leaves them.
    TStrengthInputs inputs = ShaftOf(300, {120, 300, 0, 75});
    inputs.TwistingMoment = TwistFor(20, 40);
    inputs.HorzDiagram = Triangle(5e5L);
    const TStrengthProfile profile = ComputeStrengthProfile(inputs);
    ASSERT_EQ(profile.Stations.size(), 301u); // 300 segments
    EXPECT_EQ(profile.Stations.front().Position, 0);
    EXPECT_EQ(profile.Stations.back().Position, 300);
    for (const int s : {0, 1, 75, 150, 299, 300}) {
        const long double moment = SectionMoment(inputs.HorzDiagram, inputs.VertDiagram, false, s);
        EXPECT_EQ(profile.Stations[s].Diameter, RequiredDiameter(moment, 1, inputs.TwistingMoment, 40, true)) << s;
    }
    ASSERT_EQ(profile.AtPoints.size(), 4u);
    EXPECT_EQ(profile.AtPoints[0].Position, 120);
    EXPECT_EQ(profile.AtPoints[0].Diameter, profile.Stations[120].Diameter);

    const TStrengthProfile single = ComputeStrengthProfile(ShaftOf(300, {150}));
    EXPECT_EQ(single.Stations.size(), 1u);
    EXPECT_EQ(single.AtPoints.size(), 1u);
    EXPECT_TRUE(ComputeStrengthProfile(ShaftOf(300, {})).Stations.empty());
    // Rounded halves to even at both ends: 12.5 to 14.5 gives the stations 12, 13 and 14.
    EXPECT_EQ(ComputeStrengthProfile(ShaftOf(300, {12.5L, 14.5L})).Stations.size(), 3u);
}

TEST(StrengthProfile, TheRuleWithoutTwistOrUnderTheFifthTheory)
{
    TStrengthInputs inputs = ShaftOf(300, {0, 300});
    inputs.HorzDiagram = Triangle(-4e5L);
    inputs.VertDiagram = Triangle(3e5L);
    for (const bool third : {true, false}) {
        inputs.ThirdTheory = third;
        const TStrengthProfile profile = ComputeStrengthProfile(inputs);
        // |M| at the middle is the resultant 5e5 of both planes.
        EXPECT_NEAR(double(profile.Stations[150].Diameter), double(std::cbrt(32 * 5e5L / (kPi * 40))), 1e-12);
        EXPECT_EQ(profile.Stations[0].Diameter, 0); // the curve touches the axis
    }
    inputs.TwistingMoment = 3e6L;
    inputs.TorsionCoeff = 0.571L;
    inputs.ThirdTheory = true;
    const TStrengthProfile third = ComputeStrengthProfile(inputs);
    inputs.ThirdTheory = false;
    const TStrengthProfile fifth = ComputeStrengthProfile(inputs);
    for (size_t s = 0; s < third.Stations.size(); ++s) EXPECT_LE(fifth.Stations[s].Diameter, third.Stations[s].Diameter);
    EXPECT_LT(fifth.Stations[0].Diameter, third.Stations[0].Diameter);
}

TEST(StrengthProfile, AVeryLongShaftKeepsItsStationsWithinBounds)
{
    const TStrengthProfile profile = ComputeStrengthProfile(ShaftOf(1e9L, {0, 1e9L}));
    EXPECT_LE(profile.Stations.size(), 100001u);
    EXPECT_EQ(profile.Stations.back().Position, 1e9L);
}

TEST(DiameterMarks, EveryCylinderMarkedOrNotGetsArrowsALineAndItsDiameter)
{
    TOverlayFixture f(ShaftOf(100, {}));
    f.state.ShowDiameters = true;
    f.Draw({"line 10/12.5/30/12.5/1/", "line 40/12.5/60/12.6/0/", "arc 60/0/80/20/70/20/80/10/"});
    // Column px(20) = 150; rows py(12.5) = 162 and py(-12.5) = 38 (halves to even).
    for (const QPoint tip : {QPoint(150, 162), QPoint(150, 38)}) {
        const int toward = tip.y() > 100 ? -1 : 1;
        EXPECT_EQ(f.Drawn(147, tip.y() + 10 * toward), kBlack); // base corner
        EXPECT_EQ(f.Drawn(152, tip.y() + 10 * toward), kBlack);
        EXPECT_EQ(f.Drawn(149, tip.y() + 8 * toward), kBlack); // filled
        EXPECT_EQ(f.Drawn(151, tip.y() + 8 * toward), kBlack);
        EXPECT_EQ(f.Drawn(154, tip.y() + 8 * toward), kWhite);
    }
    for (int y = 50; y < 150; ++y) EXPECT_EQ(f.Drawn(150, y), kBlack) << y;
    // "25.00" to the right of the line, top at (162 + 38) / 2 - 14 = 86.
    Canvas& canvas = f.state.DrawingCanvas;
    EXPECT_EQ(canvas.Font.Name, "Small Fonts");
    EXPECT_EQ(canvas.Font.Size, 7);
    const QRect label(QPoint(154, 86), canvas.TextExtent("25.00"));
    EXPECT_GT(f.CountColor(label, kBlack), 10);
    EXPECT_EQ(f.CountColor(label.translated(0, -label.height()), kBlack), 0);
    // The sloped line gets none: nothing on the axis row below it.
    EXPECT_EQ(f.Drawn(300, 100), kWhite);
}

TEST(EqualStrength, TheCurveFollowsTheRequiredRadiusMillimetreByMillimetre)
{
    TStrengthInputs shaft = ShaftOf(300, {0, 300, 150});
    shaft.TwistingMoment = TwistFor(30, 40);
    shaft.HorzDiagram = Triangle(1e6L);
    TOverlayFixture f(shaft);
    f.state.ShowEqualStrength = true;
    f.Draw();
    for (const int s : {0, 40, 150, 220, 299}) {
        const long double moment = SectionMoment(shaft.HorzDiagram, {}, false, s);
        const long double d = RequiredDiameter(moment, 1, shaft.TwistingMoment, 40, true);
        EXPECT_EQ(f.Drawn(px(s, 300), py(d / 2, 300)), kGreen) << s;
    }
    // Only the written side: nothing green above the axis.
    EXPECT_EQ(f.CountColor(QRect(0, 0, 650, 100), kGreen), 0);
    // The ends: station 0 at radius 15 is row 125; station 300 ends the curve without its pixel.
    EXPECT_EQ(f.Drawn(50, 125), kGreen);
    EXPECT_EQ(f.Drawn(550, 125), QColor(128, 128, 128));
    EXPECT_EQ(f.state.DrawingCanvas.Pen.Color, kBlack);
}

// Zoomed in, only the stations near the view are mapped; the curve must still be the one the
// whole curve draws, at either end of the shaft and in the middle, with segments crossing the edges.
TEST(EqualStrength, ZoomedInTheCurveOfTheViewAloneDrawsTheWholeCurvesPixels)
{
    TStrengthInputs shaft = ShaftOf(300, {0, 300, 150});
    shaft.TwistingMoment = TwistFor(30, 40);
    shaft.HorzDiagram = Triangle(1e6L);
    const TStrengthProfile profile = ComputeStrengthProfile(shaft);
    const auto drawn = [&](const TViewZoom& zoom, TColumnSpan seen) {
        QImage image(605, 725, QImage::Format_RGB32);
        image.fill(kWhite);
        Canvas canvas(image);
        DrawEqualStrengthProfile(canvas, StrengthPictureOf(profile, 300, zoom, seen));
        return image;
    };
    for (const QPoint at : {QPoint(50, 120), QPoint(300, 130), QPoint(549, 125)}) {
        TViewZoom zoom = ZoomedAbout(WholeShaft(), 16, at);
        for (const int step : {0, 7, -13}) {
            zoom = Panned(zoom, QPoint(step, 0));
            const QImage whole = drawn(zoom, {-100000, 100000});
            EXPECT_EQ(drawn(zoom, {-2, 607}), whole) << at.x() << " " << step;
            EXPECT_NE(whole, drawn(WholeShaft(), {1000, 1000})) << "some of the curve is in view";
        }
    }
}

TEST(RecommendedMarks, ABracketAndItsDiameterOverEachPosition)
{
    TStrengthInputs shaft = ShaftOf(100, {50});
    shaft.TwistingMoment = TwistFor(20, 40);
    TOverlayFixture f(shaft);
    f.state.ShowEqualStrength = true;
    f.state.ShowRecommended = true;
    f.Draw();
    // Radius 10 at x 50: X = 300, Y = 150. Ends from Y - 4 down to the bar at Y - 2.
    for (const QPoint p : {QPoint(291, 146), QPoint(291, 147), QPoint(291, 148), QPoint(300, 148), QPoint(308, 148),
                           QPoint(309, 148), QPoint(309, 147)})
        EXPECT_EQ(f.Drawn(p.x(), p.y()), kGreen) << p.x() << "," << p.y();
    EXPECT_NE(f.Drawn(309, 146), kGreen); // a line leaves out its end pixel
    EXPECT_NE(f.Drawn(300, 146), kGreen);
    // "20.00" centred over the bracket, its box ending at the bracket's top.
    Canvas& canvas = f.state.DrawingCanvas;
    canvas.Font.Name = "Small Fonts";
    canvas.Font.Size = 6;
    const QSize extent = canvas.TextExtent("20.00");
    const QRect label(QPoint(300 - int(std::nearbyint(extent.width() / 2.0)), 146 - extent.height()), extent);
    const int ink = f.CountColor(label, kGreen);
    EXPECT_GT(ink, 10);
    EXPECT_EQ(f.Green(), ink + 2 + 18 + 2) << "the label, the bracket, and no curve for a single position";
    EXPECT_EQ(f.state.DrawingCanvas.Brush.Style, TBrushStyle::Solid);
    EXPECT_EQ(f.state.DrawingCanvas.Font.Color, kBlack);
}

TEST(StrengthOverlays, WithoutAStressOrPositionsTheyDrawNothingAndNeverStopThePass)
{
    TStrengthInputs shaft = ShaftOf(100, {0, 40, 100});
    shaft.TwistingMoment = TwistFor(20, 40);
    shaft.AllowBendStress = 0;
    EXPECT_EQ(StrengthRuleProblem(shaft), kDivisionByZero);
    shaft.AllowBendStress = -40;
    EXPECT_EQ(StrengthRuleProblem(shaft), kInvalidOperation);
    shaft.AllowBendStress = 0;
    TOverlayFixture f(shaft);
    f.state.ShowDiameters = f.state.ShowEqualStrength = f.state.ShowRecommended = true;
    EXPECT_EQ(FailureOf([&] { f.Draw({"line 0/10/100/10/0/"}); }), "");
    EXPECT_EQ(f.Green(), 0);
    EXPECT_EQ(f.Drawn(300, 120), kBlack); // the diameter marks still show

    f.inputs.AllowBendStress = 40; // stored in the dimensioning window: the overlays appear
    EXPECT_EQ(StrengthRuleProblem(f.inputs), "");
    f.Draw({"line 0/10/100/10/0/"});
    EXPECT_EQ(f.Drawn(100, 150), kGreen);

    f.inputs.Points.clear();
    f.analysis.Points.clear();
    f.Draw({"line 0/10/100/10/0/"});
    EXPECT_EQ(f.Green(), 0);
}

TEST(StrengthOverlays, AFailureLeavesTheCanvasAsItWasAndTheNextPassClearsTheBitmap)
{
    TOverlayFixture f(ShaftOf(100, {0, 100}));
    f.state.ShowDiameters = f.state.ShowRecommended = true;
    f.inputs.ShaftLength = 0; // no shaft to map onto
    Canvas& canvas = f.state.DrawingCanvas;
    canvas.Font.Name = "Courier";
    EXPECT_EQ(FailureOf([&] { f.Draw({"line 0/10/100/10/0/"}); }), kDivisionByZero);
    EXPECT_EQ(canvas.Font.Name, "Courier");
    EXPECT_EQ(canvas.Brush.Style, TBrushStyle::Solid);
    EXPECT_EQ(canvas.Pen.Width, 1);
    f.state.ShowDiameters = f.state.ShowRecommended = false;
    f.Draw();
    EXPECT_EQ(f.Drawn(300, 120), kWhite);
}

TEST(StrengthOverlays, ToggledOnAndOffAgainTheyLeaveTheSamePicture)
{
    TStrengthInputs shaft = ShaftOf(300, {0, 150, 300});
    shaft.TwistingMoment = TwistFor(30, 40);
    shaft.HorzDiagram = Triangle(1e6L);
    TOverlayFixture f(shaft);
    const QStringList memo{"line 0/15/150/15/0/", "line 150/15/150/25/0/", "line 150/25/300/25/0/"};
    f.Draw(memo);
    const QImage before = f.image.copy();
    bool* switches[] = {&f.state.ShowDiameters, &f.state.ShowEqualStrength, &f.state.ShowRecommended};
    for (bool* on : switches) {
        *on = true;
        f.Draw(memo);
        EXPECT_NE(f.image, before);
        *on = false;
        f.Draw(memo);
        EXPECT_EQ(f.image, before);
    }
}

} // namespace
