#include "canvas_test_image.h"

#include <gtest/gtest.h>

namespace {

TEST(CanvasLine, LeavesOutItsEndPixelInEveryDirection)
{
    QImage image = WhiteImage(600, 100);
    Canvas canvas(image);
    canvas.MoveTo(50, 65);
    canvas.LineTo(550, 65);
    EXPECT_EQ(PaintedColumns(canvas, 65), Span(50, 549));
    EXPECT_EQ(canvas.PenPos(), QPoint(550, 65));

    canvas.LineTo(550, 20); // upwards from the previous end
    EXPECT_EQ(PaintedRows(canvas, 550), Span(21, 65)) << "start pixel painted, end pixel not";

    QImage other = WhiteImage(40, 40);
    Canvas diagonal(other);
    diagonal.MoveTo(5, 5);
    diagonal.LineTo(15, 15);
    for (int i = 5; i < 15; ++i) EXPECT_TRUE(IsColor(diagonal, i, i, Qt::black)) << i;
    EXPECT_FALSE(IsColor(diagonal, 15, 15, Qt::black));
    EXPECT_EQ(PaintedCount(diagonal), 10);
}

TEST(CanvasLine, OfZeroLengthPaintsNothingAndMoveToPaintsNothing)
{
    QImage image = WhiteImage(20, 20);
    Canvas canvas(image);
    canvas.MoveTo(10, 10);
    canvas.LineTo(10, 10);
    canvas.MoveTo(3, 4);
    EXPECT_EQ(PaintedCount(canvas), 0);
    EXPECT_EQ(canvas.PenPos(), QPoint(3, 4));
}

TEST(CanvasLine, InThePenColourAndOutsideTheImageIsClipped)
{
    QImage image = WhiteImage(20, 20);
    Canvas canvas(image);
    canvas.Pen.Color = ColorFromValue(255);
    canvas.MoveTo(-30, 5);
    canvas.LineTo(40, 5);
    EXPECT_EQ(PaintedColumns(canvas, 5), Span(0, 19));
    EXPECT_TRUE(IsColor(canvas, 0, 5, Qt::red));
}

// Lines along a row or a column are written straight into 32-bit pixels; on an image of another
// format each pixel is set on its own. Both give the same pixels in every direction, where the
// line leaves the image and where it runs wholly beside it.
TEST(CanvasLine, StraightLinesWrittenDirectlyMatchPixelByPixel)
{
    const QLine lines[] = {{3, 4, 17, 4}, {17, 6, 3, 6}, {5, 2, 5, 18}, {7, 18, 7, 2}, {-9, 10, 30, 10},
                           {12, 30, 12, -5}, {-3, -4, -3, 25}, {2, 20, 15, 20}, {25, 1, 25, 9}};
    QImage direct = WhiteImage(20, 20);
    QImage pixelwise(20, 20, QImage::Format_RGB888);
    pixelwise.fill(Qt::white);
    for (QImage* image : {&direct, &pixelwise}) {
        Canvas canvas(*image);
        canvas.Pen.Color = QColor(0, 128, 0);
        for (const QLine& line : lines) {
            canvas.MoveTo(line.x1(), line.y1());
            canvas.LineTo(line.x2(), line.y2());
        }
    }
    EXPECT_EQ(direct, pixelwise.convertToFormat(QImage::Format_RGB32));
    QImage copy = direct;
    EXPECT_GT(PaintedCount(Canvas(copy)), 80);
}

// A wide pen is a square of its width dragged from the start to the end point, both included.
TEST(CanvasLine, OfWidthTwoCoversBothEndsTwoPixelsThick)
{
    QImage image = WhiteImage(40, 40);
    Canvas canvas(image);
    canvas.Pen.Width = 2;
    canvas.MoveTo(10, 20);
    canvas.LineTo(20, 20);
    EXPECT_EQ(PaintedColumns(canvas, 19), Span(9, 20));
    EXPECT_EQ(PaintedColumns(canvas, 20), Span(9, 20));
    EXPECT_EQ(PaintedRows(canvas, 15), Span(19, 20));

    canvas.LineTo(20, 30); // the corner closes
    EXPECT_EQ(PaintedRows(canvas, 20), Span(19, 30));

    // Lying beside the image, its square end still reaches in; wholly beyond it, it moves the pen.
    QImage beside = WhiteImage(40, 40);
    Canvas edge(beside);
    edge.Pen.Width = 5;
    edge.MoveTo(-2, 10);
    edge.LineTo(-2, 30);
    EXPECT_EQ(PaintedColumns(edge, 20), Span(0, 0));
    edge.MoveTo(-5, 10);
    edge.LineTo(-5, 30);
    EXPECT_EQ(PaintedCount(edge), 25) << "rows 8 to 32 of column 0, from the first line alone";
    EXPECT_EQ(edge.PenPos(), QPoint(-5, 30));
}

TEST(ColorFromValue, ReadsBlueGreenRed)
{
    EXPECT_EQ(ColorFromValue(255), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromValue(128), QColor(128, 0, 0));
    EXPECT_EQ(ColorFromValue(0x808080), QColor(128, 128, 128));
    EXPECT_EQ(ColorFromValue(15263976), QColor(232, 232, 232));
    EXPECT_EQ(ColorFromValue(0x00FF0000), QColor(0, 0, 255));
}

TEST(CanvasPixel, IsInvalidOutsideTheImage)
{
    QImage image = WhiteImage(10, 5);
    const Canvas canvas(image);
    EXPECT_TRUE(canvas.Pixel(0, 0).isValid());
    EXPECT_TRUE(canvas.Pixel(9, 4).isValid());
    for (QPoint outside : {QPoint(-1, 0), QPoint(10, 0), QPoint(0, 5), QPoint(0, -1)})
        EXPECT_FALSE(canvas.Pixel(outside.x(), outside.y()).isValid()) << outside.x() << "," << outside.y();
}

} // namespace
