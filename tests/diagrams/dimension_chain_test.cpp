// Distance chains on the page and the editor image, and the editor's position markers.
#include "diagrams/dimension_chain.h"
#include "diagrams/editor_drawing.h"

#include "common/number_text.h"
#include "page_canvas.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

Tvector At(long double position)
{
    Tvector term;
    term.Position = position;
    return term;
}

// Bearings at 0 and 400, a force at 150 and a moment at 187.5: links of 150, 37.5 and 212.5 mm.
TAnalysisState ChainState()
{
    TAnalysisState state;
    state.ShaftLength = 400;
    state.Reactions = {At(0), At(400)};
    state.Forces = {At(150)};
    state.Moments = {At(187.5)};
    return state;
}

TPuncte ChainPoints()
{
    return {{1, 0}, {0, 150}, {0, 187.5}, {1, 400}};
}

// The label's right edge at the middle of the link, its bottom on the line at `row`.
bool ShowsLabel(const TPage& page, int x1, int x2, int row, const QString& label)
{
    TPage reference;
    reference.canvas.Font.Name = "Small Fonts";
    reference.canvas.Font.Size = 7;
    const QSize extent = reference.canvas.TextExtent(label);
    const int middle = int(Round((x1 + x2) / 2.0L));
    return ShowsText(page, reference.canvas, middle - extent.width(), row - extent.height(), label);
}

} // namespace

TEST(DrawPageDimensions, LinksWithTicksAndLabelsInABandClearedUpToColumn500)
{
    TPage page;
    page.canvas.Brush.Color = Qt::black;
    page.canvas.Rectangle(0, 110, 595, 140); // something drawn earlier in the band
    page.canvas.Brush.Color = Qt::white;
    page.canvas.Font.Size = 10;
    page.canvas.Pen.Color = Qt::blue;

    DrawPageDimensions(page.canvas, ChainState());

    // Columns: 0 -> 50, 150 -> 238 (187.5 rounds to even), 187.5 -> 284, 400 -> 550.
    EXPECT_TRUE(ShowsLabel(page, 50, 238, 140, "150"));
    EXPECT_TRUE(ShowsLabel(page, 238, 284, 140, "37.5"));
    EXPECT_TRUE(ShowsLabel(page, 284, 550, 140, "212.5"));
    EXPECT_EQ(ColumnsOf(page, 139, 40, 60, Qt::black), (std::vector<int>{50, 51, 52, 53, 54}));
    EXPECT_EQ(ColumnsOf(page, 139, 225, 238, Qt::black), (std::vector<int>{233, 234, 235, 236, 237, 238}));
    EXPECT_TRUE(IsBlack(page, 120, 140));
    EXPECT_TRUE(IsBlack(page, 549, 140));
    EXPECT_TRUE(AllWhite(page, QRect(50, 141, 501, 1)));
    EXPECT_TRUE(IsWhite(page, 480, 138));
    EXPECT_TRUE(IsBlack(page, 500, 138)); // the band stops short of the axis end
    EXPECT_TRUE(IsBlack(page, 480, 115)); // and above the text height
    EXPECT_EQ(page.canvas.Pen.Color, QColor(Qt::black));
    EXPECT_EQ(page.canvas.Font.Name, "MS Sans Serif");
    EXPECT_EQ(page.canvas.Font.Size, 10);
}

TEST(DrawPageDimensions, LabelsUseTheDecimalSeparator)
{
    const DecimalSeparatorScope comma(',');
    TPage page;
    DrawPageDimensions(page.canvas, ChainState());
    EXPECT_TRUE(ShowsLabel(page, 238, 284, 140, "37,5"));
}

TEST(DrawPageDimensions, AForceAtABearingAddsNoLink)
{
    TAnalysisState bearingsOnly;
    bearingsOnly.ShaftLength = 400;
    bearingsOnly.Reactions = {At(100), At(400)};
    TAnalysisState withForce = bearingsOnly;
    withForce.Forces = {At(100)};

    TPage expected;
    TPage page;
    DrawPageDimensions(expected.canvas, bearingsOnly);
    DrawPageDimensions(page.canvas, withForce);
    EXPECT_TRUE(ShowsLabel(page, 50, 175, 140, "100"));
    EXPECT_EQ(page.image, expected.image);
}

TEST(DrawEditorDimensions, TheSameChainAsThePage70RowsLower)
{
    TPage pageChain;
    TPage editorChain;
    DrawPageDimensions(pageChain.canvas, ChainState());
    DrawEditorDimensions(editorChain.canvas, ChainPoints(), 400);
    EXPECT_TRUE(ShowsLabel(editorChain, 238, 284, 210, "37.5"));
    EXPECT_EQ(editorChain.image.copy(0, 170, 595, 45), pageChain.image.copy(0, 100, 595, 45));
    EXPECT_TRUE(AllWhite(editorChain, QRect(0, 100, 595, 60)));
}

TEST(DrawPointMarkers, GreyGuidesWithBlueCirclesAtBearingsAndCrossesElsewhere)
{
    TPage page;
    DrawPointMarkers(page.canvas, {{1, 0}, {0, 250}}, 1000);
    const QColor grey(128, 128, 128);
    EXPECT_TRUE(IsBlack(page, 300, 100)); // the axis
    EXPECT_TRUE(IsBlack(page, 549, 100));
    EXPECT_TRUE(IsWhite(page, 550, 100));
    EXPECT_TRUE(IsWhite(page, 175, 19));
    for (const int row : {20, 60, 714}) EXPECT_TRUE(IsColor(page, 175, row, grey)) << row;
    EXPECT_TRUE(IsWhite(page, 175, 715));
    EXPECT_TRUE(IsColor(page, 50, 500, grey));
    EXPECT_TRUE(IsColor(page, 46, 100, Qt::blue)); // circle at the bearing
    EXPECT_TRUE(IsColor(page, 53, 100, Qt::blue));
    for (const QPoint p : {QPoint(172, 97), QPoint(178, 97), QPoint(175, 100), QPoint(172, 103)})
        EXPECT_TRUE(IsColor(page, p.x(), p.y(), Qt::blue)) << p.x() << "," << p.y();
    EXPECT_EQ(page.canvas.Pen.Color, QColor(Qt::black));
}
