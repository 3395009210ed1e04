// The ten steps of "Calculate" over one plane. They run on a working copy of the state that
// replaces the real one only when every result is a finite number.
#include "analysis/solver.h"

#include "analysis/diagram_maxima.h"
#include "analysis/plane_diagram.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <utility>

namespace {

// Values in general format. A plane repeats its values (a force is listed, then written into its
// equation), and formatting an extended value is the dearest part of a solve.
class TValueTexts {
public:
    explicit TValueTexts(size_t expected) { texts_.reserve(expected); }

    const QString& Of(long double value)
    {
        // A NaN fails here as FloatToStr would, before it can become a key.
        auto [entry, added] = texts_.try_emplace(CheckedValue(value));
        if (added) entry->second = FloatToStr(value);
        return entry->second;
    }

private:
    // Equal values have equal bits but for the two zeros, which share one text. Only the ten
    // bytes of an extended value are read: the rest of its storage is padding.
    struct TBitsHash {
        size_t operator()(long double value) const
        {
            if (value == 0) return 0;
            uint64_t mantissa = 0;
            uint16_t exponent = 0;
            std::memcpy(&mantissa, &value, sizeof mantissa);
            std::memcpy(&exponent, reinterpret_cast<const char*>(&value) + sizeof mantissa, sizeof exponent);
            return size_t((mantissa ^ exponent) * 0x9E3779B97F4A7C15ull);
        }
    };
    std::unordered_map<long double, QString, TBitsHash> texts_;
};

bool IsBearingA(const QString& name) { return name == QLatin1String("RHA") || name == QLatin1String("RVA"); }
bool IsBearingB(const QString& name) { return name == QLatin1String("RHB") || name == QLatin1String("RVB"); }

// The entered position of bearing A (or B); the last such term decides.
std::optional<long double> BearingPosition(const Tincarcare& terms, bool (*isBearing)(const QString&))
{
    std::optional<long double> position;
    for (const Tvector& term : terms)
        if (isBearing(term.Name)) position = term.Position;
    return position;
}

// Without a length every page column divides by zero; without two distinct bearings the
// determinant of the system is zero, and two bearings at one position make any system singular.
// The equations hold the positions as doubles, so that is where they must differ.
void CheckBearingsApart(const Tincarcare& bearings)
{
    for (size_t i = 0; i < bearings.size(); ++i)
        for (size_t j = i + 1; j < bearings.size(); ++j)
            if (static_cast<double>(bearings[i].Position) == static_cast<double>(bearings[j].Position))
                RaiseError(BearingsCoincideText(int(i), int(j)));
}

void CheckPlaneInputs(const TAnalysisState& state)
{
    if (!(state.ShaftLength > 0)) RaiseError(kShaftLengthMissing);
    if (!BearingPosition(state.Reactions, IsBearingA)) RaiseError(kBearingAMissing);
    if (!BearingPosition(state.Reactions, IsBearingB)) RaiseError(kBearingBMissing);
    CheckBearingsApart(state.Reactions);
}

bool Indeterminate(const TAnalysisState& state) { return state.Reactions.size() > 2; }

// Step 1. The last loads, an element's, name it: "FH3 (gear 1) = 1200".
QString LoadList(const Tincarcare& terms, const QStringList& elementNames, TValueTexts& texts)
{
    QString text;
    text.reserve(qsizetype(terms.size()) * 32);
    const size_t firstOfElement = terms.size() - std::min(terms.size(), size_t(elementNames.size()));
    for (size_t i = 0; i < terms.size(); ++i) {
        text.append(terms[i].Name);
        if (i >= firstOfElement)
            text.append(QLatin1String(" (")).append(elementNames[qsizetype(i - firstOfElement)]).append(QLatin1Char(')'));
        text.append(QLatin1String(" = ")).append(texts.Of(terms[i].Value)).append(QLatin1String("    "));
    }
    return text;
}

void ListLoads(TAnalysisState& state, TValueTexts& texts)
{
    state.ForceListText = LoadList(state.Forces, state.ElementForceNames, texts);
    state.MomentListText = LoadList(state.Moments, state.ElementMomentNames, texts);
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
    const QString& armText = texts.Of(arm);
    term.Name.reserve(source.Name.size() + 1 + armText.size());
    term.Name.append(source.Name).append(QLatin1Char('*')).append(armText);
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
    symbols.reserve(qsizetype(terms.size()) * 16);
    values.reserve(qsizetype(terms.size()) * 24);
    for (size_t i = 0; i < terms.size(); ++i) {
        const Tvector& term = terms[i];
        const QLatin1String sign = TermSign(term, i == 0);
        symbols.append(sign).append(term.Name);
        values.append(sign).append(term.Unknown ? term.Name : texts.Of(term.Value));
    }
    symbols += QLatin1String(" = 0");
    values += QLatin1String(" = 0");
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
    auto& reactions = horizontal ? state.HorzReactions : state.VertReactions;
    reactions = {};
    reactions[0] = Quotient(state.DetA, state.Det);
    reactions[1] = Quotient(state.DetB, state.Det);
}

// Three or more bearings: the entered loads on the beam model, before the solver derives its
// moment terms from them.
std::vector<TBeamLoad> BeamLoads(const TAnalysisState& state)
{
    std::vector<TBeamLoad> loads;
    loads.reserve(state.Forces.size() + state.Moments.size());
    const auto signedValue = [](const Tvector& term) { return term.Direction == 1 ? term.Value : -term.Value; };
    for (const Tvector& force : state.Forces) loads.push_back({force.Position, signedValue(force), 0});
    for (const Tvector& moment : state.Moments) loads.push_back({moment.Position, 0, signedValue(moment)});
    return loads;
}

void SolveIndeterminate(TAnalysisState& state, const std::vector<TBeamLoad>& loads, const TPlaneSupports& supports,
                        bool horizontal)
{
    std::vector<TBeamSupport> beamSupports;
    for (size_t i = 0; i < state.Reactions.size(); ++i)
        beamSupports.push_back({state.Reactions[i].Position, supports.Stiffness[i]});
    const std::vector<long double> solved = SupportReactions(beamSupports, loads, supports.Section);
    auto& reactions = horizontal ? state.HorzReactions : state.VertReactions;
    reactions = {};
    for (size_t i = 0; i < solved.size(); ++i) reactions[i] = static_cast<double>(solved[i]);
    (horizontal ? state.HorzSection : state.VertSection) = supports.Made;
}

// Step 7: the reaction that a bearing's term, or a term derived from it (RHC*300), carries; none
// for a load, whose name never starts with R.
const double* BearingReaction(const TAnalysisState& state, const QString& name)
{
    if (name.size() < 3 || name[0] != QLatin1Char('R')) return nullptr;
    const int letter = name[2].unicode() - 'A';
    if (letter < 0 || letter >= kBearingLetters) return nullptr;
    if (name[1] == QLatin1Char('H')) return &state.HorzReactions[size_t(letter)];
    if (name[1] == QLatin1Char('V')) return &state.VertReactions[size_t(letter)];
    return nullptr;
}

long double ShearOf(const TAnalysisState& state, const Tvector& term)
{
    if (const double* reaction = BearingReaction(state, term.Name)) return *reaction;
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
// leaves the sum exact.
struct TMomentContribution {
    long double Position = 0;
    long double Factor = 0;
    long double Constant = 0;

    long double At(long double x) const { return Constant + (x - Position) * Factor; }
};

TMomentContribution ContributionOf(const TAnalysisState& state, const Tvector& term)
{
    if (const double* reaction = BearingReaction(state, term.Name))
        return {term.Position, *reaction, 0};
    if (term.LeverForce != 0)
        return {term.Position, term.Direction == 0 ? term.LeverForce : -term.LeverForce, 0};
    return {term.Position, 0, term.Direction == 0 ? -term.Value : term.Value};
}

// The moment left of each term: the sum of what every term before it adds there, in their sorted
// order from the left end. Two sections are summed side by side, so that the two sums keep the
// processor busy while each still adds the same terms in the same order.
long double SumUpTo(const std::vector<TMomentContribution>& contributions, size_t first, size_t end,
                    long double x, long double sum)
{
    for (size_t i = first; i < end; ++i) sum += contributions[i].At(x);
    return sum;
}

void SumMomentsLeft(const std::vector<TMomentContribution>& contributions, Tav& points)
{
    size_t k = 0;
    for (; k + 2 <= points.size(); k += 2) {
        const long double x0 = points[k].Position, x1 = points[k + 1].Position;
        long double sum0 = 0, sum1 = 0;
        for (size_t i = 0; i < k; ++i) {
            const TMomentContribution& term = contributions[i];
            sum0 += term.At(x0);
            sum1 += term.At(x1);
        }
        points[k].Left = sum0;
        points[k + 1].Left = SumUpTo(contributions, k, k + 1, x1, sum1);
    }
    if (k < points.size()) points[k].Left = SumUpTo(contributions, 0, k, points[k].Position, 0);
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
    for (size_t k = 0; k < contributions.size(); ++k)
        state.MomentPoints[k].Position = state.MomentTerms[k].Position;
    SumMomentsLeft(contributions, state.MomentPoints);
    for (size_t k = 0; k < contributions.size(); ++k) {
        TMomentPoint& point = state.MomentPoints[k];
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
    for (double value : {state.PosA, state.PosB, state.ForceRhs, state.MomentRhs, state.Det, state.DetA, state.DetB})
        CheckedValue(value);
    for (double value : state.HorzReactions) CheckedValue(value);
    for (double value : state.VertReactions) CheckedValue(value);
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

QString BearingsCoincideText(int first, int second)
{
    if (first == 0 && second == 1) return kBearingsCoincide;
    return QString("Reazemele %1 si %2 trebuie sa fie in pozitii diferite !").arg(QChar('A' + first), QChar('A' + second));
}

void SolvePlane(TAnalysisState& state, TData& data, const TPlaneSupports& supports)
{
    CheckPlaneInputs(state);
    const bool horizontal = data.Oriz();
    TAnalysisState work = state;
    const std::vector<TBeamLoad> beamLoads = Indeterminate(work) ? BeamLoads(work) : std::vector<TBeamLoad>{};
    // Each load's value, and each force's arm and moment about A.
    TValueTexts texts(work.Forces.size() * 3 + work.Moments.size() + work.Reactions.size() * 2);
    ListLoads(work, texts);
    CollectForceTerms(work);
    AppendMomentsAboutA(work, texts);
    // Three or more bearings have no two equations to write: the page states the method instead.
    if (Indeterminate(work)) {
        SolveIndeterminate(work, beamLoads, supports, horizontal);
    } else {
        WriteForceEquation(work, texts);
        WriteMomentEquation(work, texts);
        SolveReactions(work, horizontal);
    }
    ComputeShear(work);
    ComputeMoments(work);
    FindMaxima(work);
    KeepPlaneDiagram(work, horizontal);
    CheckResultsFinite(work);
    state = std::move(work);
    StorePlaneMaximum(state, data, horizontal);
}
