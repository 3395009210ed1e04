#include "check/suggestions.h"

#include "check/fatigue_inputs.h"
#include "check/standard_sizes.h"
#include "check/steel_grades.h"
#include "check/stiffness_and_speed.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "dimensioning/combined_stress.h"
#include "profile/round_section.h"
#include "profile/step_edits.h"

#include <algorithm>
#include <cmath>

namespace {

// An engineer works down the list from the worst row; more would only slow the check.
constexpr size_t kMostRows = 5;
constexpr size_t kMostInfluences = 3;
constexpr long double kTenPercent = 1.1L;
constexpr long double kSameMm = 1e-6L;

// The figures of one section under one set of sizes, material and loads.
struct TFigures {
    std::optional<long double> Fatigue, Yield, Strength;
};

// What is tried on a row: its sizes, the material and how much of its loads.
struct TTrial {
    long double Small = 0, Large = 0, Radius = 0;
    bool Sharp = false;
    TFatigueMaterial Material;
    long double MomentScale = 1, TorqueScale = 1;
};

struct TSuggestionJob {
    const TSuggestionInputs& in;
    TFatigueSection drawnSteel{in.Analysis, in.Data, in.Cycle, in.Material}; // the moments read once
    std::optional<bool> deflectionHolds; // as drawn; none when it cannot be judged

    // The strength table's rule (combined stress, dimensioning/combined_stress.h) at a row that
    // the table holds: drawn / required diameter, under the torque T(x) that the row carries.
    std::optional<long double> StrengthRatio(const TFatigueRow& row, const TTrial& trial) const
    {
        const TAnalysisState& a = in.Analysis;
        const bool tabled = std::any_of(a.Points.begin(), a.Points.end(), [&](const TShaftPoint& p) { return p.Position == row.Position; });
        if (!tabled || !(a.AllowBendStress > 0)) return std::nullopt;
        const TCombinedStress rule = PrepareCombinedStress(a.TorsionCoeff, std::fabs(row.Torque) * trial.TorqueScale,
                                                           a.AllowBendStress, in.Data.T3());
        const long double required = HollowDiameter(DiameterUnder(rule, row.Moment * trial.MomentScale), row.Bore);
        if (!(required > 0)) return std::nullopt;
        return trial.Small / required;
    }

    TFigures Evaluate(const TFatigueRow& base, const TTrial& trial) const
    {
        TFatigueRow row = base;
        row.Small = trial.Small, row.Large = trial.Large, row.Radius = trial.Radius, row.Sharp = trial.Sharp;
        row.Moment *= trial.MomentScale, row.Torque *= trial.TorqueScale;
        const bool sameSteel = trial.Material.UltimateStrength == in.Material.UltimateStrength &&
                               trial.Material.YieldStrength == in.Material.YieldStrength;
        if (sameSteel) drawnSteel.Evaluate(row);
        else TFatigueSection(in.Analysis, in.Data, in.Cycle, trial.Material).Evaluate(row);
        TFigures figures;
        if (!row.Computed) return figures;
        figures.Fatigue = row.FatigueSafety, figures.Yield = row.YieldSafety;
        try {
            figures.Strength = StrengthRatio(base, trial);
        } catch (const KorvelError&) {
            // The strength table says why it has no figure here.
        }
        return figures;
    }

    // The row's figures as the check left them, with its strength row's beside them.
    TFigures AsChecked(const TFatigueRow& row) const
    {
        TFigures figures{row.FatigueSafety, row.YieldSafety, std::nullopt};
        try {
            figures.Strength = StrengthRatio(row, {row.Small, row.Large, row.Radius, row.Sharp, in.Material});
        } catch (const KorvelError&) {
            // The strength table says why it has no figure here.
        }
        return figures;
    }

    bool Holds(const TFigures& f) const
    {
        const TFatigueInputs& limits = in.Inputs.Fatigue;
        return (!f.Fatigue || *f.Fatigue >= limits.FatigueSafety) && (!f.Yield || *f.Yield >= limits.YieldSafety) &&
               (!f.Strength || *f.Strength >= 1);
    }

    // Whether the slopes and deflections of a drawing stay within their limits; none when they
    // cannot be worked out (too few bearings, a plane not calculated).
    std::optional<bool> DeflectionVerdict(const QStringList& memo) const
    {
        try {
            const TDeflectionCheck check = CheckStiffness(in.Analysis, in.Loads, DrawnContour(memo, in.ArcSteps), in.Inputs);
            if (!check.Problem.isEmpty()) return std::nullopt;
            return std::none_of(check.Rows.begin(), check.Rows.end(), [](const TDeflectionRow& r) { return r.Exceeds; });
        } catch (const KorvelError&) {
            return std::nullopt;
        }
    }
};

// A sharp corner's row holds the radius estimated for its step height; another height needs
// another estimate.
TTrial AsDrawn(const TFatigueRow& row, const TFatigueMaterial& material)
{
    return {row.Small, row.Large, row.Sharp ? 0 : row.Radius, row.Sharp, material};
}

struct TMargin {
    TGoverning governing = TGoverning::Fatigue;
    long double figure = 0, required = 1;
    long double Ratio() const { return figure / required; }
};

// The figure that lies furthest below (or least above) its limit.
std::optional<TMargin> GoverningMargin(const TFigures& f, const TFatigueInputs& limits)
{
    std::optional<TMargin> worst;
    const auto consider = [&worst](TGoverning governing, const std::optional<long double>& figure, long double required) {
        if (!figure) return;
        const TMargin margin{governing, *figure, required};
        if (!worst || margin.Ratio() < worst->Ratio()) worst = margin;
    };
    consider(TGoverning::Fatigue, f.Fatigue, limits.FatigueSafety);
    consider(TGoverning::Yield, f.Yield, limits.YieldSafety);
    consider(TGoverning::Strength, f.Strength, 1);
    return worst;
}

std::optional<long double> FigureOf(const TFigures& f, TGoverning governing)
{
    if (governing == TGoverning::Fatigue) return f.Fatigue;
    if (governing == TGoverning::Yield) return f.Yield;
    return f.Strength;
}

struct TTarget {
    size_t row;
    TMargin margin;
};

std::vector<TTarget> Targets(const TSuggestionJob& job, size_t& moreFailing)
{
    std::vector<TTarget> targets;
    const std::vector<TFatigueRow>& rows = job.in.Fatigue.Rows;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].Computed || !rows[i].FatigueSafety) continue;
        const TFigures figures = job.AsChecked(rows[i]);
        if (const std::optional<TMargin> margin = GoverningMargin(figures, job.in.Inputs.Fatigue)) targets.push_back({i, *margin});
    }
    std::stable_sort(targets.begin(), targets.end(), [](const TTarget& a, const TTarget& b) { return a.margin.Ratio() < b.margin.Ratio(); });
    const size_t failing = size_t(std::count_if(targets.begin(), targets.end(), [](const TTarget& t) { return t.margin.Ratio() < 1; }));
    const size_t kept = std::clamp(failing, size_t(1), kMostRows);
    moreFailing = failing > kept ? failing - kept : 0;
    if (targets.size() > kept) targets.resize(kept);
    return targets;
}

// How far from its face the row's cylinder may end: a fillet drawn between them.
long double CylinderReach(const TFatigueRow& row) { return row.Shoulder && !row.Sharp ? row.Radius : 0; }

bool OnASeat(const TSuggestionInputs& in, const TFatigueRow& row)
{
    const std::optional<TCylinderSpan> span = CylinderSpanNear(in.Memo, row.Position, CylinderReach(row), row.Small / 2);
    if (!span) return false;
    return std::any_of(in.Analysis.Reactions.begin(), in.Analysis.Reactions.end(), [&](const Tvector& bearing) {
        return bearing.Position >= span->From - kSameMm && bearing.Position <= span->To + kSameMm;
    });
}

TSizeSuggestion SuggestFillet(const TSuggestionJob& job, const TFatigueRow& row, const TRowSuggestions& target)
{
    TSizeSuggestion fillet;
    const long double height = (row.Large - row.Small) / 2;
    if (target.Seat) fillet.Note = "the bearing's corner radius is not among the inputs: not checked";
    for (long double r : StandardFilletRadii()) {
        if (r > height + kSameMm) break;
        TTrial trial = AsDrawn(row, job.in.Material);
        trial.Radius = r, trial.Sharp = false;
        const TFigures figures = job.Evaluate(row, trial);
        if (!job.Holds(figures)) continue;
        const std::optional<QStringList> drawing = WithFilletRadius(job.in.Memo, row.Position, row.Small / 2, r);
        if (!drawing) {
            fillet.Note = "r = " + FloatToStr(r) + " mm would pass but does not fit the drawn face and cylinder";
            return fillet;
        }
        fillet.Size = r, fillet.Figure = FigureOf(figures, target.Governing).value_or(0), fillet.Drawing = *drawing;
        return fillet;
    }
    fillet.Note = "no DIN 250 radius up to the step's height of " + FloatToStr(height) + " mm passes";
    return fillet;
}

// Smaller than the shoulder's D with its fillet still in the corner.
bool BelowShoulder(const TFatigueRow& row, long double d)
{
    return !row.Shoulder || d + 2 * (row.Sharp ? 0 : row.Radius) < row.Large - kSameMm;
}

TSizeSuggestion SuggestDiameter(const TSuggestionJob& job, const TFatigueRow& row, const TRowSuggestions& target)
{
    TSizeSuggestion diameter;
    const std::vector<long double>& sizes = target.Seat ? BearingBores() : PreferredDiameters();
    for (long double d : sizes) {
        if (!BelowShoulder(row, d)) break;
        if (d <= row.Bore) continue;
        TTrial trial = AsDrawn(row, job.in.Material);
        trial.Small = d;
        if (!row.Shoulder) trial.Large = d;
        const TFigures figures = job.Evaluate(row, trial);
        if (!job.Holds(figures)) continue;
        const std::optional<QStringList> drawing = WithStepRadius(job.in.Memo, row.Position, CylinderReach(row), row.Small / 2, d / 2);
        if (!drawing) continue;
        // A thicker step keeps a stiff enough shaft stiff enough.
        const bool stiffer = d >= row.Small && job.deflectionHolds == true;
        if (job.deflectionHolds && !stiffer && job.DeflectionVerdict(*drawing) != true) continue;
        diameter.Size = d, diameter.Figure = FigureOf(figures, target.Governing).value_or(0), diameter.Drawing = *drawing;
        return diameter;
    }
    const QString series = target.Seat ? "bearing bore" : "Ra40 diameter";
    diameter.Note = row.Shoulder ? "no " + series + " below the shoulder's D = " + FloatToStr(row.Large) + " mm passes"
                                 : "no " + series + " passes";
    return diameter;
}

std::vector<size_t> GradesByStrength(long double rulingDiameter, std::vector<TStrengthBand>& bands)
{
    std::vector<size_t> order;
    bands.assign(SteelGrades().size(), {});
    for (size_t i = 0; i < SteelGrades().size(); ++i) {
        try {
            bands[i] = StrengthBandAt(SteelGrades()[i], rulingDiameter);
            order.push_back(i);
        } catch (const KorvelError&) {
            // The grade's table does not reach this diameter.
        }
    }
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return std::pair(bands[a].UltimateStrength, bands[a].YieldStrength) < std::pair(bands[b].UltimateStrength, bands[b].YieldStrength);
    });
    return order;
}

TGradeSuggestion SuggestGrade(const TSuggestionJob& job, const TFatigueRow& row, const TRowSuggestions& target)
{
    TGradeSuggestion grade;
    std::vector<TStrengthBand> bands;
    for (size_t i : GradesByStrength(job.in.RulingDiameter, bands)) {
        TTrial trial = AsDrawn(row, job.in.Material);
        trial.Material.UltimateStrength = bands[i].UltimateStrength, trial.Material.YieldStrength = bands[i].YieldStrength;
        const TFigures figures = job.Evaluate(row, trial);
        if (!job.Holds(figures)) continue;
        grade.Grade = i, grade.UltimateStrength = bands[i].UltimateStrength, grade.YieldStrength = bands[i].YieldStrength;
        grade.Figure = FigureOf(figures, target.Governing).value_or(0);
        return grade;
    }
    grade.Note = "no grade of the table passes at a ruling diameter of " + FloatToStr(job.in.RulingDiameter) + " mm";
    return grade;
}

std::vector<TInfluence> Influences(const TSuggestionJob& job, const TFatigueRow& row, const TRowSuggestions& target)
{
    const TTrial drawn = AsDrawn(row, job.in.Material);
    std::vector<std::pair<QString, TTrial>> trials;
    TTrial trial = drawn;
    trial.Small *= kTenPercent;
    if (!row.Shoulder) trial.Large = trial.Small;
    trials.push_back({"diameter", trial});
    // A sharp corner has no radius to take 10 % of.
    if (row.Shoulder && !row.Sharp) trial = drawn, trial.Radius *= kTenPercent, trials.push_back({"fillet radius", trial});
    trial = drawn, trial.Material.UltimateStrength *= kTenPercent, trials.push_back({"Sut", trial});
    trial = drawn, trial.MomentScale = kTenPercent, trials.push_back({"bending moment", trial});
    trial = drawn, trial.TorqueScale = kTenPercent, trials.push_back({"torque", trial});
    std::vector<TInfluence> influences;
    for (const auto& [input, tried] : trials)
        if (const std::optional<long double> figure = FigureOf(job.Evaluate(row, tried), target.Governing))
            influences.push_back({input, *figure / target.Figure - 1});
    std::stable_sort(influences.begin(), influences.end(), [](const TInfluence& a, const TInfluence& b) { return std::fabs(a.Change) > std::fabs(b.Change); });
    if (influences.size() > kMostInfluences) influences.resize(kMostInfluences);
    return influences;
}

TRowSuggestions Suggest(const TSuggestionJob& job, const TTarget& target)
{
    const TFatigueRow& row = job.in.Fatigue.Rows[target.row];
    TRowSuggestions s;
    s.Position = row.Position, s.Shoulder = row.Shoulder, s.Fails = target.margin.Ratio() < 1;
    s.Governing = target.margin.governing, s.Figure = target.margin.figure, s.Required = target.margin.required;
    s.Small = row.Small, s.Large = row.Large, s.Radius = row.Radius, s.Sharp = row.Sharp;
    s.Seat = OnASeat(job.in, row);
    if (row.Shoulder && s.Governing != TGoverning::Strength) s.Fillet = SuggestFillet(job, row, s);
    s.Diameter = SuggestDiameter(job, row, s);
    if (s.Governing != TGoverning::Strength && job.in.RulingDiameter > 0) s.Grade = SuggestGrade(job, row, s);
    return s;
}

} // namespace

TSuggestions SuggestChanges(const TSuggestionInputs& inputs)
{
    TSuggestionJob job{inputs};
    TSuggestions suggestions;
    const std::vector<TTarget> targets = Targets(job, suggestions.MoreFailing);
    if (targets.empty()) return suggestions;
    job.deflectionHolds = job.DeflectionVerdict(inputs.Memo);
    for (const TTarget& target : targets) suggestions.Rows.push_back(Suggest(job, target));
    const TFatigueRow& governing = inputs.Fatigue.Rows[targets.front().row];
    suggestions.Rows.front().Influences = Influences(job, governing, suggestions.Rows.front());
    return suggestions;
}

TSuggestions SuggestForFatiguePage(const TFatigueReport& report, const TPageSuggestionInputs& page)
{
    const std::optional<TTwistCycle> cycle = CycleNamed(page.Applied.TwistCycle);
    if (!report.FatigueProblem.isEmpty() || !cycle) return {};
    try {
        const TFatigueMaterial material = FatigueMaterialOf(page.Inputs.Fatigue, page.Applied.Material);
        return SuggestChanges({page.Analysis, page.Data, *cycle, page.Memo, page.ArcSteps, page.Inputs, page.Loads, material,
                               report.Fatigue, page.RulingDiameter});
    } catch (const KorvelError&) {
        return {}; // the fatigue page says why it has no table
    }
}
