#include "analysis/solver.h"
#include "canvas/canvas.h"
#include "diagrams/calculation_report.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

Tvector Bearing(const QString& name, long double position)
{
    return {name, 1, 'f', position, 0, 1, 0};
}

// The shaft of 100 mm on bearings at 0 and 100 with FH1 = 1000 N at 50 against the reactions.
TAnalysisState SolvedExample(bool horizontal)
{
    TAnalysisState state;
    state.ShaftLength = 100;
    const QString plane = horizontal ? "RH" : "RV";
    state.Reactions = {Bearing(plane + "A", 0), Bearing(plane + "B", 100)};
    state.ReactionSumText = plane + "A+" + plane + "B";
    state.Forces = {{horizontal ? "FH1" : "FV1", 0, 'f', 50, 1000, 0, 0}};
    TData data;
    data.SetOriz(horizontal);
    SolvePlane(state, data);
    return state;
}

bool AnyLineFits(int, const QString&) { return true; }

TEST(CalculationReport, WritesTheExampleTextsAtTheirRows)
{
    TAnalysisState state = SolvedExample(true);
    const std::vector<TPageText> expected = {
        {30, 420, 10, "Results"},
        {40, 450, 8, "1: F= 500.00 N   2: F= -500.00 N   "},
        {40, 470, 8, "1: M= 0.00/0.00 N*mm   2: M= 25000.00/25000.00 N*mm   3: M= 0.00/0.00 N*mm   "},
        {50, 490, 8, "Critical cross section = section 2"},
        {50, 520, 8, "Fmax= 500.00 N    Mmax= 25000.00 N*mm"},
        {350, 520, 8, "RHA = 500.00 N   RHB = 500.00 N"},
        {30, 550, 10, "Initial data"},
        {40, 580, 8, "FH1 = 1000    "},
        {40, 600, 8, ""},
        {30, 630, 10, "Solving the equation system -> reactions"},
        {40, 660, 8, "RHA-FH1+RHB = 0"},
        {40, 680, 8, "RHA-1000+RHB = 0"},
        {40, 700, 8, "RHA+RHB = 1000"},
        {40, 720, 8, "-RHA*0+FH1*50-RHB*100 = 0"},
        {40, 740, 8, "-RHA*0+50000-RHB*100 = 0"},
        {40, 760, 8, "0*RHA + 100*RHB + = 50000"},
        {50, 780, 8, "RHA = 500.00 N   RHB = 500.00 N"},
    };
    const std::vector<TPageText> texts = ReportTexts(state, true, AnyLineFits);
    ASSERT_EQ(texts.size(), expected.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i], expected[i]) << i << ": " << qPrintable(texts[i].Text) << " at " << texts[i].Y;
    }
    EXPECT_EQ(state.PageLine, 800);
}

TEST(CalculationReport, VerticalPlaneNamesItsReactions)
{
    TAnalysisState state = SolvedExample(false);
    const std::vector<TPageText> texts = ReportTexts(state, false, AnyLineFits);
    EXPECT_EQ(texts[5].Text, "RVA = 500.00 N   RVB = 500.00 N");
    EXPECT_EQ(texts[15].Text, "0*RVA + 100*RVB + = 50000");
}

TEST(CalculationReport, WrapsItemLinesOnceTheyReach87Characters)
{
    TAnalysisState state;
    state.ShaftLength = 100;
    for (int j = 0; j < 9; ++j) state.ShearPoints.push_back({500, 10.0L * j});
    const std::vector<TPageText> texts = ReportTexts(state, true, AnyLineFits);
    // "k: F= 500.00 N   " has 17 characters: five items make 85, so the sixth is still added
    // and the seventh starts a new line.
    EXPECT_EQ(texts[1].Y, 450);
    EXPECT_EQ(texts[1].Text.size(), 6 * 17);
    EXPECT_TRUE(texts[1].Text.endsWith("6: F= 500.00 N   "));
    EXPECT_EQ(texts[2].Y, 470);
    EXPECT_TRUE(texts[2].Text.startsWith("7: F= 500.00 N   "));
    EXPECT_EQ(texts[3].Y, 490); // the (empty) moment line follows
}

TEST(CalculationReport, AnItemThatWouldRunOffThePageStartsANewLine)
{
    TAnalysisState state;
    state.ShaftLength = 100;
    for (int j = 0; j < 4; ++j) state.ShearPoints.push_back({500, 10.0L * j});
    const auto fitsTwoItems = [](int, const QString& line) { return line.size() <= 2 * 17; };
    const std::vector<TPageText> texts = ReportTexts(state, true, fitsTwoItems);
    EXPECT_EQ(texts[1].Text, "1: F= 500.00 N   2: F= 500.00 N   ");
    EXPECT_EQ(texts[2].Text, "3: F= 500.00 N   4: F= 500.00 N   ");
    EXPECT_EQ(texts[3].Y, 490);
}

TEST(CalculationReport, LongLinesGoOnOverFurtherRowsBreakingBeforeASign)
{
    TAnalysisState state;
    state.ShaftLength = 100;
    state.ForceEqText = "RHA-FH1+RHE-FH2+RHB = 0";
    state.ForceListText = "FH1 = 1E-6    FH2 = 2000    ";
    const auto fitsTwelve = [](int, const QString& line) { return line.size() <= 12; };
    const std::vector<TPageText> texts = ReportTexts(state, true, fitsTwelve);
    auto rowsOf = [&](int firstY) {
        QStringList rows;
        for (const TPageText& text : texts)
            if (text.Y >= firstY && text.Y < firstY + 40) rows << text.Text;
        return rows;
    };
    const int initialDataY = std::find_if(texts.begin(), texts.end(), [](const TPageText& t) {
                                 return t.Text == "Initial data";
                             })->Y + 30;
    EXPECT_EQ(rowsOf(initialDataY), QStringList({"FH1 = 1E-6  ", "FH2 = 2000  "}));
    const auto equation = std::find_if(texts.begin(), texts.end(), [](const TPageText& t) { return t.Text == "RHA-FH1"; });
    ASSERT_NE(equation, texts.end());
    EXPECT_EQ((equation + 1)->Text, "+RHE-FH2");
    EXPECT_EQ((equation + 1)->Y, equation->Y + 20);
    EXPECT_EQ((equation + 2)->Text, "+RHB = 0");
}

TEST(CalculationReport, NumbersMomentItemsAsInThePlaneDiagram)
{
    // Bearing A at 20: the diagram opens with the origin, so the first item is number 2; the
    // force and the moment at 50 give one item.
    TAnalysisState state;
    state.ShaftLength = 100;
    state.Reactions = {Bearing("RHA", 20), Bearing("RHB", 100)};
    state.Forces = {{"FH1", 0, 'f', 50, 1000, 0, 0}};
    state.Moments = {{"MH1", 0, 'm', 50, 3000, 1, 0}};
    TData data;
    data.SetOriz(true);
    SolvePlane(state, data);
    const QString items = ReportTexts(state, true, AnyLineFits)[2].Text;
    EXPECT_TRUE(items.startsWith("2: M= 0.00/0.00 N*mm   3: M= ")) << qPrintable(items);
    EXPECT_EQ(items.count(": M= "), 3) << qPrintable(items);
}

TEST(CalculationReport, DrawsDiagramsAndTextOnThePage)
{
    TAnalysisState state = SolvedExample(true);
    QImage image(595, 860, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas page(image);
    WriteCalculationReport(page, state, true);
    EXPECT_EQ(image.size(), QSize(595, 860)) << "a report that fits keeps the page as it is";
    EXPECT_EQ(page.Pixel(50, 235), QColor(Qt::black));             // shear axis
    EXPECT_EQ(page.Pixel(300, 380), QColor(Qt::black));            // moment maximum, 45 rows below 335
    EXPECT_EQ(page.Pixel(296, 65), ColorFromValue(255));            // Mmax circle on the shaft axis
    EXPECT_EQ(page.Brush.Style, TBrushStyle::Solid);
    EXPECT_EQ(page.Brush.Color, QColor(Qt::white));
    bool inkBelowRow420 = false;
    for (int y = 420; y < 440 && !inkBelowRow420; ++y)
        for (int x = 30; x < 90; ++x) inkBelowRow420 |= page.Pixel(x, y) == QColor(Qt::black);
    EXPECT_TRUE(inkBelowRow420);
}

} // namespace

namespace {

// Long moment values made an item line, and many forces the load list and the equations, run
// past the right edge of the saved page.
TEST(CalculationReport, NoTextRunsOffThePage)
{
    TAnalysisState state;
    state.ShaftLength = 300;
    state.Reactions = {Bearing("RHA", 20), Bearing("RHB", 280)};
    state.Forces = {{"FH1", 0, 'f', 100, 1500, 0, 0}, {"FH2", 0, 'f', 0, 400, 0, 0}};
    for (int n = 3; n <= 12; ++n)
        state.Forces.push_back({"FH" + QString::number(n), 0, 'f', 20.0L * n, 1234.5L * n, 0, 0});
    state.Moments = {{"MH1", 0, 'm', 200, 60000, 1, 0}};
    TData data;
    data.SetOriz(true);
    SolvePlane(state, data);
    QImage image(595, 860, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas page(image);
    WriteCalculationReport(page, state, true);
    for (int y = 420; y < 860; ++y)
        for (int x = 585; x < 595; ++x) ASSERT_EQ(page.Pixel(x, y), QColor(Qt::white)) << x << ", " << y;
}

} // namespace

namespace {

TAnalysisState SolvedPlane(long double length, Tincarcare forces, Tincarcare moments = {})
{
    TAnalysisState state;
    state.ShaftLength = length;
    state.Reactions = {Bearing("RHA", 0), Bearing("RHB", length)};
    state.ReactionSumText = "RHA+RHB";
    state.Forces = std::move(forces);
    state.Moments = std::move(moments);
    TData data;
    data.SetOriz(true);
    SolvePlane(state, data);
    return state;
}

std::vector<TPageText>::const_iterator FirstStartingWith(const std::vector<TPageText>& texts, const QString& start)
{
    return std::find_if(texts.begin(), texts.end(), [&](const TPageText& t) { return t.Text.startsWith(start); });
}

// RHA = 1650 N, M = 660000 N*mm at 400 and 705000 N*mm at 700: the first three moment items make
// 89 characters, so the 87-character rule alone ends the row after item 3, and the page's font
// must let those 89 characters fit from column 40.
TEST(CalculationReport, OrdinaryShaftWrapsItemsByThe87CharacterRuleAlone)
{
    TAnalysisState state = SolvedPlane(1000, {{"FH1", 0, 'f', 400, 1500, 0, 0}, {"FH2", 0, 'f', 700, 2500, 0, 0}});
    QImage image(595, 860, QImage::Format_RGB32);
    const std::vector<TPageText> texts = ReportTexts(state, true, PageLineFits(Canvas(image)));
    const auto moments = FirstStartingWith(texts, "1: M=");
    ASSERT_NE(moments, texts.end());
    EXPECT_EQ(moments->Text, "1: M= 0.00/0.00 N*mm   2: M= 660000.00/660000.00 N*mm   3: M= 705000.00/705000.00 N*mm   ");
    EXPECT_EQ((moments + 1)->Text, "4: M= 0.00/0.00 N*mm   ");
    EXPECT_EQ((moments + 1)->Y, moments->Y + 20);
}

TEST(CalculationReport, PageGrowsByWholePages)
{
    struct TCase { int rows; int height; };
    for (const TCase& c : {TCase{0, 860}, TCase{860, 860}, TCase{861, 1720}, TCase{1720, 1720}, TCase{1721, 2580}})
        EXPECT_EQ(PageHeightFor(c.rows), c.height) << c.rows;
}

// Eight forces and two moments write their equations past row 860: the page grows to two pages,
// the diagrams stay where they were and the last line is on the page.
TEST(CalculationReport, LongReportGrowsThePageAndKeepsItsLastLine)
{
    Tincarcare forces;
    for (int n = 1; n <= 8; ++n) forces.push_back({"FH" + QString::number(n), 0, 'f', 100.0L * n, 1111.0L * n, 0, 0});
    TAnalysisState state = SolvedPlane(900, forces, {{"MH1", 0, 'm', 150, 250000, 1, 0}, {"MH2", 0, 'm', 650, 120000, 0, 0}});
    QImage image(595, 860, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas page(image);
    TAnalysisState laidOut = state;
    const TPageText last = ReportTexts(laidOut, true, PageLineFits(page)).back();
    ASSERT_GT(last.Y + page.TextHeight(last.Text), 860);
    WriteCalculationReport(page, state, true);
    ASSERT_EQ(image.size(), QSize(595, 1720));
    EXPECT_EQ(page.Pixel(50, 235), QColor(Qt::black)); // shear axis, where it was
    bool inkOnLastLine = false;
    for (int y = last.Y; y < last.Y + page.TextHeight(last.Text); ++y)
        for (int x = 50; x < 60; ++x) inkOnLastLine |= page.Pixel(x, y) == QColor(Qt::black);
    EXPECT_TRUE(inkOnLastLine);
    EXPECT_EQ(page.Pixel(300, 1719), QColor(Qt::white));
}

// 255 forces of 1e300 N: each equation runs over hundreds of rows. Every row fits, nothing is
// dropped, each row is measured a few times whatever the length of its line, and the rows go on
// downwards past the range of PageLine.
TEST(CalculationReport, VeryLongLinesSplitInTimeProportionalToTheirLength)
{
    Tincarcare forces;
    for (int n = 1; n <= 255; ++n) forces.push_back({"FH" + QString::number(n), 0, 'f', n * 3.9L, 1e300L, uint8_t(n % 2), 0});
    TAnalysisState state = SolvedPlane(1000, forces);
    int measurements = 0;
    const auto fitsNinety = [&](int, const QString& line) {
        ++measurements;
        return line.size() <= 90;
    };
    const std::vector<TPageText> texts = ReportTexts(state, true, fitsNinety);

    const auto equation = FirstStartingWith(texts, "Solving the equation system") + 1;
    const auto values = std::find_if(equation + 1, texts.end(), [](const TPageText& t) { return t.Text.startsWith("RHA"); });
    QString joined;
    for (auto row = equation; row != values; ++row) joined += row->Text;
    EXPECT_GT(values - equation, 10);
    EXPECT_EQ(joined.remove(' '), QString(state.ForceEqText).remove(' '));
    for (const TPageText& text : texts) ASSERT_LE(text.Text.size(), 90) << qPrintable(text.Text);
    EXPECT_LT(measurements, 6 * int(texts.size()));
    for (size_t i = 1; i < texts.size(); ++i) ASSERT_GT(texts[i].Y, texts[i - 1].Y) << i;
    EXPECT_GT(texts.back().Y, 32767);
    EXPECT_EQ(state.PageLine, 32767);
}

} // namespace
