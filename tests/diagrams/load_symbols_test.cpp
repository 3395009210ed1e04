// Force arrows, moment symbols and bearings at their pixels on the page.
#include "diagrams/load_symbols.h"

#include "page_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

Tvector Term(const QString& name, long double position, uint8_t direction, char kind = 'f')
{
    Tvector term;
    term.Name = name;
    term.Position = position;
    term.Direction = direction;
    term.Kind = kind;
    return term;
}

// Rows mirrored about the shaft axis (65), so one table serves both arrow directions.
int Side(bool up, int rowBelowAxis) { return up ? rowBelowAxis : 130 - rowBelowAxis; }

} // namespace

TEST(DrawShaftAxis, RunsAlongRow65FromColumn50UpToTheShaftsEnd)
{
    TPage page;
    page.canvas.Pen.Color = Qt::red;
    DrawShaftAxis(page.canvas);
    EXPECT_EQ(ColumnsOf(page, 65, 0, 594, Qt::red).size(), 500u);
    EXPECT_TRUE(IsColor(page, 50, 65, Qt::red));
    EXPECT_TRUE(IsColor(page, 549, 65, Qt::red));
    EXPECT_TRUE(IsWhite(page, 550, 65)); // a line leaves its end pixel
    EXPECT_TRUE(AllWhite(page, QRect(0, 64, 595, 1)));
    EXPECT_TRUE(AllWhite(page, QRect(0, 66, 595, 1)));
}

TEST(DrawForce, ArrowStandsOnTheAxisWithAFilledHeadAndItsName)
{
    struct TCase {
        long double position;
        uint8_t direction;
        int column;
    };
    for (const TCase& c : {TCase{250, 1, 175}, TCase{0, 0, 50}, TCase{1000, 0, 550}}) {
        SCOPED_TRACE(int(c.column));
        TPage page;
        DrawForce(page.canvas, Term("FH1", c.position, c.direction), 1000);
        const bool up = c.direction == 1;
        const int a = c.column;
        for (const QPoint inside : {QPoint(a - 3, 74), QPoint(a + 3, 74), QPoint(a + 2, 71)})
            EXPECT_TRUE(IsBlack(page, inside.x(), Side(up, inside.y())));
        EXPECT_TRUE(IsWhite(page, a - 6, Side(up, 74)));
        EXPECT_TRUE(IsWhite(page, a + 6, Side(up, 74)));
        EXPECT_TRUE(IsBlack(page, a, Side(up, 100))); // the shaft
        EXPECT_TRUE(IsWhite(page, a, Side(up, 120))); // ...ends 50 rows from the tip
        EXPECT_TRUE(AllWhite(page, QRect(a - 6, up ? 15 : 76, 13, 40))); // the other side
        EXPECT_TRUE(ShowsText(page, page.canvas, a + 3, up ? 110 : 20, "FH1"));
        EXPECT_EQ(page.canvas.Pen.Width, 1);
        EXPECT_EQ(page.canvas.Brush.Color, QColor(Qt::white));
    }
}

TEST(DrawMomentSymbol, ArcOpenAtTheTopWithTheHeadOppositeTheRadialStroke)
{
    for (const uint8_t direction : {uint8_t(1), uint8_t(0)}) {
        SCOPED_TRACE(int(direction));
        TPage page;
        DrawMomentSymbol(page.canvas, Term("MH1", 500, direction, 'm'), 1000);
        const int a = 300;
        const int toward = direction == 1 ? 1 : -1; // side of the radial stroke
        EXPECT_TRUE(AllWhite(page, QRect(a - 6, 44, 13, 10)));         // open at the top
        EXPECT_TRUE(AnyOf(page, QRect(a - 1, 76, 3, 5), Qt::black));  // bottom
        EXPECT_TRUE(AnyOf(page, QRect(a - 16, 63, 3, 5), Qt::black)); // left
        EXPECT_TRUE(AnyOf(page, QRect(a + 13, 63, 3, 5), Qt::black)); // right
        EXPECT_TRUE(IsBlack(page, a + 5 * toward, 60));
        EXPECT_TRUE(IsWhite(page, a - 5 * toward, 60));
        const int tip = a - 16 * toward; // the head's outer stroke ends beyond the circle
        EXPECT_TRUE(AnyOf(page, QRect(tip - 1, 59, 3, 3), Qt::black));
        EXPECT_TRUE(AllWhite(page, QRect(std::min(a + 16 * toward, a + 17 * toward), 59, 2, 3)));
        EXPECT_TRUE(ShowsText(page, page.canvas, a + 5, 85, "MH1"));
        EXPECT_EQ(page.canvas.Pen.Width, 1);
    }
}

// The symbol's shape is stamped from one painted copy; at every column of the page it must cover
// the pixels that the painter covers there, and leave the pen where the painter leaves it.
TEST(DrawMomentSymbol, StampsWhatThePainterPaintsAtEveryColumn)
{
    for (const uint8_t direction : {uint8_t(1), uint8_t(0)})
        for (int a = 0; a < 595; ++a) {
            QImage stamped(595, 120, QImage::Format_RGB32), painted(595, 120, QImage::Format_RGB32);
            stamped.fill(Qt::white);
            painted.fill(Qt::white);
            Canvas stamping(stamped), painting(painted);
            // A position that maps to column a on a shaft of 500 mm.
            DrawMomentSymbol(stamping, Term("M", a - 50, direction, 'm'), 500);
            DrawMomentShape(painting, a, direction == 1);
            painting.TextOut(a + 5, 85, "M");
            ASSERT_EQ(stamped, painted) << "column " << a << ", direction " << int(direction);
            ASSERT_EQ(stamping.PenPos(), painting.PenPos());
            ASSERT_EQ(stamping.Pen.Width, 1);
        }
}

TEST(DrawBearing, PinTriangleHatchAndTheReactionArrowBelowTheAxis)
{
    TPage page;
    DrawBearing(page.canvas, Term("RHA", 500, 1), 1000);
    const int a = 300;
    EXPECT_TRUE(IsBlack(page, a - 3, 65)); // pin outline
    EXPECT_TRUE(IsBlack(page, a - 8, 97)); // base of the support
    EXPECT_TRUE(IsBlack(page, a + 8, 97));
    EXPECT_TRUE(AnyOf(page, QRect(a - 9, 90, 2, 1), Qt::black)); // left side
    EXPECT_TRUE(IsWhite(page, a - 5, 90));                       // the triangle is not filled
    EXPECT_TRUE(IsWhite(page, a + 5, 90));
    for (const int k : {-9, -4, 6, 11}) EXPECT_TRUE(AnyOf(page, QRect(a + k - 3, 100, 3, 1), Qt::black)) << k;
    EXPECT_TRUE(IsWhite(page, a - 8, 100)); // gaps between the hatch strokes
    EXPECT_TRUE(IsWhite(page, a + 6, 100));
    EXPECT_TRUE(AllWhite(page, QRect(a - 15, 103, 12, 5))); // only the arrow shaft goes lower
    EXPECT_TRUE(AllWhite(page, QRect(a + 3, 103, 12, 5)));
    EXPECT_TRUE(IsBlack(page, a, 105));
    EXPECT_TRUE(IsBlack(page, a + 3, 74)); // the reaction arrow's filled head
    EXPECT_TRUE(AllWhite(page, QRect(a - 6, 15, 13, 40)));
    EXPECT_TRUE(ShowsText(page, page.canvas, a + 3, 110, "RHA"));
    EXPECT_EQ(page.canvas.Pen.Width, 1);
    EXPECT_EQ(page.canvas.Brush.Color, QColor(Qt::white));
}
