// A shaft entered as the user enters it, on any input, through the load entry, the drawing of
// every load on the page, the solver and the report: each step runs through or fails with its
// message, and a calculated plane is in equilibrium with nothing infinite in its results.
// Input: one step a line, its fields separated by blanks, numbers as typed into the fields:
//   L <length>   B <position>   F <position> <value> u|d   M <position> <value> c|a
//   C (Calculate)   V (load in the vertical plane)   H (a new shaft in the horizontal plane)
// The entry window's order holds: a step behind the open one is no longer offered, the length
// must be applied before the bearings, and a calculated plane closes the window until V or H.
#include "fuzz_support.h"

#include "analysis/analysis_state.h"
#include "analysis/load_entry.h"
#include "analysis/solver.h"
#include "canvas/canvas.h"
#include "common/number_text.h"
#include "diagrams/calculation_report.h"
#include "diagrams/dimension_chain.h"
#include "diagrams/load_symbols.h"
#include "diagrams/section_moment.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

enum TEntryStepIndex { kLengthStep, kBearingStep, kForceStep, kMomentStep, kCalculateStep, kClosed };

// The step a line belongs to, or -1 for the plane buttons and lines that are no step.
int StepOf(QChar kind)
{
    const QString steps = "LBFMC";
    return int(steps.indexOf(kind));
}

struct TSession {
    TSession()
    {
        InitialiseEntryState(state);
        NewShaft();
    }

    void NewShaft()
    {
        step = kLengthStep;
        state.HorzReactions = {};
        StartShaft(state);
        ClearPage();
        data.SetOriz(true);
        KeepFirstEntry(state.HorzDiagram);
    }

    void VerticalPlane()
    {
        step = kForceStep;
        state.VertReactions = {};
        KeepFirstEntry(state.VertDiagram);
        ResetPartialPlane(state);
        ClearPage();
        data.SetOriz(false);
        DrawShaftAxis(page);
        RenameBearingsVertical(state.Reactions);
        for (const Tvector& bearing : state.Reactions) DrawBearing(page, bearing, state.ShaftLength);
        DrawPageDimensions(page, state);
    }

    void ClearPage() { image.fill(Qt::white); }

    int step = 0; // the entry step open in the window
    TAnalysisState state;
    TData data;
    QImage image{595, 860, QImage::Format_RGB32};
    Canvas page{image};
};

bool Finite(long double v) { return std::isfinite(v); }

// The reaction of each entered bearing, in the order of entry.
std::vector<long double> Reactions(const TAnalysisState& state, bool horizontal)
{
    const auto& all = horizontal ? state.HorzReactions : state.VertReactions;
    return {all.begin(), all.begin() + std::min<size_t>(state.Reactions.size(), all.size())};
}

// The reactions balance the forces (up: with the reactions).
void ExpectEquilibrium(const TAnalysisState& state, bool horizontal)
{
    long double sum = 0, scale = 0;
    for (long double reaction : Reactions(state, horizontal)) {
        Require(Finite(reaction), "an infinite reaction");
        sum += reaction;
        scale += std::fabs(reaction);
    }
    for (const Tvector& force : state.Forces) {
        sum += force.Direction == 1 ? force.Value : -force.Value;
        scale += std::fabs(force.Value);
    }
    // The reactions are doubles: below the double's range each is off by up to its resolution.
    const long double reactionResolution = state.Reactions.size() * std::numeric_limits<double>::min();
    Require(std::fabs(sum) <= scale * 1e-9L + reactionResolution, "the reactions do not balance the forces",
            FloatToStr(sum) + " of " + FloatToStr(scale));
}

bool OnShaft(const Tincarcare& terms, long double length)
{
    return std::all_of(terms.begin(), terms.end(),
                       [&](const Tvector& term) { return term.Position >= 0 && term.Position <= length; });
}

// The bearings and the loads have no moment left about bearing A (clockwise positive, forces up
// turning counter-clockwise to the right of A), once every load lies on the shaft.
void ExpectMomentBalance(const TAnalysisState& state, bool horizontal)
{
    for (const Tincarcare* terms : {&state.Reactions, &state.Forces, &state.Moments})
        if (!OnShaft(*terms, state.ShaftLength)) return;
    const std::vector<long double> reactions = Reactions(state, horizontal);
    long double sum = 0, scale = 0, span = 0;
    for (size_t i = 0; i < reactions.size(); ++i) {
        const long double arm = static_cast<long double>(state.Reactions[i].Position) - state.PosA;
        sum -= arm * reactions[i];
        scale += std::fabs(arm * reactions[i]);
        span = std::max(span, std::fabs(arm));
    }
    for (const Tvector& force : state.Forces) {
        const long double moment = (force.Position - state.PosA) * force.Value;
        sum += force.Direction == 1 ? -moment : moment;
        scale += std::fabs(moment);
    }
    for (const Tvector& moment : state.Moments) {
        if (moment.Name.contains('*')) continue; // the terms the solver derived from the forces
        sum += moment.Direction == 1 ? moment.Value : -moment.Value;
        scale += std::fabs(moment.Value);
    }
    // The reactions are doubles: below the double's range they cannot carry a moment at all. The
    // positions are doubles too, and a span of 1E-55 times that range is out of the double's reach.
    // The moment equation's right side is a double as well, to its smallest step below that range.
    const long double reactionResolution =
        reactions.size() * span * std::numeric_limits<double>::min() + std::numeric_limits<double>::denorm_min();
    Require(std::fabs(sum) <= scale * 1e-9L + reactionResolution, "the moments about bearing A do not balance",
            FloatToStr(sum) + " of " + FloatToStr(scale));
}

void ExpectFiniteResults(const TAnalysisState& state)
{
    Require(Finite(state.Mmax) && Finite(state.Fmax), "an infinite maximum");
    for (const TShearPoint& p : state.ShearPoints) Require(Finite(p.Shear) && Finite(p.Position), "an infinite shear");
    for (const TMomentPoint& p : state.MomentPoints)
        Require(Finite(p.Left) && Finite(p.Right) && Finite(p.Position), "an infinite moment");
    for (const TShaftPoint& point : state.Points)
        for (bool combine : {false, true})
            Require(Finite(SectionMoment(state.HorzDiagram, state.VertDiagram, combine, point.Position)),
                    "an infinite section moment");
}

void Calculate(TSession& s)
{
    const bool horizontal = s.data.Oriz();
    SolvePlane(s.state, s.data);
    ExpectEquilibrium(s.state, horizontal);
    ExpectMomentBalance(s.state, horizontal);
    ExpectFiniteResults(s.state);
    WriteCalculationReport(s.page, s.state, horizontal);
}

// Whether the window offers the line's step, opening it (the Apply buttons) when it lies ahead.
bool Offered(TSession& s, QChar kind)
{
    const int step = StepOf(kind);
    if (step < 0) return true;
    if (step < s.step || (s.step == kLengthStep && step > kLengthStep)) return false;
    s.step = step;
    return true;
}

void RunStep(TSession& s, const QString& line)
{
    if (line.isEmpty() || !Offered(s, line[0])) return;
    const QStringList fields = line.mid(1).split(' ', Qt::SkipEmptyParts);
    const auto number = [&](int i) { return StrToFloat(fields.value(i)); };
    const bool horizontal = s.data.Oriz();
    TAnalysisState& state = s.state;
    switch (line[0].unicode()) {
    case 'L':
        state.ShaftLength = number(0);
        DrawShaftAxis(s.page);
        s.step = kBearingStep;
        break;
    case 'B':
        DrawBearing(s.page, AddBearing(state, number(0), horizontal), state.ShaftLength);
        DrawPageDimensions(s.page, state);
        break;
    case 'F': {
        const long double position = number(0);
        const long double value = number(1);
        DrawForce(s.page, AddForce(state, position, value, fields.value(2) == "u", horizontal), state.ShaftLength);
        DrawPageDimensions(s.page, state);
        break;
    }
    case 'M': {
        const long double position = number(0);
        const long double value = number(1);
        DrawMomentSymbol(s.page, AddMoment(state, position, value, fields.value(2) == "c", horizontal),
                         state.ShaftLength);
        DrawPageDimensions(s.page, state);
        break;
    }
    case 'C':
        Calculate(s);
        s.step = kClosed;
        break;
    case 'V': s.VerticalPlane(); break;
    case 'H': s.NewShaft(); break;
    default: break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = InputLines(data, size);
    if (lines.size() > 600) return 0; // past the 255 loads of a plane nothing new is reached
    TSession session;
    for (const QString& line : lines) Attempt([&] { RunStep(session, line); });
    return 0;
}
