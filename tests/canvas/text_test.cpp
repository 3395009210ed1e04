#include "canvas/canvas_painting.h"
#include "canvas_test_image.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The box of painted pixels in `rect`, or an empty rectangle.
QRect InkBox(const Canvas& canvas, const QRect& rect, const QColor& ink)
{
    QRect box;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (canvas.Pixel(x, y) == ink) box |= QRect(x, y, 1, 1);
    return box;
}

int CountColors(const Canvas& canvas, const QRect& rect, std::initializer_list<QColor> colors)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += std::find(colors.begin(), colors.end(), canvas.Pixel(x, y)) != colors.end();
    return count;
}

// A font of s points is s * 96 / 72 pixels, and its box holds the font's ascent and descent.
TEST(CanvasText, FontsAreSizedAtNinetySixDotsPerInch)
{
    QImage image = WhiteImage(10, 10);
    Canvas canvas(image);
    struct TSizeCase { const char* name; int points; int pixels; };
    for (const TSizeCase& c : {TSizeCase{"MS Sans Serif", 8, 11}, TSizeCase{"Small Fonts", 7, 9},
             TSizeCase{"MS Sans Serif", 12, 16}, TSizeCase{"MS Sans Serif", 10, 13}}) {
        canvas.Font.Name = c.name;
        canvas.Font.Size = c.points;
        const QFont& font = ScreenFont(canvas.Font);
        EXPECT_EQ(font.pixelSize(), c.pixels) << c.name << " " << c.points;
        EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans") << c.name;
        const QFontMetrics metrics(font);
        EXPECT_EQ(canvas.TextExtent("10"), QSize(metrics.horizontalAdvance("10"), metrics.ascent() + metrics.descent()));
    }
    canvas.Font = TFont();
    // 11 pixels: ascent 0.905 em rounds to 10 and descent 0.212 em to 2; a digit is 0.556 em, 6
    // pixels, the width per character that the page's 87-character lines are laid out for.
    EXPECT_EQ(canvas.TextHeight("10"), 12);
    EXPECT_EQ(canvas.TextWidth("1234567890"), 60);
    EXPECT_EQ(canvas.TextExtent("").width(), 0);
}

TEST(CanvasText, BoldIsWider)
{
    QImage image = WhiteImage(10, 10);
    Canvas canvas(image);
    const int regular = canvas.TextWidth("Pre-dimensioning");
    canvas.Font.Bold = true;
    EXPECT_GT(canvas.TextWidth("Pre-dimensioning"), regular);
}

TEST(CanvasText, StandsOnABoxOfTheBrushWhileTheBrushIsSolid)
{
    QImage image = WhiteImage(100, 40);
    image.fill(Qt::gray);
    Canvas canvas(image);
    canvas.Brush.Color = Qt::yellow;
    canvas.Font.Color = Qt::blue;
    canvas.TextOut(10, 5, "M 250");
    const QSize extent = canvas.TextExtent("M 250");
    const QRect box(QPoint(10, 5), extent);
    EXPECT_EQ(CountColors(canvas, box, {Qt::gray}), 0) << "the box is covered";
    EXPECT_TRUE(IsColor(canvas, box.left(), box.top(), Qt::yellow));
    EXPECT_TRUE(IsColor(canvas, box.right(), box.bottom(), Qt::yellow));
    EXPECT_TRUE(IsColor(canvas, box.right() + 1, box.top(), Qt::gray));
    EXPECT_TRUE(IsColor(canvas, box.left(), box.bottom() + 1, Qt::gray));
    const QRect ink = InkBox(canvas, box, Qt::blue);
    EXPECT_FALSE(ink.isEmpty()) << "crisp glyphs in the font colour";
    EXPECT_TRUE(box.contains(ink));
    EXPECT_EQ(CountColors(canvas, box, {Qt::yellow, Qt::blue}), box.width() * box.height())
        << "no blended pixels";
    EXPECT_EQ(canvas.PenPos(), QPoint(0, 0)) << "text moves no pen";
}

TEST(CanvasText, IsTransparentWhileTheBrushIsHatchedOrClear)
{
    for (TBrushStyle style : {TBrushStyle::VerticalHatch, TBrushStyle::Clear}) {
        QImage image = WhiteImage(100, 40);
        image.fill(Qt::gray);
        Canvas canvas(image);
        canvas.Brush.Style = style;
        canvas.TextOut(10, 5, "10");
        EXPECT_EQ(CountColors(canvas, QRect(0, 0, 100, 40), {Qt::gray, Qt::black}), 100 * 40)
            << "only the background and whole glyph pixels";
        EXPECT_GT(CountColors(canvas, QRect(QPoint(10, 5), canvas.TextExtent("10")), {Qt::black}), 10);
    }
}

// Labels on the editor's images are stamped from a kept layout; other images go through a
// painter. Both must give the same pixels, also at the image's edges.
TEST(CanvasText, KeptLayoutsPaintWhatThePainterPaints)
{
    for (const QPoint at : {QPoint(10, 5), QPoint(-7, -4), QPoint(70, 30)}) {
        QImage stamped = WhiteImage(100, 40);
        QImage painted(100, 40, QImage::Format_RGB888);
        painted.fill(Qt::white);
        for (QImage* image : {&stamped, &painted}) {
            Canvas canvas(*image);
            canvas.Font.Name = "Small Fonts";
            canvas.Font.Size = 7;
            canvas.Font.Color = QColor(0, 128, 0);
            canvas.Brush.Color = Qt::yellow;
            canvas.TextOut(at.x(), at.y(), "25.00 jM");
        }
        EXPECT_EQ(stamped, painted.convertToFormat(QImage::Format_RGB32)) << at.x() << "," << at.y();
    }
}

// Texts are put together glyph by glyph, kerned pairs ("11" and "AV" at every size, "T.", "P,")
// included, unless the font shapes a character, lacks it, or kerns outside one run of Latin
// script (digits alone, Greek beside Latin); either way the pixels and the width are the
// painter's, in every size and weight the drawings use.
TEST(CanvasText, GlyphByGlyphTextsPaintWhatThePainterPaints)
{
    const QStringList texts = {"M = 12345.678 Nmm", "x = 0.110 m; 2110", "11 AVAV T. P, Wy", "2110.5",
        "(11) -111.75", QString::fromUtf8("σ ăâîșț ÎȘȚ ° ± ² µ × é"), QString::fromUtf8("σ11 AV"),
        QString::fromUtf8("pre\u00ADdim → ∑ 長"), "", " "};
    for (const int points : {6, 7, 8, 10, 12})
        for (const bool bold : {false, true})
            for (const QString& text : texts) {
                QImage stamped = WhiteImage(260, 30);
                QImage painted(260, 30, QImage::Format_RGB888);
                painted.fill(Qt::white);
                for (QImage* image : {&stamped, &painted}) {
                    Canvas canvas(*image);
                    canvas.Font.Size = points;
                    canvas.Font.Bold = bold;
                    canvas.Brush.Color = Qt::yellow;
                    canvas.TextOut(3, 4, text);
                }
                const QString what = QString("%1 pt%2 '%3'").arg(points).arg(bold ? " bold" : "").arg(text);
                EXPECT_EQ(stamped, painted.convertToFormat(QImage::Format_RGB32)) << what.toStdString();
                Canvas canvas(stamped);
                canvas.Font.Size = points;
                canvas.Font.Bold = bold;
                EXPECT_EQ(canvas.TextWidth(text), QFontMetrics(ScreenFont(canvas.Font)).horizontalAdvance(text))
                    << what.toStdString();
            }
}

} // namespace
