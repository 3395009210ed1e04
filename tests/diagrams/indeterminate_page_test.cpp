// A plane on three bearings pressed through "Calculate": the reactions, the moment diagram that
// follows from them, and the page's texts.
#include "analysis/solver.h"

#include "canvas/canvas.h"
#include "common/errors.h"
#include "diagrams/calculation_report.h"
#include "../analysis/plane_builder.h"

#include <gtest/gtest.h>

namespace {

struct HorizontalData : TData {
    HorizontalData() { SetOriz(true); }
};

// Two spans of 100 mm, bearings A, B, C at 0, 100, 200, and P = 1000 N against the reactions at
// the middle of each span. The three-moment equation (Clapeyron) gives the moment over B,
// -3PL/16 = -18750 N*mm; the ends then take 5P/16, the middle 11P/8, and the moment under the
// loads is 5PL/32 = 15625 N*mm.
TAnalysisState TwoEqualSpans()
{
    return Plane(200, {Bearing("RHA", 0), Bearing("RHB", 100), Bearing("RHC", 200)},
                 {Force("FH1", 50, 1000, 0), Force("FH2", 150, 1000, 0)});
}

TEST(IndeterminatePlane, TwoEqualSpansCarryTheirClosedFormReactionsAndMoments)
{
    TAnalysisState state = TwoEqualSpans();
    HorizontalData data;
    TPlaneSupports supports;
    supports.Made = {"uniform section", "uniform"};
    SolvePlane(state, data, supports);

    EXPECT_NEAR(state.HorzReactions[0], 312.5, 1e-9);
    EXPECT_NEAR(state.HorzReactions[1], 1375, 1e-9);
    EXPECT_NEAR(state.HorzReactions[2], 312.5, 1e-9);
    EXPECT_NEAR(double(data.HorzMom()), 18750, 1e-6) << "the largest moment is the hogging one over B";
    for (const TMomentPoint& point : state.MomentPoints) {
        if (point.Position == 50) EXPECT_NEAR(double(point.Left), 15625, 1e-6);
        if (point.Position == 100) EXPECT_NEAR(double(point.Left), -18750, 1e-6);
        if (point.Position == 200) EXPECT_NEAR(double(point.Right), 0, 1e-6) << "the diagram closes at the end";
    }
    EXPECT_EQ(state.HorzSection.Name, "uniform section");

    QImage image(595, 860, QImage::Format_RGB32);
    const std::vector<TPageText> texts = ReportTexts(state, true, PageLineFits(Canvas(image)));
    QStringList lines;
    for (const TPageText& text : texts) lines << text.Text;
    EXPECT_TRUE(lines.contains("Statically indeterminate, 3 supports: stiffness method, uniform section"));
    EXPECT_TRUE(lines.contains("RHA = 312.50 N   RHB = 1375.00 N   RHC = 312.50 N"));
    EXPECT_FALSE(lines.join('\n').contains("0*RHA")) << "no two-equation system is written";
}

TEST(IndeterminatePlane, TwoBearingsAtOnePositionAreRefusedByTheirLetters)
{
    TAnalysisState state = Plane(200, {Bearing("RHA", 0), Bearing("RHB", 100), Bearing("RHC", 0)},
                                 {Force("FH1", 50, 1000, 0)});
    HorizontalData data;
    try {
        SolvePlane(state, data);
        FAIL() << "solved";
    } catch (const KorvelError& error) {
        EXPECT_EQ(error.Text(), "Reazemele A si C trebuie sa fie in pozitii diferite !");
    }
    EXPECT_TRUE(state.MomentPoints.empty()) << "a refusal changes nothing";
}

} // namespace
