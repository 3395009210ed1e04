// Guides, shear and moment diagrams and the Mmax marker at their pixels, as "Calculate" draws
// them; and nothing at all on a shaft of no length.
#include "diagrams/dimension_chain.h"
#include "diagrams/editor_drawing.h"
#include "diagrams/load_symbols.h"
#include "diagrams/result_diagrams.h"

#include "page_canvas.h"

#include <gtest/gtest.h>

namespace {

const QColor kGrey(128, 128, 128);

Tincarcare TermsAt(std::initializer_list<long double> positions)
{
    Tincarcare terms;
    for (const long double position : positions) {
        Tvector term;
        term.Position = position;
        terms.push_back(term);
    }
    return terms;
}

// The canvas settings of the report while it draws the diagrams.
void UseDiagramPen(Canvas& canvas)
{
    canvas.Pen.Color = Qt::black;
    canvas.Brush.Color = Qt::black;
    canvas.Brush.Style = TBrushStyle::VerticalHatch;
}

std::vector<int> Every20(int from, int to, int last)
{
    std::vector<int> columns;
    for (int x = from; x <= to; x += 20) columns.push_back(x);
    if (columns.back() != last) columns.push_back(last);
    return columns;
}

// 1000 N at the middle of a 100 mm shaft on bearings at its ends, pointing down.
TAnalysisState MiddleForceState()
{
    TAnalysisState state;
    state.ShaftLength = 100;
    state.ForceTerms = TermsAt({0, 50, 100});
    state.MomentTerms = TermsAt({0, 50, 100});
    state.ShearPoints = {{500, 0}, {-500, 50}};
    state.MomentPoints = {{0, 0, 0}, {25000, 25000, 50}, {0, 0, 100}};
    return state;
}

} // namespace

TEST(DrawTermGuides, GreyLinesFromRow55To380WithHalvesRoundedToEven)
{
    TPage page;
    page.canvas.Pen.Color = kGrey;
    // 25 and 27 mm of 1000 fall on columns 62.5 and 63.5 before rounding.
    DrawTermGuides(page.canvas, TermsAt({0, 25, 27, 1000}), 1000);
    EXPECT_EQ(ColumnsOf(page, 200, 0, 594, kGrey), (std::vector<int>{50, 62, 64, 550}));
    EXPECT_TRUE(IsWhite(page, 62, 54));
    EXPECT_TRUE(IsColor(page, 62, 55, kGrey));
    EXPECT_TRUE(IsColor(page, 62, 379, kGrey));
    EXPECT_TRUE(IsWhite(page, 62, 380));
}

TEST(DrawShearDiagram, PositiveShearAbove235WithTheLargest45RowsAway)
{
    TAnalysisState state = MiddleForceState();
    TPage page;
    UseDiagramPen(page.canvas);
    DrawShearDiagram(page.canvas, state.ShearPoints, state.ForceTerms, state.ShaftLength);

    EXPECT_TRUE(IsBlack(page, 100, 190));
    EXPECT_TRUE(IsWhite(page, 100, 189));
    EXPECT_TRUE(IsBlack(page, 400, 280));
    EXPECT_TRUE(IsWhite(page, 400, 281));
    EXPECT_EQ(ColumnsOf(page, 200, 40, 560, Qt::black), Every20(50, 290, 300));
    EXPECT_EQ(ColumnsOf(page, 260, 40, 560, Qt::black), Every20(300, 540, 550));
    EXPECT_EQ(ColumnsOf(page, 235, 40, 560, Qt::black).size(), 500u); // axis 50..549
    for (const auto& [x, y, text] : {std::tuple{30, 228, "F"}, {40, 221, "+"}, {41, 236, "-"}})
        EXPECT_TRUE(ShowsText(page, page.canvas, x, y, text)) << text;
}

TEST(DrawShearDiagram, HatchEvery20ColumnsFromTheSegmentsLeftEnd)
{
    struct TCase {
        long double end;
        std::vector<int> columns; // hatch lines, then the step's right edge
    };
    for (const TCase& c : {TCase{100, {50, 70, 90, 110, 130, 150}},      // 6 lines, last on the edge
                           TCase{99, {50, 70, 90, 110, 130, 149}}}) {   // 5 lines and the edge
        SCOPED_TRACE(double(c.end));
        TPage page;
        UseDiagramPen(page.canvas);
        DrawShearDiagram(page.canvas, {{10, 0}}, TermsAt({0, c.end}), 500);
        EXPECT_EQ(ColumnsOf(page, 220, 40, 200, Qt::black), c.columns);
    }
}

TEST(DrawMomentDiagram, PositiveMomentBelow335WithSlopedHatchAndTheCriticalSection)
{
    TAnalysisState state = MiddleForceState();
    TPage page;
    UseDiagramPen(page.canvas);
    DrawMomentDiagram(page.canvas, state, state.MomentPoints, state.MomentTerms);

    EXPECT_TRUE(IsBlack(page, 300, 380));
    EXPECT_TRUE(IsWhite(page, 300, 381));
    EXPECT_TRUE(AllWhite(page, QRect(51, 290, 499, 45))); // nothing negative
    EXPECT_TRUE(IsBlack(page, 70, 337)); // hatch from the course down to the axis
    EXPECT_TRUE(IsWhite(page, 80, 337));
    EXPECT_TRUE(IsBlack(page, 290, 370));
    EXPECT_TRUE(IsWhite(page, 280, 370));
    EXPECT_EQ(state.CriticalSection, 2);
    EXPECT_EQ(state.CriticalX, 300);
    for (const auto& [x, y, text] : {std::tuple{30, 328, "M"}, {41, 321, "-"}, {40, 336, "+"}})
        EXPECT_TRUE(ShowsText(page, page.canvas, x, y, text)) << text;
}

TEST(DrawMomentDiagram, AConcentratedMomentJumpsAtItsTerm)
{
    TAnalysisState state = MiddleForceState();
    state.MomentPoints = {{0, 0, 0}, {1000, -1000, 50}, {0, 0, 100}};
    TPage page;
    UseDiagramPen(page.canvas);
    DrawMomentDiagram(page.canvas, state, state.MomentPoints, state.MomentTerms);

    for (int row = 291; row <= 380; ++row) EXPECT_TRUE(IsBlack(page, 300, row)) << row;
    EXPECT_TRUE(IsWhite(page, 300, 289));
    EXPECT_TRUE(IsBlack(page, 320, 300)); // negative: hatched above the axis
    EXPECT_TRUE(IsWhite(page, 330, 300));
}

TEST(DrawMomentDiagram, TermsOnOneColumnDrawTheirCourseWithoutHatch)
{
    TAnalysisState state;
    state.ShaftLength = 1000;
    state.MomentTerms = TermsAt({0, 100, 100.4L, 1000}); // both inner terms on column 100
    state.MomentPoints = {{0, 0, 0}, {500, 500, 100}, {1000, 1000, 100.4L}, {0, 0, 1000}};
    TPage page;
    UseDiagramPen(page.canvas);
    DrawMomentDiagram(page.canvas, state, state.MomentPoints, state.MomentTerms);

    for (int row = 358; row <= 380; ++row) EXPECT_TRUE(IsBlack(page, 100, row)) << row;
    EXPECT_TRUE(IsBlack(page, 120, 350)); // the next segment is hatched as usual
}

TEST(ResultDiagrams, AllZeroDiagramsLieFlatOnTheirAxes)
{
    TAnalysisState state = MiddleForceState();
    state.ShearPoints = {{0, 0}, {0, 50}};
    state.MomentPoints = {{0, 0, 0}, {0, 0, 50}, {0, 0, 100}};
    TPage page;
    UseDiagramPen(page.canvas);
    DrawShearDiagram(page.canvas, state.ShearPoints, state.ForceTerms, state.ShaftLength);
    DrawMomentDiagram(page.canvas, state, state.MomentPoints, state.MomentTerms);

    for (const int top : {186, 236, 286, 336}) EXPECT_TRUE(AllWhite(page, QRect(51, top, 499, 49))) << top;
    EXPECT_TRUE(IsBlack(page, 300, 235));
    EXPECT_TRUE(IsBlack(page, 300, 335));
}

TEST(DrawMmaxMarker, CircleLineAndLabelStartingThreeColumnsPerCountedCharacterLeft)
{
    TPage page;
    UseDiagramPen(page.canvas);
    page.canvas.Pen.Color = Qt::blue;
    const QColor red = ColorFromValue(255);
    const QColor maroon = ColorFromValue(128);
    DrawMmaxMarker(page.canvas, 300, red, maroon, 12345.678L, "0.00");

    EXPECT_TRUE(AnyOf(page, QRect(296, 62, 1, 6), red));
    EXPECT_TRUE(AnyOf(page, QRect(303, 62, 1, 6), red));
    EXPECT_TRUE(IsColor(page, 300, 200, maroon));
    EXPECT_TRUE(IsColor(page, 300, 379, maroon));
    EXPECT_TRUE(IsWhite(page, 300, 380));
    TPage labelSettings;
    labelSettings.canvas.Brush = page.canvas.Brush;
    labelSettings.canvas.Font.Color = maroon;
    // "Mmax= 12345.68" counts 14 characters: 42 columns left of the marker.
    EXPECT_TRUE(ShowsText(page, labelSettings.canvas, 258, 385, "Mmax= 12345.68 N*mm"));
    EXPECT_EQ(page.canvas.Pen.Color, QColor(Qt::blue));
    EXPECT_EQ(page.canvas.Font.Color, QColor(Qt::black));
}

TEST(ResultDiagrams, AShaftOfNoLengthDrawsNothing)
{
    TAnalysisState state = MiddleForceState();
    state.ShaftLength = 0;
    state.Reactions = TermsAt({0, 0});
    TPage page;
    DrawForce(page.canvas, state.Reactions[0], 0);
    DrawMomentSymbol(page.canvas, state.Reactions[0], 0);
    DrawBearing(page.canvas, state.Reactions[0], 0);
    DrawPageDimensions(page.canvas, state);
    DrawTermGuides(page.canvas, state.MomentTerms, 0);
    DrawShearDiagram(page.canvas, state.ShearPoints, state.ForceTerms, 0);
    DrawMomentDiagram(page.canvas, state, state.MomentPoints, state.MomentTerms);
    DrawPointMarkers(page.canvas, {{1, 0}}, 0);
    DrawEditorDimensions(page.canvas, {{1, 0}}, 0);
    EXPECT_TRUE(AllWhite(page, page.image.rect()));
}
