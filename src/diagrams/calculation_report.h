// What "Calculate" puts on the page once a plane is solved: the guide lines, the shear and
// moment diagrams with the Mmax marker, and the results text from row PageLine on.
#pragma once

#include "analysis/analysis_state.h"

#include <QString>
#include <functional>
#include <vector>

class Canvas;

// One line of the results text: its top-left corner on the page and its font size in points.
struct TPageText {
    int X = 0;
    int Y = 0;
    int FontSize = 8;
    QString Text;
    bool operator==(const TPageText&) const = default;
};

// Whether a line written at column x stays on the page.
using TLineFits = std::function<bool(int x, const QString& line)>;

// The page is 595 x 860. A report that needs more rows grows it downwards by whole pages, so
// nothing is written below its edge; the rows above keep their places.
constexpr int kPageWidth = 595;
constexpr int kPageHeight = 860;

// The height of the page that holds `rows` rows: one page, or as many as it takes.
int PageHeightFor(int rows);

// Whether a line written at column x ends within the width of `page`, in its current font.
TLineFits PageLineFits(const Canvas& page);

// The "Results", "Initial data" and "Solving the equation system -> reactions" blocks, laid out
// from state.PageLine on; advances state.PageLine past them, as far as a smallint goes (the texts'
// own rows go on below it). A line of items is written once it reaches 87 characters, or earlier
// when the next item would carry it off the page; any other line too long for the page goes on
// over further rows, so no text is lost off its edge.
std::vector<TPageText> ReportTexts(TAnalysisState& state, bool horizontal, const TLineFits& fits);

// "Statically indeterminate, 3 supports: stiffness method, drawn section"
QString IndeterminateMethodText(const TAnalysisState& state, bool horizontal);

// "RHA = 500.00 N   RHB = 500.00 N", one for every bearing (RVA, RVB, ... for the vertical plane).
QString ReactionsLine(const TAnalysisState& state, bool horizontal);

// The guide lines, the shear and moment diagrams and the Mmax marker, above the report's first
// row. Leaves the brush solid white.
void DrawResultDiagrams(Canvas& page, TAnalysisState& state);

// Draws the diagrams, then writes the report texts, growing the page first when they need more
// rows than it has. Leaves the brush solid white.
void WriteCalculationReport(Canvas& page, TAnalysisState& state, bool horizontal);
