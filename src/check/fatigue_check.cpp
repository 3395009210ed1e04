#include "check/fatigue_check.h"

#include "analysis/shaft_torque.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "diagrams/section_moment.h"
#include "dimensioning/materials.h"
#include "profile/contour_index.h"
#include "profile/round_section.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

QString MissingInput(const TAnalysisState& analysis, const TFatigueMaterial& material)
{
    const QString planes = UncalculatedPlanes(analysis);
    if (!planes.isEmpty()) return planes;
    if (!(material.UltimateStrength > 0)) return "Sut must be above zero";
    if (!(material.YieldStrength > 0)) return "Sy must be above zero";
    return UnbalancedTorqueProblem(analysis.ElementDrive);
}

// Whether a notch covers x; the notches are sorted by position and none reaches further than
// the largest fillet.
bool OnANotch(const std::vector<TNotch>& notches, long double largestRadius, long double x)
{
    auto near = std::lower_bound(notches.begin(), notches.end(), x - largestRadius - 1,
                                 [](const TNotch& n, long double v) { return n.Position < v; });
    for (; near != notches.end() && near->Position <= x + largestRadius + 1; ++near)
        if (near->Covers(x)) return true;
    return false;
}

TFatigueRow ShoulderRow(const TNotch& notch)
{
    TFatigueRow row;
    row.Position = notch.Position;
    row.Shoulder = true;
    row.Small = notch.Small;
    row.Large = notch.Large;
    row.Radius = notch.Radius;
    row.Sharp = !(notch.Radius > 0);
    return row;
}

TFatigueRow PlainRow(const TContourIndex& contour, long double x)
{
    TFatigueRow row;
    row.Position = x;
    const std::optional<long double> drawn = contour.DiameterAt(x);
    row.Small = row.Large = drawn.value_or(0);
    if (!drawn) row.Reason = "not drawn here";
    return row;
}

// The rows are large: their order is settled on positions first.
std::vector<TFatigueRow> RowsToCheck(const TAnalysisState& analysis, const TFatigueShaft& shaft, const TContourIndex& contour)
{
    const std::vector<TNotch>& notches = shaft.Notches;
    long double largestRadius = 0;
    for (const TNotch& notch : notches) largestRadius = std::max(largestRadius, notch.Radius);
    struct TSource {
        long double position;
        const TNotch* notch;
    };
    std::vector<TSource> sources;
    for (const TNotch& notch : notches) sources.push_back({notch.Position, &notch});
    for (const TShaftPoint& point : analysis.Points)
        if (!OnANotch(notches, largestRadius, point.Position)) sources.push_back({point.Position, nullptr});
    std::stable_sort(sources.begin(), sources.end(), [](const TSource& a, const TSource& b) { return a.position < b.position; });
    std::vector<TFatigueRow> rows;
    rows.reserve(sources.size());
    for (const TSource& source : sources) {
        rows.push_back(source.notch ? ShoulderRow(*source.notch) : PlainRow(contour, source.position));
        rows.back().Bore = contour.BoreDiameterAt(source.position);
    }
    return rows;
}

std::optional<size_t> WeakestRow(const std::vector<TFatigueRow>& rows)
{
    std::optional<size_t> weakest;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].FatigueSafety) continue;
        if (!weakest || *rows[i].FatigueSafety < *rows[*weakest].FatigueSafety) weakest = i;
    }
    return weakest;
}

QString Number(long double value) { return FormatFloat("0.00", value); }
QString Pair(long double a, long double b) { return Number(a) + " / " + Number(b); }
QString Safety(const std::optional<long double>& n) { return n ? Number(*n) : QString("unloaded"); }

QString Note(const TFatigueRow& row)
{
    if (!row.Computed) return row.Reason;
    QStringList notes;
    if (row.Sharp) notes << "sharp corner: r estimated";
    else if (row.Bending.Estimate || row.Torsion.Estimate) notes << "h/r outside the fit: estimate";
    if (row.Endurance.SizeEstimate) notes << "d outside the size fit: estimate";
    if (row.Bore > 0) notes << "bore " + Number(row.Bore) + " mm";
    return notes.join("; ");
}

} // namespace

TFatigueSection::TFatigueSection(const TAnalysisState& analysis, const TData& data, TTwistCycle cycle,
                                 const TFatigueMaterial& material)
    : analysis_(analysis), data_(data), cycle_(cycle), material_(material),
      moments_(analysis.HorzDiagram, analysis.VertDiagram, data.MM()), torque_(ShaftTorqueOf(analysis, data))
{
}

void TFatigueSection::Concentrate(TFatigueRow& row) const
{
    if (!row.Shoulder) return;
    const long double sut = material_.UltimateStrength;
    row.Bending = StressConcentration(TLoading::Bending, row.Small, row.Large, row.Radius);
    row.Torsion = StressConcentration(TLoading::Torsion, row.Small, row.Large, row.Radius);
    const long double bendingRadius = EffectiveRadius(row.Bending, row.Small, row.Large, row.Radius);
    const long double torsionRadius = EffectiveRadius(row.Torsion, row.Small, row.Large, row.Radius);
    row.Q = NotchSensitivity(TLoading::Bending, sut, bendingRadius);
    row.Qs = NotchSensitivity(TLoading::Torsion, sut, torsionRadius);
    row.Kf = FatigueFactor(row.Bending.Kt, row.Q);
    row.Kfs = FatigueFactor(row.Torsion.Kt, row.Qs);
    // A sharp corner is reported at the radius the bending fit reached, which governs.
    if (row.Sharp) row.Radius = bendingRadius;
}

// A rotating shaft bends fully reversed; the torque follows the dimensioning's cycle.
// sigma_a = Kf 32 M / (pi d^3), tau = Kfs 16 T / (pi d^3), and the von Mises amplitude and
// mean sqrt(sigma^2 + 3 tau^2) of a rotating round shaft: Shigley's Mechanical Engineering
// Design, 10th ed., eq. 7-5 and 7-6; through a bore d^3 becomes (d^4 - di^4) / d.
void TFatigueSection::Stress(TFatigueRow& row) const
{
    if (!(row.Bore < row.Small)) RaiseError("the bore is as wide as the section or wider");
    const long double cube = ModulusCube(row.Small, row.Bore);
    row.SigmaA = CheckedDivide(row.Kf * 32 * std::fabs(row.Moment), kPi * cube);
    const long double tau = CheckedDivide(row.Kfs * 16 * std::fabs(row.Torque), kPi * cube);
    row.SigmaM = row.TauA = row.TauM = 0;
    if (cycle_ == TTwistCycle::Constant) row.TauM = tau;
    if (cycle_ == TTwistCycle::Pulsatory) row.TauA = row.TauM = tau / 2;
    if (cycle_ == TTwistCycle::SymmetricAlternating) row.TauA = tau;
    row.VonMisesA = std::sqrt(row.SigmaA * row.SigmaA + 3 * row.TauA * row.TauA);
    row.VonMisesM = std::sqrt(row.SigmaM * row.SigmaM + 3 * row.TauM * row.TauM);
}

// The modified Goodman line, 1 / n_f = sigma'a / Se + sigma'm / Sut (Shigley, 10th ed.,
// eq. 6-46), and the first-cycle yield check on the von Mises peak,
// sigma'max = sqrt((sigma_m + sigma_a)^2 + 3 (tau_m + tau_a)^2), n_y = Sy / sigma'max
// (eq. 7-15 and 7-16). A section without stress has neither.
void TFatigueSection::Judge(TFatigueRow& row) const
{
    row.FatigueSafety.reset();
    row.YieldSafety.reset();
    const long double load = row.VonMisesA / row.Endurance.Limit + row.VonMisesM / material_.UltimateStrength;
    if (load > 0) row.FatigueSafety = CheckedValue(1 / load);
    const long double sigma = row.SigmaA + row.SigmaM, tau = row.TauA + row.TauM;
    const long double peak = std::sqrt(sigma * sigma + 3 * tau * tau);
    if (peak > 0) row.YieldSafety = CheckedValue(material_.YieldStrength / peak);
}

void TFatigueSection::Compute(TFatigueRow& row) const
{
    row.Moment = moments_.At(row.Position);
    row.Torque = torque_.At(row.Position);
    Evaluate(row);
}

void TFatigueSection::Evaluate(TFatigueRow& row) const
{
    row.Computed = false;
    row.Reason.clear();
    try {
        Concentrate(row);
        row.Endurance = EnduranceLimit(material_.UltimateStrength, material_.Surface, material_.Reliability, row.Small);
        Stress(row);
        Judge(row);
        row.Computed = true;
    } catch (const KorvelError& error) {
        row.Reason = error.Text();
        row.FatigueSafety.reset();
        row.YieldSafety.reset();
    }
}

bool TFatigueRow::Fails(const TFatigueLimits& limits) const
{
    return (FatigueSafety && *FatigueSafety < limits.FatigueSafety) || (YieldSafety && *YieldSafety < limits.YieldSafety);
}

TFatigueCheck CheckFatigue(const TAnalysisState& analysis, const TData& data, TTwistCycle cycle,
                           const TFatigueShaft& shaft, const TFatigueMaterial& material)
{
    const TFatigueSection section(analysis, data, cycle, material);
    const QString missing = MissingInput(analysis, material);
    const TContourIndex contour(shaft.Contour);
    const QString outlineFault = contour.DiameterFault();
    if (!outlineFault.isEmpty()) RaiseError(outlineFault);
    TFatigueCheck check;
    check.Rows = RowsToCheck(analysis, shaft, contour);
    for (TFatigueRow& row : check.Rows) {
        if (!row.Reason.isEmpty()) continue;
        if (missing.isEmpty()) section.Compute(row);
        else row.Reason = missing;
    }
    check.Weakest = WeakestRow(check.Rows);
    return check;
}

QStringList FatigueHeadings()
{
    return {"x [mm]", "section", "d / D [mm]", "r [mm]", "Kt / Kts", "Kf / Kfs", "Se [MPa]",
            "σ'a / σ'm [MPa]", "n_f", "n_y", "note"};
}

QStringList FatigueCells(const TFatigueRow& row)
{
    const QString section = row.Shoulder ? "shoulder" : "plain";
    const QString diameters = row.Shoulder ? Pair(row.Small, row.Large) : row.Small > 0 ? Number(row.Small) : QString();
    QStringList cells{FloatToStr(row.Position), section, diameters};
    if (!row.Computed) return cells << "" << "" << "" << "" << "" << "" << "" << Note(row);
    cells << (row.Shoulder ? Number(row.Radius) : QString()) << Pair(row.Bending.Kt, row.Torsion.Kt)
          << Pair(row.Kf, row.Kfs) << Number(row.Endurance.Limit) << Pair(row.VonMisesA, row.VonMisesM)
          << Safety(row.FatigueSafety) << Safety(row.YieldSafety) << Note(row);
    return cells;
}

QString WeakestNotchText(const TFatigueCheck& check)
{
    if (!check.Weakest) return "Weakest notch: none (no loaded section computed)";
    const TFatigueRow& row = check.Rows[*check.Weakest];
    const QString kind = row.Shoulder ? "shoulder" : "plain section";
    return "Weakest notch: " + kind + " at x = " + FloatToStr(row.Position) + " mm, n_f = " + Number(*row.FatigueSafety);
}
