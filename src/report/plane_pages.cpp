#include "report/plane_pages.h"

#include "canvas/canvas.h"
#include "common/number_text.h"
#include "diagrams/calculation_report.h"
#include "diagrams/dimension_chain.h"
#include "diagrams/load_symbols.h"
#include "document/design_replay.h"

namespace {

// The page as a plane's entry finds it: white, the canvas in its first pen, brush and font.
void StartPage(QImage& image, Canvas& canvas)
{
    image = QImage(kPageWidth, kPageHeight, QImage::Format_RGB32);
    canvas.Pen = TPen();
    canvas.Brush = TBrush();
    canvas.Font = TFont();
    canvas.Rectangle(-1, -1, image.width() + 1, image.height() + 1);
}

// A chain that another follows is drawn only as far as the next one leaves it standing.
void DrawEntry(Canvas& page, const TAnalysisState& state, TEntryKind kind, const Tvector& load, bool last)
{
    switch (kind) {
    case TEntryKind::Bearing: DrawBearing(page, load, state.ShaftLength); break;
    case TEntryKind::Force: DrawForce(page, load, state.ShaftLength); break;
    case TEntryKind::Moment: DrawMomentSymbol(page, load, state.ShaftLength); break;
    }
    if (last) DrawPageDimensions(page, state);
    else DrawPageDimensionsBeyondClearing(page, state);
}

// The shaft and its bearings under their vertical names, as the vertical plane's page starts.
void DrawVerticalStart(Canvas& page, const TAnalysisState& state)
{
    DrawShaftAxis(page);
    for (const Tvector& bearing : state.Reactions) DrawBearing(page, bearing, state.ShaftLength);
    DrawPageDimensions(page, state);
}

void NoteResults(TPlanePage& plane, const TAnalysisState& state)
{
    const QString fixed = state.NumFormat;
    plane.Calculated = true;
    plane.Reactions = ReactionsLine(state, plane.Horizontal);
    plane.Maxima = "Fmax= " + FormatFloat(fixed, state.Fmax) + " N    Mmax= " + FormatFloat(fixed, state.Mmax) + " N*mm";
    plane.CriticalSection = "Critical cross section = section " + IntToStr(state.CriticalSection);
    const auto& reactions = plane.Horizontal ? state.HorzReactions : state.VertReactions;
    plane.BearingReactions.assign(reactions.begin(), reactions.begin() + std::clamp<ptrdiff_t>(ptrdiff_t(state.Reactions.size()), 2, kBearingLetters));
    if (state.Reactions.size() > 2) plane.Method = IndeterminateMethodText(state, plane.Horizontal);
    plane.Bearings = state.Reactions; // the vertical plane renames them later
    plane.ForceTerms = state.ForceTerms;
    plane.MomentTerms = state.MomentTerms;
    plane.ShearPoints = state.ShearPoints;
    plane.MomentPoints = state.MomentPoints;
}

// The page as the plane leaves it, and the shaft and bearings it was entered on.
void ClosePlane(TPlanePage& plane, const QImage& image, const TAnalysisState& state)
{
    plane.Page = image;
    plane.ShaftLength = state.ShaftLength;
    if (!plane.Calculated) plane.Bearings = state.Reactions;
}

} // namespace

TPlanePages ReplayPlanePages(const TDesign& design)
{
    TAnalysisState state;
    InitialiseEntryState(state);
    TData data;
    TPlanePages pages;
    QImage image;
    Canvas page(image);
    const auto current = [&]() -> TPlanePage& { return pages.Planes.back(); };
    size_t entered = 0; // of the current plane
    TReplayWatch watch;
    watch.PlaneStarted = [&](bool horizontal) {
        if (!pages.Planes.empty()) ClosePlane(current(), image, state);
        pages.Planes.push_back({horizontal});
        entered = 0;
        StartPage(image, page);
        if (!horizontal) DrawVerticalStart(page, state);
    };
    watch.LengthApplied = [&] { DrawShaftAxis(page); };
    watch.Entered = [&](TEntryKind kind, const Tvector& load) {
        pages.Loads.push_back({current().Horizontal, kind, load});
        const size_t entries = (current().Horizontal ? design.Horizontal : design.Vertical).Entries.size();
        DrawEntry(page, state, kind, load, ++entered == entries);
    };
    // The report's table names the element of each: "FH3 (gear 1)".
    watch.ElementsEntered = [&](const Tincarcare& terms) {
        qsizetype forces = 0, moments = 0;
        for (size_t i = 0; i < terms.size(); ++i) {
            const bool moment = terms[i].Kind == 'm';
            const QString& owner = moment ? state.ElementMomentNames[moments++] : state.ElementForceNames[forces++];
            Tvector named = terms[i];
            named.Name += " (" + owner + ")";
            const TEntryKind kind = moment ? TEntryKind::Moment : TEntryKind::Force;
            pages.Loads.push_back({current().Horizontal, kind, named});
            DrawEntry(page, state, kind, terms[i], i + 1 == terms.size());
        }
    };
    watch.Calculated = [&](bool horizontal) {
        WriteCalculationReport(page, state, horizontal);
        NoteResults(current(), state);
    };
    ReplayDesign(design, state, data, watch);
    if (!pages.Planes.empty()) ClosePlane(current(), image, state);
    return pages;
}
