// The ten steps of "Calculate" over one plane. They run on a working copy of the state that
// replaces the real one only when every result is a finite number.
#include "analysis/solver.h"

#include "analysis/diagram_maxima.h"
#include "analysis/plane_diagram.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <map>
#include <optional>
#include <utility>

namespace {

// Values in general format. A plane repeats its values (a force is listed, then written into its
// equation), and formatting an extended value is the dearest part of a solve.
class TValueTexts {
public:
    const QString& Of(long double value)
    {
        // A NaN key would match every entry of the map; it fails as FloatToStr would.
        auto [entry, added] = texts_.try_emplace(CheckedValue(value));
        if (added) entry->second = FloatToStr(value);
        return entry->second;
    }

private:
    std::map<long double, QString> texts_;
};

bool IsBearingA(const QString& name) { return name == "RHA" || name == "RVA"; }
bool IsBearingB(const QString& name) { return name == "RHB" || name == "RVB"; }

// The entered position of bearing A (or B); the last such term decides.
std::optional<long double> BearingPosition(const Tincarcare& terms, bool (*isBearing)(const QString&))
{
    std::optional<long double> position;
    for (const Tvector& term : terms)
        if (isBearing(term.Name)) position = term.Position;
    return position;
}

// Without a length every page column divides by zero; without two distinct bearings the
// determinant of the system is zero. The equations hold the positions as doubles, so that is
// where they must differ.
void CheckPlaneInputs(const TAnalysisState& state)
{
    if (!(state.ShaftLength > 0)) RaiseError(kShaftLengthMissing);
    const std::optional<long double> positionA = BearingPosition(state.Reactions, IsBearingA);
    if (!positionA) RaiseError(kBearingAMissing);
    const std::optional<long double> positionB = BearingPosition(state.Reactions, IsBearingB);
    if (!positionB) RaiseError(kBearingBMissing);
    if (static_cast<double>(*positionA) == static_cast<double>(*positionB)) RaiseError(kBearingsCoincide);
}

// Step 1.
QString LoadList(const Tincarcare& terms, TValueTexts& texts)
{
    QString text;
    for (const Tvector& term : terms)
        text.append(term.Name).append(" = ").append(texts.Of(term.Value)).append("    ");
    return text;
}

void ListLoads(TAnalysisState& state, TValueTexts& texts)
{
    state.ForceListText = LoadList(state.Forces, texts);
    state.MomentListText = LoadList(state.Moments, texts);
}

// Step 2.
void CollectForceTerms(TAnalysisState& state)
{
    state.ForceTerms = Concatenate(state.Reactions, state.Forces);
    SortByPosition(state.ForceTerms);
    state.PosA = static_cast<double>(BearingPosition(state.ForceTerms, IsBearingA).value_or(0));
    state.PosB = static_cast<double>(BearingPosition(state.ForceTerms, IsBearingB).value_or(0));
}

// Step 3: the moment of a force or bearing about bearing A turns against the force. The arm is
// measured from A's entered position, not from its double, so that A and every term beside it
// get an arm of exactly 0 (a bearing at 0.1 mm would otherwise be named RHA*-5.55E-18).
Tvector MomentAboutA(const Tvector& source, long double positionA, TValueTexts& texts)
{
    const long double arm = source.Position - positionA;
    Tvector term;
    term.Name = source.Name + "*" + texts.Of(arm);
    term.Unknown = source.Unknown;
    term.Kind = 'm';
    term.Position = source.Position;
    term.Value = arm * source.Value;
    term.Direction = source.Direction == 1 ? 0 : 1;
    term.LeverForce = source.Value;
    return term;
}

void AppendMomentsAboutA(TAnalysisState& state, TValueTexts& texts)
{
    const long double positionA = BearingPosition(state.ForceTerms, IsBearingA).value_or(0);
    for (const Tvector& source : state.ForceTerms)
        if (source.Position >= 0) state.Moments.push_back(MomentAboutA(source, positionA, texts));
    SortByPosition(state.Moments);
    state.MomentTerms = state.Moments;
}

// Steps 4 and 5: the first term shows only a minus sign; unknowns keep their names in the
// equation with values.
QLatin1String TermSign(const Tvector& term, bool first)
{
    if (first) return QLatin1String(term.Direction == 0 ? "-" : "");
    return QLatin1String(term.Direction == 1 ? "+" : "-");
}

void WriteEquation(const Tincarcare& terms, TValueTexts& texts, QString& symbols, QString& values)
{
    symbols.clear();
    values.clear();
    for (size_t i = 0; i < terms.size(); ++i) {
        const Tvector& term = terms[i];
        const QLatin1String sign = TermSign(term, i == 0);
        symbols.append(sign).append(term.Name);
        values.append(sign).append(term.Unknown ? term.Name : texts.Of(term.Value));
    }
    symbols += " = 0";
    values += " = 0";
}

void WriteForceEquation(TAnalysisState& state, TValueTexts& texts)
{
    WriteEquation(state.ForceTerms, texts, state.ForceEqText, state.ForceEqValues);
    state.ForceRhs = 0;
    for (const Tvector& term : state.ForceTerms)
        state.ForceRhs = static_cast<double>(term.Direction == 0 ? state.ForceRhs + term.Value
                                                                 : state.ForceRhs - term.Value);
}

void WriteMomentEquation(TAnalysisState& state, TValueTexts& texts)
{
    WriteEquation(state.MomentTerms, texts, state.MomentEqText, state.MomentEqValues);
    state.MomentRhs = 0;
    for (const Tvector& term : state.MomentTerms) {
        if (term.Unknown) continue;
        const long double rhs = state.MomentRhs;
        if (term.Direction == 1) state.MomentRhs = static_cast<double>(rhs + term.Value);
        if (term.Direction == 0) state.MomentRhs = static_cast<double>(rhs - term.Value);
    }
}

// Step 6: Cramer's rule, each product in extended precision.
double Determinant(const std::array<double, 4>& m)
{
    return static_cast<double>(static_cast<long double>(m[0]) * m[3] -
                               static_cast<long double>(m[2]) * m[1]);
}

double Quotient(double numerator, double denominator)
{
    return static_cast<double>(static_cast<long double>(numerator) / denominator);
}

void SolveReactions(TAnalysisState& state, bool horizontal)
{
    const double span = static_cast<double>(static_cast<long double>(state.PosB) - state.PosA);
    state.EqMatrix = {1, 1, 0, span};
    state.Det = Determinant(state.EqMatrix);
    state.EqMatrix = {state.ForceRhs, 1, state.MomentRhs, span};
    state.DetA = Determinant(state.EqMatrix);
    state.EqMatrix = {1, state.ForceRhs, 0, state.MomentRhs};
    state.DetB = Determinant(state.EqMatrix);
    (horizontal ? state.RHA : state.RVA) = Quotient(state.DetA, state.Det);
    (horizontal ? state.RHB : state.RVB) = Quotient(state.DetB, state.Det);
}

// Step 7.
const double* NamedReaction(const TAnalysisState& state, const QString& name)
{
    if (name == "RHA") return &state.RHA;
    if (name == "RHB") return &state.RHB;
    if (name == "RVA") return &state.RVA;
    if (name == "RVB") return &state.RVB;
    return nullptr;
}

long double ShearOf(const TAnalysisState& state, const Tvector& term)
{
    if (const double* reaction = NamedReaction(state, term.Name)) return *reaction;
    return term.Direction == 1 ? term.Value : -term.Value;
}

void ComputeShear(TAnalysisState& state)
{
    state.ShearPoints.clear();
    long double shear = 0;
    for (size_t j = 0; j + 1 < state.ForceTerms.size(); ++j) {
        shear += ShearOf(state, state.ForceTerms[j]);
        state.ShearPoints.push_back({shear, state.ForceTerms[j].Position});
    }
}

// Step 8: what one term adds to the bending moment right of its position. Bearings and moments of
// forces grow with the distance, concentrated moments add a constant; the unused part is zero and
// leaves the sum exact. Names are tested by containment, so that the derived terms (RHB*300) find
// their bearing's reaction.
struct TMomentContribution {
    long double Position = 0;
    long double Factor = 0;
    long double Constant = 0;

    long double At(long double x) const { return Constant + (x - Position) * Factor; }
};

const double* ContainedReaction(const TAnalysisState& state, const QString& name)
{
    for (const char* bearing : {"RHA", "RHB", "RVA", "RVB"})
        if (name.contains(QLatin1String(bearing))) return NamedReaction(state, bearing);
    return nullptr;
}

TMomentContribution ContributionOf(const TAnalysisState& state, const Tvector& term)
{
    if (const double* reaction = ContainedReaction(state, term.Name))
        return {term.Position, *reaction, 0};
    if (term.LeverForce != 0)
        return {term.Position, term.Direction == 0 ? term.LeverForce : -term.LeverForce, 0};
    return {term.Position, 0, term.Direction == 0 ? -term.Value : term.Value};
}

// The terms are summed in their sorted order, from the left end.
long double MomentLeftOf(const std::vector<TMomentContribution>& contributions, size_t count,
                         long double x)
{
    long double moment = 0;
    for (size_t i = 0; i < count; ++i) moment += contributions[i].At(x);
    return moment;
}

// Loads that share a position act on one cross section: every term there carries the moment
// left of the first and right of the last. A moment between two of them exists on no section,
// and would otherwise reach Mmax, the diagram and every later lookup.
void JoinSharedPositions(Tav& points)
{
    for (size_t first = 0; first < points.size();) {
        size_t last = first;
        while (last + 1 < points.size() && points[last + 1].Position == points[first].Position) ++last;
        for (size_t k = first; k <= last; ++k) {
            points[k].Left = points[first].Left;
            points[k].Right = points[last].Right;
        }
        first = last + 1;
    }
}

void ComputeMoments(TAnalysisState& state)
{
    std::vector<TMomentContribution> contributions;
    contributions.reserve(state.MomentTerms.size());
    for (const Tvector& term : state.MomentTerms)
        contributions.push_back(ContributionOf(state, term));
    state.MomentPoints.assign(contributions.size(), {});
    for (size_t k = 0; k < contributions.size(); ++k) {
        TMomentPoint& point = state.MomentPoints[k];
        point.Position = state.MomentTerms[k].Position;
        point.Left = MomentLeftOf(contributions, k, point.Position);
        point.Right = point.Left + contributions[k].At(point.Position);
    }
    JoinSharedPositions(state.MomentPoints);
}

// Step 9.
void FindMaxima(TAnalysisState& state)
{
    state.Fmax = MaxShear(state.ShearPoints);
    state.Mmax = MaxMoment(state, state.MomentPoints);
}

// Step 10.
void KeepPlaneDiagram(TAnalysisState& state, bool horizontal)
{
    Tav points = BuildPlaneDiagram(state.MomentPoints, state.ShaftLength).Points;
    (horizontal ? state.HorzDiagramCount : state.VertDiagramCount) =
        static_cast<uint8_t>(points.size());
    (horizontal ? state.HorzDiagram : state.VertDiagram) = std::move(points);
}

// Huge entered values can overflow the doubles of the equations; such a plane stores nothing.
void CheckResultsFinite(const TAnalysisState& state)
{
    for (double value : {state.PosA, state.PosB, state.ForceRhs, state.MomentRhs, state.Det,
                         state.DetA, state.DetB, state.RHA, state.RHB, state.RVA, state.RVB})
        CheckedValue(value);
    for (const TShearPoint& point : state.ShearPoints) CheckedValue(point.Shear);
    for (const TMomentPoint& point : state.MomentPoints) {
        CheckedValue(point.Left);
        CheckedValue(point.Right);
    }
}

void StorePlaneMaximum(const TAnalysisState& state, TData& data, bool horizontal)
{
    if (horizontal) {
        data.SetHorzMom(state.Mmax);
        data.SetHSect(state.CriticalSection);
    } else {
        data.SetVertMom(state.Mmax);
        data.SetVSect(state.CriticalSection);
    }
}

} // namespace

void SolvePlane(TAnalysisState& state, TData& data)
{
    CheckPlaneInputs(state);
    const bool horizontal = data.Oriz();
    TAnalysisState work = state;
    TValueTexts texts;
    ListLoads(work, texts);
    CollectForceTerms(work);
    AppendMomentsAboutA(work, texts);
    WriteForceEquation(work, texts);
    WriteMomentEquation(work, texts);
    SolveReactions(work, horizontal);
    ComputeShear(work);
    ComputeMoments(work);
    FindMaxima(work);
    KeepPlaneDiagram(work, horizontal);
    CheckResultsFinite(work);
    state = std::move(work);
    StorePlaneMaximum(state, data, horizontal);
}
