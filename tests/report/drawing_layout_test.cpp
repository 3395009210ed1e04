// The dimensioned drawing's layout read as a checker reads a drawing: every text readable (none
// written over another), the dimensions a workshop needs, and the radii too small to point at
// numbered and listed instead.
#include "report_designs.h"

#include "report/drawing_layout.h"
#include "report/report_layout.h"

#include <QPdfWriter>
#include <QBuffer>
#include <gtest/gtest.h>

namespace {

class DrawingLayoutTest : public ::testing::Test {
protected:
    // Laid out in the report's label font on the PDF device, at `scale` (0.5 is 1:2).
    TDrawingLayout LayOut(const TDesign& design, double scale, const std::vector<TDrawingMark>& marks = {})
    {
        const TTypeface type(writer);
        return LayOutDrawing(DrawnSteps(design.Profile, 20), marks, scale * kPointsPerMm, type.Metrics(type.Font(6.5)));
    }

    static QStringList Texts(const TDrawingLayout& layout)
    {
        QStringList texts;
        for (const TPlacedText& text : layout.Texts) texts << text.Text;
        return texts;
    }

    // Pairs of texts whose boxes share more than an edge.
    static std::vector<std::pair<QString, QString>> Overlapping(const TDrawingLayout& layout)
    {
        std::vector<std::pair<QString, QString>> pairs;
        for (size_t i = 0; i < layout.Texts.size(); ++i)
            for (size_t j = i + 1; j < layout.Texts.size(); ++j) {
                const QRectF common = layout.Texts[i].Box.intersected(layout.Texts[j].Box);
                if (common.width() > 1e-9 && common.height() > 1e-9) pairs.emplace_back(layout.Texts[i].Text, layout.Texts[j].Text);
            }
        return pairs;
    }

    QBuffer buffer;
    QPdfWriter writer{&buffer};
};

// The journal 0..58 of 40, the fillet R 2 to the face at 60, the body of 60 to 198, the chamfer
// 2 x 45 deg: chained from the shaft's end to the face and on to the other end, 60 + 140 = 200.
TEST_F(DrawingLayoutTest, SteppedShaftIsDimensionedAsTheWorkshopReadsIt)
{
    const TDrawingLayout full = LayOut(SteppedDesign(), 1, {{"A", 10, true}, {"FH1, FV1", 60, false}});
    const QStringList texts = Texts(full);
    for (const QString& expected : {QString::fromUtf8("\u00D840"), QString::fromUtf8("\u00D860"), QString("R2"),
                                    QString::fromUtf8("2 x 45\u00B0"), QString("60"), QString("140"), QString("200"),
                                    QString("A x=10"), QString("FH1, FV1 x=60")})
        EXPECT_EQ(texts.count(expected), 1) << expected.toStdString() << " in " << texts.join(" | ").toStdString();
    EXPECT_TRUE(full.Listed.empty());
    EXPECT_EQ(full.Omitted, 0);
    EXPECT_TRUE(Overlapping(full).empty());
    for (const TPlacedText& text : full.Texts) EXPECT_TRUE(full.Bounds.contains(text.Box)) << text.Text.toStdString();

    // At 1:5 the fillet and the chamfer are a millimetre of paper or less: numbered and listed.
    const TDrawingLayout small = LayOut(SteppedDesign(), 0.2);
    ASSERT_EQ(small.Listed.size(), 2u);
    EXPECT_EQ(small.Listed[0], QStringList({"1", "fillet R 2", "x = 58 ... 60 mm"}));
    EXPECT_EQ(small.Listed[1], QStringList({"2", "cone 2 x 45 deg", "x = 198 ... 200 mm"}));
    EXPECT_FALSE(Texts(small).contains("R2"));
    EXPECT_TRUE(Texts(small).contains("1") && Texts(small).contains("2"));
}

// Twelve steps of 4 mm, each with a fillet R 0.4, crowd the paper at 1:2: texts still never meet,
// every small fillet is listed once, and what has no room is counted, not drawn over.
TEST_F(DrawingLayoutTest, CrowdedShaftKeepsEveryTextClear)
{
    TDesign bored = CrowdedDesign();
    bored.Profile << "bore 0/4/100/4/" << "bore 100/4/100/6/" << "bore 100/6/200/6/";
    for (const TDesign& design : {CrowdedDesign(), bored})
    for (double scale : {1.0, 0.5, 0.2}) {
        const TDrawingLayout layout = LayOut(design, scale, {{"A", 10, true}, {"B", 190, true}, {"F1", 6, false},
                                                                        {"F2", 8, false}, {"F3", 10, false}});
        EXPECT_TRUE(Overlapping(layout).empty()) << "scale " << scale << ": " << Overlapping(layout).front().first.toStdString()
                                                 << " over " << Overlapping(layout).front().second.toStdString();
        ASSERT_EQ(layout.Listed.size(), 12u) << "scale " << scale;
        for (size_t i = 0; i < layout.Listed.size(); ++i) {
            EXPECT_EQ(layout.Listed[i][0], QString::number(i + 1));
            EXPECT_EQ(layout.Listed[i][1], "fillet R 0.4");
        }
        EXPECT_TRUE(Texts(layout).contains("200")) << "the overall length always has room";
        EXPECT_TRUE(Texts(layout).contains(QString::fromUtf8("\u00D844"))) << "the body's diameter";
        EXPECT_EQ(Texts(layout).count(QString::fromUtf8("\u00D844")), 1) << "one cylinder, however its bore is cut";
    }
}

// A collar 1 mm long between faces at 50 and 51 of a shaft drawn at 1:1: its chain text "1" and
// its diameter have no room between their lines, so both stand outside on a leader that starts
// at the collar.
TEST_F(DrawingLayoutTest, TextsWithoutRoomBetweenTheirLinesStandOutsideOnALeader)
{
    TDesign collar = SteppedDesign();
    collar.Profile = {"line 0/0/0/20/0/",    "line 0/20/50/20/0/",  "line 50/20/50/25/0/", "line 50/25/51/25/0/",
                      "line 51/25/51/15/0/", "line 51/15/100/15/0/", "line 100/15/100/0/0/"};
    const TDrawingLayout layout = LayOut(collar, 1);
    const double left = 50 * kPointsPerMm, right = 51 * kPointsPerMm;
    const auto text = [&](const QString& wanted) {
        const auto hit = std::find_if(layout.Texts.begin(), layout.Texts.end(), [&](const TPlacedText& t) { return t.Text == wanted; });
        EXPECT_NE(hit, layout.Texts.end()) << wanted.toStdString();
        return hit == layout.Texts.end() ? TPlacedText() : *hit;
    };
    // A leader runs from inside the collar's stretch to the edge of the text's box.
    const auto ledFromCollar = [&](const QRectF& box) {
        return std::any_of(layout.Lines.begin(), layout.Lines.end(), [&](const QLineF& line) {
            const QRectF edge = box.adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
            const bool starts = line.x1() > left && line.x1() < right, ends = edge.contains(line.p2()) && !box.adjusted(1e-3, 1e-3, -1e-3, -1e-3).contains(line.p2());
            return starts && ends;
        });
    };
    const TPlacedText link = text("1");
    EXPECT_TRUE(link.Box.left() >= right || link.Box.right() <= left) << "outside the extension lines";
    EXPECT_TRUE(ledFromCollar(link.Box));
    const TPlacedText diameter = text(QString::fromUtf8("\u00D850"));
    EXPECT_FALSE(diameter.Upright);
    EXPECT_LT(diameter.Box.bottom(), -25 * kPointsPerMm) << "above the outline";
    EXPECT_TRUE(ledFromCollar(diameter.Box));
    // The long steps keep theirs between the lines: upright inside, the chain text over its line.
    EXPECT_TRUE(text(QString::fromUtf8("\u00D840")).Upright);
    const TPlacedText first = text("50");
    EXPECT_GT(first.Box.left(), 0);
    EXPECT_LT(first.Box.right(), left);
    EXPECT_TRUE(Overlapping(layout).empty());
}

// A taper between two journals is a step of its own, chained at both ends; a chamfer at the end
// is given by its own label, not in the chain: 50 + 20 + 80 = 150.
TEST_F(DrawingLayoutTest, ATaperIsChainedAndAChamferIsNot)
{
    TDesign taper = SteppedDesign();
    taper.Profile = {"line 0/0/0/20/0/",     "line 0/20/50/20/0/",    "line 50/20/70/25/0/",
                     "line 70/25/148/25/0/", "line 148/25/150/23/0/", "line 150/23/150/0/0/"};
    const QStringList texts = Texts(LayOut(taper, 1));
    for (const QString& expected : {QString("50"), QString("20"), QString("80"), QString("150"), QString::fromUtf8("2 x 45\u00B0"),
                                    QString::fromUtf8("\u00D840"), QString::fromUtf8("\u00D850")})
        EXPECT_EQ(texts.count(expected), 1) << expected.toStdString() << " in " << texts.join(" | ").toStdString();
    EXPECT_FALSE(texts.contains("78")) << "the chamfer's 2 mm is not cut off the chain";
}

// A journal of 40, a taper to the 50 body and a chamfer, bored Ø16 to x = 100 and Ø20 on to the
// end at 1:1: the bore's edges dashed on both sides with its face at 100, each bore diameter
// written once inside it beside the body's, and the taper given by its two end diameters.
TEST_F(DrawingLayoutTest, ABoredShaftShowsItsBoreAndEachBoreDiameter)
{
    TDesign bored = SteppedDesign();
    bored.Profile = {"line 0/0/0/20/0/",     "line 0/20/50/20/0/",    "line 50/20/70/25/0/",  "line 70/25/148/25/0/",
                     "line 148/25/150/23/0/", "line 150/23/150/0/0/", "bore 0/8/100/8/",      "bore 100/8/100/10/",
                     "bore 100/10/150/10/"};
    const TDrawingLayout layout = LayOut(bored, 1);
    const QStringList texts = Texts(layout);
    for (const QString& expected : {QString::fromUtf8("\u00D840"), QString::fromUtf8("\u00D840 / 50"), QString::fromUtf8("\u00D850"),
                                    QString::fromUtf8("\u00D816"), QString::fromUtf8("\u00D820"), QString("30"), QString("150")})
        EXPECT_EQ(texts.count(expected), 1) << expected.toStdString() << " in " << texts.join(" | ").toStdString();
    EXPECT_EQ(layout.Omitted, 0);
    EXPECT_TRUE(Overlapping(layout).empty());
    for (const TPlacedText& text : layout.Texts)
        if (text.Text == QString::fromUtf8("\u00D816") || text.Text == QString::fromUtf8("\u00D820"))
            EXPECT_TRUE(text.Upright && std::fabs(text.Box.center().y()) < 8 * kPointsPerMm) << "inside the bore";

    // Paper points: the edges at r = 8 and 10 above and below the axis, the face at 100 between them.
    const double mm = kPointsPerMm;
    const auto drawn = [&](QPointF a, QPointF b) {
        return std::any_of(layout.Hidden.begin(), layout.Hidden.end(), [&](const QLineF& line) {
            const auto near = [](QPointF p, QPointF q) { return std::hypot(p.x() - q.x(), p.y() - q.y()) < 1e-6; };
            return (near(line.p1(), a) && near(line.p2(), b)) || (near(line.p1(), b) && near(line.p2(), a));
        });
    };
    for (double side : {-1.0, 1.0}) {
        EXPECT_TRUE(drawn({0, side * 8 * mm}, {100 * mm, side * 8 * mm}));
        EXPECT_TRUE(drawn({100 * mm, side * 10 * mm}, {150 * mm, side * 10 * mm}));
        EXPECT_TRUE(drawn({100 * mm, side * 8 * mm}, {100 * mm, side * 10 * mm}));
    }
    EXPECT_EQ(layout.Hidden.size(), 6u) << "no face drawn over the shaft's end faces";
    // The chain's line at 100 rises from the bore's step, for the outline runs on there.
    EXPECT_TRUE(std::any_of(layout.Lines.begin(), layout.Lines.end(), [&](const QLineF& line) {
        return std::fabs(line.x1() - 100 * mm) < 1e-6 && line.x1() == line.x2() && std::fabs(line.y1() - (10 * mm + 1.2)) < 1e-6;
    }));
}

} // namespace
