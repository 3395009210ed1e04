#include "diagrams/calculation_report.h"

#include "analysis/plane_diagram.h"
#include "canvas/canvas.h"
#include "common/number_text.h"
#include "diagrams/result_diagrams.h"

#include <QStringList>
#include <algorithm>
#include <limits>

namespace {

constexpr int kHeadingSize = 10;
constexpr int kBodySize = 8;
constexpr int kWrapWidth = 520; // a line is written once 6 * its length reaches this
constexpr int kContinuationRows = 20;
constexpr int kReactionsColumn = 350;

using TFits = std::function<bool(const QString&)>;

// Where a line too long for the page breaks, between `from` and `limit`: before a sign that is
// not an exponent's (1E-6) or after the blanks between listed loads; failing those between words;
// failing that at `limit`.
qsizetype BreakPosition(const QString& text, qsizetype from, qsizetype limit)
{
    const QStringView view(text);
    for (qsizetype p = limit; p > from; --p) {
        const bool sign = (text[p] == '+' || text[p] == '-') && text[p - 1] != 'E';
        if (sign || (p - 4 >= from && view.sliced(p - 4, 4) == u"    ")) return p;
    }
    for (qsizetype p = limit; p > from; --p)
        if (text[p - 1] == ' ' || text[p] == ' ') return p;
    return limit;
}

// The length of the longest run of `text` from `from` on that fits, at least one character while
// any are left. The search gallops from `guess` in steps that double, then halves the last step
// back. Only runs up to about twice the fitting one are measured, so a line costs time in
// proportion to its length; and a guess taken from the row before, whose text is much like this
// one, settles in two or three measurements.
qsizetype FittingLength(const QString& text, qsizetype from, qsizetype guess, const TFits& fits)
{
    const qsizetype rest = text.size() - from;
    if (rest == 0) return 0;
    const auto runFits = [&](qsizetype length) { return fits(text.mid(from, length)); };
    qsizetype good = 0;       // the longest length known to fit, 0 while none is
    qsizetype bad = rest + 1; // the shortest length known not to fit, or past the end
    const qsizetype start = std::clamp<qsizetype>(guess, 1, rest);
    if (runFits(start)) {
        good = start;
        for (qsizetype step = 1; good < rest; step *= 2) {
            const qsizetype length = std::min(good + step, rest);
            if (!runFits(length)) {
                bad = length;
                break;
            }
            good = length;
        }
    } else {
        bad = start;
        for (qsizetype step = 1; bad > 1; step *= 2) {
            const qsizetype length = std::max<qsizetype>(bad - step, 1);
            if (runFits(length)) {
                good = length;
                break;
            }
            bad = length;
        }
    }
    while (bad - good > 1) {
        const qsizetype middle = (good + bad) / 2;
        (runFits(middle) ? good : bad) = middle;
    }
    return std::max<qsizetype>(good, 1);
}

QStringList SplitToFit(const QString& text, const TFits& fits)
{
    QStringList pieces;
    qsizetype from = 0;
    qsizetype length = 1;
    for (;;) {
        length = FittingLength(text, from, length, fits);
        if (from + length >= text.size()) break;
        const qsizetype cut = BreakPosition(text, from, from + length);
        pieces << text.mid(from, cut - from);
        for (from = cut; from < text.size() && text[from] == ' ';) ++from; // a further row starts with its text
    }
    if (pieces.isEmpty() || from < text.size()) pieces << text.mid(from);
    return pieces;
}

// Lays text lines out from a first row on.
class TReportLayout {
public:
    TReportLayout(int firstRow, const TLineFits& fits) : row_(firstRow), fits_(fits) {}

    std::vector<TPageText> texts;
    int NextRow() const { return row_; }

    void Heading(const QString& text)
    {
        texts.push_back({30, row_, kHeadingSize, text});
        Advance(30);
    }
    void Text(int x, const QString& text) { texts.push_back({x, row_, kBodySize, text}); }
    bool Fits(int x, const QString& text) const { return fits_(x, text); }
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
    void Advance(int rows) { row_ += rows; }

    int row_; // counted wider than PageLine: a report of hundreds of loads runs past its range
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

// The maxima and the reactions share a row. Maxima too long to end before the reactions' column
// (at 6 pixels a character, as the item rule counts) take rows of their own above them instead;
// so do the reactions of three or more bearings that would not end on the page.
void LayOutMaxima(TReportLayout& layout, const TAnalysisState& state, bool horizontal)
{
    layout.Line(50, "Critical cross section = section " + IntToStr(state.CriticalSection), 30);
    const QString maxima = "Fmax= " + Fixed(state, state.Fmax) + " N    " + "Mmax= " + Fixed(state, state.Mmax) + " N*mm";
    const QString reactions = ReactionsLine(state, horizontal);
    if (state.Reactions.size() > 2 && !layout.Fits(kReactionsColumn, reactions)) {
        layout.Line(50, maxima, 20);
        layout.Line(50, reactions, 30);
        return;
    }
    if (50 + 6 * maxima.size() <= kReactionsColumn) layout.Text(50, maxima);
    else layout.Line(50, maxima, 20);
    layout.Line(kReactionsColumn, reactions, 30);
}

void LayOutInitialData(TReportLayout& layout, const TAnalysisState& state)
{
    layout.Heading("Initial data");
    layout.Line(40, state.ForceListText, 20);
    layout.Line(40, state.MomentListText, 30);
}

// Three or more bearings: the method takes the place of the two equations.
void LayOutIndeterminateMethod(TReportLayout& layout, const TAnalysisState& state, bool horizontal)
{
    layout.Heading("Solving the equation system -> reactions");
    layout.Line(40, IndeterminateMethodText(state, horizontal), 20);
}

void LayOutEquations(TReportLayout& layout, const TAnalysisState& state, bool horizontal)
{
    if (state.Reactions.size() > 2) return LayOutIndeterminateMethod(layout, state, horizontal);
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

// The rows down to the bottom of the lowest text.
int RowsUsed(Canvas& page, const std::vector<TPageText>& texts)
{
    int bottom = 0;
    for (const TPageText& line : texts) {
        page.Font.Size = line.FontSize;
        bottom = std::max(bottom, line.Y + page.TextHeight(line.Text));
    }
    return bottom;
}

} // namespace

QString IndeterminateMethodText(const TAnalysisState& state, bool horizontal)
{
    const TReactionSection& made = horizontal ? state.HorzSection : state.VertSection;
    return "Statically indeterminate, " + IntToStr(int(state.Reactions.size())) + " supports: stiffness method, " + made.Name;
}

QString ReactionsLine(const TAnalysisState& state, bool horizontal)
{
    const auto& reactions = horizontal ? state.HorzReactions : state.VertReactions;
    const size_t bearings = std::clamp<size_t>(state.Reactions.size(), 2, reactions.size());
    QStringList parts;
    for (size_t i = 0; i < bearings; ++i)
        parts << QString(horizontal ? "RH" : "RV") + QChar('A' + int(i)) + " = " + Fixed(state, reactions[i]) + " N";
    return parts.join("   ");
}

std::vector<TPageText> ReportTexts(TAnalysisState& state, bool horizontal, const TLineFits& fits)
{
    TReportLayout layout(state.PageLine, fits);
    layout.Heading("Results");
    LayOutShearItems(layout, state);
    LayOutMomentItems(layout, state);
    LayOutMaxima(layout, state, horizontal);
    LayOutInitialData(layout, state);
    LayOutEquations(layout, state, horizontal);
    layout.Line(50, ReactionsLine(state, horizontal), 20);
    state.PageLine = static_cast<int16_t>(std::min<int>(layout.NextRow(), std::numeric_limits<int16_t>::max()));
    return layout.texts;
}

int PageHeightFor(int rows)
{
    const int pages = std::max(1, (rows + kPageHeight - 1) / kPageHeight);
    return pages * kPageHeight;
}

TLineFits PageLineFits(const Canvas& page)
{
    return [&page](int x, const QString& line) { return x + page.TextWidth(line) <= page.Width(); };
}

void DrawResultDiagrams(Canvas& page, TAnalysisState& state)
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

void WriteCalculationReport(Canvas& page, TAnalysisState& state, bool horizontal)
{
    DrawResultDiagrams(page, state);
    page.Font.Size = kBodySize;
    const std::vector<TPageText> texts = ReportTexts(state, horizontal, PageLineFits(page));
    page.GrowTo(PageHeightFor(RowsUsed(page, texts)), Qt::white);
    for (const TPageText& line : texts) {
        page.Font.Size = line.FontSize;
        page.TextOut(line.X, line.Y, line.Text);
    }
    page.Font.Size = kBodySize;
}
