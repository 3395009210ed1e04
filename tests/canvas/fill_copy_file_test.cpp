#include "canvas_test_image.h"
#include "test_support.h"
#include "common/errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A triangle outlined in black, with a black spot inside it and a gap-free outline.
Canvas& DrawTriangle(Canvas& canvas)
{
    canvas.MoveTo(10, 40);
    canvas.LineTo(50, 40);
    canvas.LineTo(30, 10);
    canvas.LineTo(10, 40);
    return canvas;
}

TEST(CanvasFloodFill, FillsTheInsideOfATriangleUpToItsBorder)
{
    QImage image = WhiteImage(60, 50);
    Canvas canvas(image);
    DrawTriangle(canvas);
    const QImage outline = image.copy();
    canvas.Brush.Color = Qt::black;
    canvas.FloodFill(30, 30, Qt::black);
    EXPECT_TRUE(IsColor(canvas, 30, 30, Qt::black));
    EXPECT_TRUE(IsColor(canvas, 30, 15, Qt::black));
    EXPECT_TRUE(IsColor(canvas, 15, 39, Qt::black));
    for (QPoint outside : {QPoint(0, 0), QPoint(10, 20), QPoint(50, 20), QPoint(30, 45), QPoint(59, 49)})
        EXPECT_TRUE(IsColor(canvas, outside.x(), outside.y(), Qt::white)) << outside.x() << "," << outside.y();
    int filled = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x) filled += outline.pixelColor(x, y) != image.pixelColor(x, y);
    EXPECT_GT(filled, 450) << "about half of the 40 x 30 box";
    EXPECT_LT(filled, 650);
}

TEST(CanvasFloodFill, FillsWithTheBrushAroundOtherColours)
{
    QImage image = WhiteImage(60, 50);
    Canvas canvas(image);
    DrawTriangle(canvas);
    canvas.Pen.Color = Qt::red;
    canvas.MoveTo(20, 35);
    canvas.LineTo(40, 35); // not the border colour: filled over
    canvas.Brush.Color = Qt::green;
    canvas.FloodFill(30, 30, Qt::black);
    EXPECT_TRUE(IsColor(canvas, 30, 35, Qt::green));
    EXPECT_TRUE(IsColor(canvas, 30, 39, Qt::green));
    EXPECT_TRUE(IsColor(canvas, 30, 40, Qt::black));
    canvas.FloodFill(30, 30, Qt::black); // the fill colour is no border: filling again is harmless
    EXPECT_TRUE(IsColor(canvas, 0, 0, Qt::white));
}

TEST(CanvasFloodFill, FillsNothingFromABorderPixelOrOutsideTheImage)
{
    QImage image = WhiteImage(60, 50);
    Canvas canvas(image);
    DrawTriangle(canvas);
    const QImage before = image.copy();
    canvas.Brush.Color = Qt::green;
    for (QPoint seed : {QPoint(30, 40), QPoint(-1, 20), QPoint(60, 20), QPoint(20, 50)})
        canvas.FloodFill(seed.x(), seed.y(), Qt::black);
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.FloodFill(30, 30, Qt::black);
    EXPECT_EQ(image, before);
}

TEST(CanvasFloodFill, FillsAWholePageWithoutABorder)
{
    QImage image = WhiteImage(595, 860);
    Canvas canvas(image);
    canvas.Brush.Color = Qt::blue;
    canvas.FloodFill(300, 400, Qt::black);
    QImage blue(595, 860, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    EXPECT_EQ(image, blue);
}

TEST(CanvasCopyRect, CopiesPixelsOneToOne)
{
    QImage sourceImage = WhiteImage(30, 30);
    Canvas source(sourceImage);
    source.Brush.Color = Qt::red;
    source.Rectangle(5, 5, 15, 10);
    QImage targetImage = WhiteImage(40, 40);
    targetImage.fill(Qt::gray);
    Canvas target(targetImage);
    target.CopyRect(QRect(20, 25, 12, 7), source, QRect(4, 4, 12, 7));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(target.Pixel(20 + x, 25 + y), source.Pixel(4 + x, 4 + y)) << x << "," << y;
    EXPECT_TRUE(IsColor(target, 19, 25, Qt::gray));
    EXPECT_TRUE(IsColor(target, 32, 31, Qt::gray));
    EXPECT_TRUE(IsColor(target, 20, 32, Qt::gray));
}

TEST(CanvasCopyRect, WithinOneImageReadsThePixelsBeforeTheCopy)
{
    QImage image = WhiteImage(30, 10);
    for (int x = 0; x < 30; ++x) image.setPixelColor(x, 0, QColor(x * 8, 0, 0));
    const QImage before = image.copy();
    Canvas canvas(image);
    canvas.CopyRect(QRect(2, 0, 20, 1), canvas, QRect(0, 0, 20, 1));
    for (int x = 0; x < 20; ++x) EXPECT_EQ(canvas.Pixel(x + 2, 0), before.pixelColor(x, 0)) << x;
}

TEST(CanvasGrowTo, KeepsTheRowsItHadAndFillsTheNewOnes)
{
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        QImage image(7, 3, format);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x) image.setPixelColor(x, y, QColor(x * 30, y * 80, 5));
        const QImage before = image.copy();
        Canvas canvas(image);
        canvas.GrowTo(2, Qt::yellow);
        EXPECT_EQ(image, before) << "a shorter height leaves the image as it is";
        canvas.GrowTo(5, Qt::yellow);
        ASSERT_EQ(image.size(), QSize(7, 5));
        EXPECT_EQ(image.copy(0, 0, 7, 3), before);
        for (int y = 3; y < 5; ++y)
            for (int x = 0; x < 7; ++x) EXPECT_TRUE(IsColor(canvas, x, y, Qt::yellow)) << x << "," << y;
    }
}

TEST(CanvasSaveToBmp, WritesATwentyFourBitBitmapOfThePage)
{
    QTemporaryDir folder;
    QImage image = WhiteImage(595, 860);
    Canvas canvas(image);
    canvas.Pen.Color = Qt::red;
    canvas.MoveTo(50, 65);
    canvas.LineTo(550, 65);
    const QString fileName = folder.filePath("page.bmp");
    canvas.SaveToBmp(fileName);

    ExpectBitmapFile(fileName, 595, 860);

    QImage back;
    ASSERT_TRUE(back.load(fileName));
    EXPECT_EQ(back.size(), QSize(595, 860));
    EXPECT_EQ(back.pixelColor(50, 65), QColor(Qt::red));
    EXPECT_EQ(back.pixelColor(550, 65), QColor(Qt::white));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image);
}

TEST(CanvasSaveToBmp, FailsWithAMessageNamingTheFileAndKeepsAnOldFile)
{
    QTemporaryDir folder;
    QImage image = WhiteImage(20, 20);
    const Canvas canvas(image);
    const QString missing = folder.filePath("no such folder/page.bmp");
    try {
        canvas.SaveToBmp(missing);
        ADD_FAILURE() << "no failure";
    } catch (const KorvelError& error) {
        EXPECT_TRUE(error.Text().contains(missing)) << qPrintable(error.Text());
    }
    EXPECT_FALSE(QFile::exists(missing));

    const QString old = folder.filePath("old.bmp");
    ASSERT_TRUE(QDir(folder.path()).mkdir("old.bmp")); // a folder where the file should go
    EXPECT_THROW(canvas.SaveToBmp(old), KorvelError);
    EXPECT_TRUE(QFileInfo(old).isDir());
}

} // namespace
