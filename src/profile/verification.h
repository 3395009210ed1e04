// The strength check of the drawn shaft: at every analysed position the bending moment, the
// diameter the combined-stress rule requires, the diameter drawn and whether it is enough; and
// the weakest section over every whole millimetre between the first and the last position.
#pragma once

#include "analysis/analysis_state.h"
#include "profile/contour_segment.h"
#include "profile/strength_profile.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// The contour as the editor draws it: every line and bore statement as written, and every arc as
// `arcSteps` chords from its start to its end on the circle of its bounding square. Unlike the
// walk the solid is swept from, steps not yet joined by shoulders stay steps. A field that does
// not read fails with its message.
TContour DrawnContour(const QStringList& memo, uint8_t arcSteps);

// The bore's lines alone, as DrawnContour gives them.
TContour BoreLines(const QStringList& memo);

// Which plane still lacks its moment diagram, or an empty text when both have one.
QString UncalculatedPlanes(const TAnalysisState& analysis);

enum class TVerdict { Ok, TooSmall, NotDrawn, Unknown };

struct TVerificationRow {
    long double Position = 0;
    std::optional<long double> Moment;   // N*mm, both planes combined
    std::optional<long double> Required; // mm
    std::optional<long double> Drawn;    // mm; at a shoulder the smaller side
    std::optional<long double> Ratio;    // drawn / required; none where nothing is required
    TVerdict Verdict = TVerdict::Unknown;
    QString Reason; // why a value is missing
    long double Bore = 0; // mm; the required diameter is the outer one for this bore
};

struct TVerification {
    std::vector<TVerificationRow> Rows;
    std::optional<long double> WeakestPosition; // a whole millimetre
    long double WeakestRatio = 0;
    QString WeakestReason; // why there is no weakest section
    QString OutlineFault;  // where the drawn outline has a gap or overlaps itself; empty when closed
};

// One row per entry of `Points`. Nothing fails: a value that cannot be computed is missing from
// its row and the row says why.
TVerification VerifyShaft(const TAnalysisState& analysis, const TData& data, const TContour& contour);

// The headings of the table's columns, in the order of the cells.
QStringList VerificationHeadings();
// The cells of a row as the table shows them: position, M(x), d(x) required, d drawn (with the
// bore there, if any), ratio, result; a missing value is an empty cell.
QStringList VerificationCells(const TVerificationRow& row);
// A heading line and one line per row, cells separated by tabs: for pasting into a spreadsheet.
QString VerificationTableText(const TVerification& verification);
// "Weakest section: x = 120 mm, ratio 0.87", or why there is none; followed by the outline's
// fault, which explains a weak section at a broken shoulder.
QString WeakestSectionText(const TVerification& verification);
// Whether the weakest section is too thin, like a failing row.
bool WeakestSectionFails(const TVerification& verification);

// The check of the drawing, worked out again only when what it reads has changed: the text, the
// arc steps, the analysis and the navigation panel's moment and switches. The weakest-section scan
// is too costly for every redraw of a pointer move.
class TVerificationCache {
public:
    // The check of these inputs; none when the same inputs failed before (the failure was
    // reported then). A first failure fails with its message.
    const TVerification* Check(const TAnalysisState& analysis, const TData& data, const QStringList& memo,
                               uint8_t arcSteps);

private:
    struct TKey {
        TStrengthInputs Strength;
        QStringList Memo;
        uint8_t ArcSteps = 0;
        bool operator==(const TKey&) const = default;
    };
    std::optional<TKey> key_;
    bool failed_ = false;
    TVerification result_;
};
