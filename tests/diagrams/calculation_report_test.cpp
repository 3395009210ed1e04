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
