#include "diagrams/calculation_report.h"

#include "analysis/plane_diagram.h"
#include "canvas/canvas.h"
#include "common/number_text.h"
#include "diagrams/result_diagrams.h"

#include <QStringList>

namespace {

constexpr int kHeadingSize = 10;
constexpr int kBodySize = 8;
constexpr int kWrapWidth = 520; // a line is written once 6 * its length reaches this
constexpr int kContinuationRows = 20;

// Where a line too long for the page breaks: before a sign that is not an exponent's (1E-6) or
// after the blanks between listed loads; failing those between words; failing that at `limit`.
qsizetype BreakPosition(const QString& text, qsizetype limit)
{
    for (qsizetype p = limit; p > 0; --p) {
        const bool sign = (text[p] == '+' || text[p] == '-') && text[p - 1] != 'E';
        if (sign || (p >= 4 && text.mid(p - 4, 4) == "    ")) return p;
    }
    for (qsizetype p = limit; p > 0; --p)
        if (text[p - 1] == ' ' || text[p] == ' ') return p;
    return limit;
}

QStringList SplitToFit(QString text, const std::function<bool(const QString&)>& fits)
{
    QStringList pieces;
    while (!fits(text)) {
        qsizetype limit = 1; // the longest start that fits, at least one character
        while (limit < text.size() && fits(text.left(limit + 1))) ++limit;
        const qsizetype cut = BreakPosition(text, limit);
        pieces << text.left(cut);
        qsizetype next = cut;
        while (next < text.size() && text[next] == ' ') ++next; // a further row starts with its text
        text = text.mid(next);
    }
    if (pieces.isEmpty() || !text.isEmpty()) pieces << text;
    return pieces;
}

// Lays text lines out at PageLine and moves PageLine on.
class TReportLayout {
public:
    TReportLayout(TAnalysisState& state, const TLineFits& fits) : state_(state), fits_(fits) {}

    std::vector<TPageText> texts;

    void Heading(const QString& text)
    {
        texts.push_back({30, state_.PageLine, kHeadingSize, text});
        Advance(30);
    }
    void Text(int x, const QString& text) { texts.push_back({x, state_.PageLine, kBodySize, text}); }
    void Line(int x, const QString& text, int advance)
    {
        const QStringList pieces = SplitToFit(text, [&](const QString& piece) { return fits_(x, piece); });
        for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
            Text(x, pieces[i]);
            Advance(kContinuationRows);
        }
        Text(x, pieces.last());
        Advance(advance);
    }

    // Items are collected into a running line, which is written at x 40 when an item step
    // starts with a long line, and at the end of the list.
    void StartItemStep()
    {
        if (6 * running_.size() >= kWrapWidth) FlushItems();
    }
    void AddItem(const QString& item)
    {
        if (!running_.isEmpty() && !fits_(40, running_ + item)) FlushItems();
        running_ += item;
    }
    void FlushItems()
    {
        Line(40, running_, 20);
        running_.clear();
    }

private:
    void Advance(int rows) { state_.PageLine = static_cast<int16_t>(state_.PageLine + rows); }

    TAnalysisState& state_;
    const TLineFits& fits_;
    QString running_;
};

QString Fixed(const TAnalysisState& state, long double value) { return FormatFloat(state.NumFormat, value); }

void LayOutShearItems(TReportLayout& layout, const TAnalysisState& state)
{
    for (size_t j = 0; j < state.ShearPoints.size(); ++j) {
        layout.StartItemStep();
        layout.AddItem(IntToStr(j + 1) + ": F= " + Fixed(state, state.ShearPoints[j].Shear) + " N   ");
    }
    layout.FlushItems();
}

// One item per moment point that opened a position of the plane's diagram, numbered as there.
void LayOutMomentItems(TReportLayout& layout, const TAnalysisState& state)
{
    const std::vector<int> numbers = BuildPlaneDiagram(state.MomentPoints, state.ShaftLength).Numbers;
    for (size_t k = 0; k < state.MomentPoints.size(); ++k) {
        layout.StartItemStep();
        if (numbers[k] == 0) continue;
        const TMomentPoint& point = state.MomentPoints[k];
        layout.AddItem(IntToStr(numbers[k]) + ": M= " + Fixed(state, point.Left) + "/" +
                       Fixed(state, point.Right) + " N*mm   ");
    }
    layout.FlushItems();
}

void LayOutMaxima(TReportLayout& layout, const TAnalysisState& state, bool horizontal)
{
    layout.Line(50, "Critical cross section = section " + IntToStr(state.CriticalSection), 30);
    layout.Text(50, "Fmax= " + Fixed(state, state.Fmax) + " N    " + "Mmax= " + Fixed(state, state.Mmax) + " N*mm");
    layout.Line(350, ReactionsLine(state, horizontal), 30);
}

void LayOutInitialData(TReportLayout& layout, const TAnalysisState& state)
{
    layout.Heading("Initial data");
    layout.Line(40, state.ForceListText, 20);
    layout.Line(40, state.MomentListText, 30);
}

void LayOutEquations(TReportLayout& layout, const TAnalysisState& state, bool horizontal)
{
    const QString a = horizontal ? "RHA" : "RVA";
    const QString b = horizontal ? "RHB" : "RVB";
    layout.Heading("Solving the equation system -> reactions");
    layout.Line(40, state.ForceEqText, 20);
    layout.Line(40, state.ForceEqValues, 20);
    layout.Line(40, state.ReactionSumText + " = " + FloatToStr(state.ForceRhs), 20);
    layout.Line(40, state.MomentEqText, 20);
    layout.Line(40, state.MomentEqValues, 20);
    layout.Line(40, "0*" + a + " + " + FloatToStr(state.PosB - state.PosA) + "*" + b + " + = " +
                        FloatToStr(state.MomentRhs), 20);
}

void DrawDiagrams(Canvas& page, TAnalysisState& state)
{
    page.Pen.Color = QColor(128, 128, 128);
    DrawTermGuides(page, state.MomentTerms, state.ShaftLength);
    page.Pen.Color = Qt::black;
    page.Brush.Color = Qt::black;
    page.Brush.Style = TBrushStyle::VerticalHatch;
    DrawShearDiagram(page, state.ShearPoints, state.ForceTerms, state.ShaftLength);
    DrawMomentDiagram(page, state, state.MomentPoints, state.MomentTerms);
    DrawMmaxMarker(page, state.CriticalX, ColorFromValue(255), ColorFromValue(128), state.Mmax, state.NumFormat);
    page.Brush.Style = TBrushStyle::Solid;
    page.Brush.Color = Qt::white;
}

} // namespace

QString ReactionsLine(const TAnalysisState& state, bool horizontal)
{
    const double a = horizontal ? state.RHA : state.RVA;
    const double b = horizontal ? state.RHB : state.RVB;
    const QString prefix = horizontal ? "RH" : "RV";
    return prefix + "A = " + Fixed(state, a) + " N   " + prefix + "B = " + Fixed(state, b) + " N";
}

std::vector<TPageText> ReportTexts(TAnalysisState& state, bool horizontal, const TLineFits& fits)
{
    TReportLayout layout(state, fits);
    layout.Heading("Results");
    LayOutShearItems(layout, state);
    LayOutMomentItems(layout, state);
    LayOutMaxima(layout, state, horizontal);
    LayOutInitialData(layout, state);
    LayOutEquations(layout, state, horizontal);
    layout.Line(50, ReactionsLine(state, horizontal), 20);
    return layout.texts;
}

void WriteCalculationReport(Canvas& page, TAnalysisState& state, bool horizontal)
{
    DrawDiagrams(page, state);
    page.Font.Size = kBodySize;
    const TLineFits fits = [&page](int x, const QString& line) { return x + page.TextWidth(line) <= page.Width(); };
    for (const TPageText& line : ReportTexts(state, horizontal, fits)) {
        page.Font.Size = line.FontSize;
        page.TextOut(line.X, line.Y, line.Text);
    }
    page.Font.Size = kBodySize;
}
