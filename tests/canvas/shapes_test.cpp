#include "canvas_test_image.h"

#include <gtest/gtest.h>

namespace {

TEST(CanvasRectangle, CoversItsBoxWithTheCornersInAnyOrder)
{
    const QRect corners[] = {QRect(QPoint(10, 20), QPoint(30, 25)), QRect(QPoint(30, 25), QPoint(10, 20)),
        QRect(QPoint(30, 20), QPoint(10, 25)), QRect(QPoint(10, 25), QPoint(30, 20))};
    for (const QRect& c : corners) {
        QImage image = WhiteImage(40, 40);
        Canvas canvas(image);
        canvas.Brush.Color = Qt::green;
        canvas.Rectangle(c.left(), c.top(), c.right(), c.bottom());
        EXPECT_EQ(PaintedColumns(canvas, 20), Span(10, 29));
        EXPECT_EQ(PaintedColumns(canvas, 22), Span(10, 29));
        EXPECT_EQ(PaintedRows(canvas, 15), Span(20, 24));
        EXPECT_TRUE(IsColor(canvas, 29, 24, Qt::black)) << "outline in the pen";
        EXPECT_TRUE(IsColor(canvas, 11, 21, Qt::green)) << "inside in the brush";
        EXPECT_TRUE(IsColor(canvas, 28, 23, Qt::green));
    }
}

TEST(CanvasRectangle, OneLargerThanThePageFillsItAndLeavesTheOutlineOutside)
{
    QImage image(595, 860, QImage::Format_RGB32);
    image.fill(Qt::blue);
    Canvas canvas(image);
    canvas.Rectangle(-1, -1, 596, 861);
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), WhiteImage(595, 860));
}

TEST(CanvasRectangle, ThinBoxesAndEmptyBoxes)
{
    QImage image = WhiteImage(20, 20);
    Canvas canvas(image);
    canvas.Rectangle(5, 5, 5, 10); // no column
    canvas.Rectangle(5, 5, 10, 5); // no row
    EXPECT_EQ(PaintedCount(canvas), 0);
    canvas.Rectangle(5, 5, 6, 10);
    EXPECT_EQ(PaintedRows(canvas, 5), Span(5, 9));
    EXPECT_EQ(PaintedCount(canvas), 5);
}

TEST(CanvasRectangle, ClearBrushKeepsTheInsideAndHatchPaintsOnlyItsLines)
{
    QImage image = WhiteImage(40, 40);
    image.setPixelColor(20, 20, Qt::yellow);
    Canvas canvas(image);
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Rectangle(10, 10, 30, 30);
    EXPECT_TRUE(IsColor(canvas, 20, 20, Qt::yellow));
    EXPECT_EQ(PaintedColumns(canvas, 20), std::vector<int>({10, 20, 29}));

    canvas.Brush.Style = TBrushStyle::VerticalHatch;
    canvas.Brush.Color = Qt::red;
    canvas.Rectangle(0, 0, 40, 8);
    std::vector<int> hatch;
    for (int x = 1; x < 39; ++x)
        if (IsColor(canvas, x, 4, Qt::red)) hatch.push_back(x);
    ASSERT_GE(hatch.size(), 4u);
    for (size_t i = 1; i < hatch.size(); ++i) EXPECT_EQ(hatch[i] - hatch[i - 1], 8);
    EXPECT_TRUE(IsColor(canvas, hatch[0] + 1, 4, Qt::white)) << "gaps stay as they were";
    for (int y = 1; y < 7; ++y) EXPECT_TRUE(IsColor(canvas, hatch[0], y, Qt::red)) << "vertical lines";
}

TEST(CanvasEllipse, IsACircleEightPixelsAcrossInItsBox)
{
    const int a = 100;
    QImage image = WhiteImage(200, 100);
    Canvas canvas(image);
    canvas.Brush.Color = Qt::green;
    canvas.Ellipse(a - 4, 61, a + 4, 69);
    EXPECT_EQ(PaintedColumns(canvas, 64).front(), a - 4);
    EXPECT_EQ(PaintedColumns(canvas, 64).back(), a + 3);
    EXPECT_EQ(PaintedRows(canvas, a - 1).front(), 61);
    EXPECT_EQ(PaintedRows(canvas, a - 1).back(), 68);
    EXPECT_TRUE(IsColor(canvas, a - 1, 64, Qt::green));
    EXPECT_TRUE(IsColor(canvas, a - 4, 61, Qt::white)) << "corners of the box stay";
    EXPECT_TRUE(IsColor(canvas, a + 3, 68, Qt::white));
    for (int y = 0; y < 100; ++y)
        for (int x : PaintedColumns(canvas, y)) EXPECT_TRUE(x >= a - 4 && x < a + 4 && y >= 61 && y < 69);
}

// The moment symbol: the arc from the ray through (a - 10, 55) to the ray through (a + 10, 55)
// runs counter-clockwise over the left, bottom and right of the circle and leaves the top open.
TEST(CanvasArc, RunsCounterClockwiseFromStartRadialToEndRadial)
{
    const int a = 100;
    for (int width : {1, 2}) {
        QImage image = WhiteImage(200, 100);
        Canvas canvas(image);
        canvas.Pen.Width = width;
        canvas.Arc(a - 15, 50, a + 15, 80, a - 10, 55, a + 10, 55);
        EXPECT_FALSE(PaintedRows(canvas, a).empty());
        EXPECT_GE(PaintedRows(canvas, a).front(), 77) << "bottom painted, top open; width " << width;
        EXPECT_LE(PaintedColumns(canvas, 65).front(), a - 14) << "left";
        EXPECT_GE(PaintedColumns(canvas, 65).back(), a + 13) << "right";
        EXPECT_TRUE(PaintedColumns(canvas, 50).empty());
        EXPECT_TRUE(PaintedColumns(canvas, 51).empty());
    }
}

TEST(CanvasArc, WithTheRadialsSwappedCoversOnlyTheTop)
{
    const int a = 100;
    QImage image = WhiteImage(200, 100);
    Canvas canvas(image);
    canvas.Arc(a - 15, 50, a + 15, 80, a + 10, 55, a - 10, 55);
    EXPECT_EQ(PaintedRows(canvas, a).front(), 50);
    EXPECT_LE(PaintedRows(canvas, a).back(), 52);
    EXPECT_TRUE(PaintedColumns(canvas, 65).empty());
    EXPECT_TRUE(PaintedColumns(canvas, 79).empty());
}

TEST(CanvasArc, WithEqualRadialsIsTheWholeEllipseAndAnEmptyBoxNothing)
{
    QImage image = WhiteImage(60, 60);
    Canvas canvas(image);
    canvas.Arc(10, 10, 10, 40, 5, 5, 5, 5); // no column: nothing
    EXPECT_EQ(PaintedCount(canvas), 0);
    canvas.Arc(50, 10, 51, 40, 50, 5, 50, 50); // one column: its pixels only, no NaN angle
    EXPECT_EQ(PaintedColumns(canvas, 25), std::vector<int>({50}));
    image.fill(Qt::white);
    canvas.Arc(10, 10, 40, 40, 25, 25, 25, 25); // radials through the centre: no angle, no NaN
    const int painted = PaintedCount(canvas);
    EXPECT_GT(painted, 60);
    EXPECT_FALSE(PaintedRows(canvas, 25).empty());
    EXPECT_EQ(PaintedRows(canvas, 25).front(), 10);
    EXPECT_EQ(PaintedRows(canvas, 25).back(), 39);
}

// An editor arc in a box that is not square: the quarter from the left to the bottom of the ellipse.
TEST(CanvasArc, FindsTheRadialsOnAnEllipse)
{
    QImage image = WhiteImage(120, 60);
    Canvas canvas(image);
    canvas.Arc(10, 10, 110, 50, 0, 30, 60, 60);
    EXPECT_EQ(PaintedColumns(canvas, 30).front(), 10);
    EXPECT_GE(PaintedColumns(canvas, 49).back(), 59) << "down to the bottom of the ellipse";
    EXPECT_LE(PaintedColumns(canvas, 49).back(), 61);
    EXPECT_TRUE(PaintedColumns(canvas, 12).empty()) << "top open";
    EXPECT_LT(PaintedColumns(canvas, 48).back(), 70) << "right half open";
}

} // namespace
