#include "profile/verification.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "diagrams/section_moment.h"
#include "dimensioning/combined_stress.h"
#include "profile/arc_circle.h"
#include "profile/contour_index.h"
#include "profile/round_section.h"
#include "profile/dhl_statement.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double kMostStations = 100000;

// Stations of the scan next to each other with no diagram point strictly between the first and
// the last: each plane's moment is linear along the run, so the combined moment is largest at
// one of its ends.
struct TStationRun {
    std::vector<long long> Stations;
    long double Bound = 0; // no ratio in the run is below it
};

// Every whole millimetre from the first to the last analysed position; on a shaft of more than
// 100 m every step-th, as the equal-strength curve takes them, and the last position.
std::vector<long long> ScanStations(long long first, long long last)
{
    const long long step = std::max(1LL, (long long)std::ceil((long double)(last - first) / kMostStations));
    std::vector<long long> stations;
    stations.reserve(size_t((last - first) / step) + 2);
    for (long long s = first; s < last; s += step) stations.push_back(s);
    stations.push_back(last);
    return stations;
}

std::vector<long double> DiagramPositions(const TAnalysisState& analysis)
{
    std::vector<long double> positions;
    for (const Tav* diagram : {&analysis.HorzDiagram, &analysis.VertDiagram})
        for (const TMomentPoint& point : *diagram) positions.push_back(point.Position);
    return SortedStations(std::move(positions));
}

std::vector<TStationRun> StationRuns(const std::vector<long long>& stations, const std::vector<long double>& breaks)
{
    std::vector<TStationRun> runs;
    long double nextBreak = INFINITY; // the first diagram point after the start of the open run
    for (long long s : stations) {
        if (runs.empty() || nextBreak < s) {
            runs.push_back({});
            const auto after = std::upper_bound(breaks.begin(), breaks.end(), (long double)s);
            nextBreak = after == breaks.end() ? INFINITY : *after;
        }
        runs.back().Stations.push_back(s);
    }
    return runs;
}

// Why the required diameter cannot be computed yet, or an empty text.
QString MissingInput(const TAnalysisState& analysis)
{
    const QString planes = UncalculatedPlanes(analysis);
    if (!planes.isEmpty()) return planes;
    if (!(analysis.AllowBendStress > 0)) return "no allowable stress stored: apply the initial data";
    return UnbalancedTorqueProblem(analysis.ElementDrive);
}

struct TStrengthCheck {
    const TAnalysisState& analysis;
    const TData& data;
    const TContourIndex& contour;
    QString missing;
    TSectionMoments moments; // round-off is no moment: an unloaded section requires nothing

    long double Moment(long double x) const { return moments.At(x); }

    TCombinedStress Rule() const
    {
        return PrepareCombinedStress(analysis.TorsionCoeff, ShaftTorqueOf(analysis, data), analysis.AllowBendStress,
                                     data.T3());
    }

    TVerificationRow Row(long double x) const
    {
        TVerificationRow row;
        row.Position = x;
        row.Drawn = contour.DiameterAt(x);
        row.Bore = contour.BoreDiameterAt(x);
        if (!missing.isEmpty()) {
            row.Reason = missing;
            return row;
        }
        try {
            row.Moment = Moment(x);
            row.Required = HollowDiameter(DiameterUnder(Rule(), *row.Moment, x), row.Bore);
            Judge(row);
        } catch (const KorvelError& error) {
            row.Reason = error.Text();
            row.Verdict = TVerdict::Unknown;
        }
        return row;
    }

    static void Judge(TVerificationRow& row)
    {
        if (!row.Drawn) {
            row.Verdict = TVerdict::NotDrawn;
            return;
        }
        if (*row.Required > 0) row.Ratio = CheckedValue(*row.Drawn / *row.Required);
        row.Verdict = row.Ratio && *row.Ratio < 1 ? TVerdict::TooSmall : TVerdict::Ok;
    }

    // The smallest ratio a run of stations could hold: its thinnest drawn section over the
    // diameter its largest moment requires under the shaft's largest torque. None where no
    // station of the run can have a ratio.
    std::optional<long double> LowerBound(const TStationRun& run) const
    {
        std::optional<long double> thinnest;
        long double widestBore = 0;
        for (long long s : run.Stations) {
            const std::optional<long double> drawn = contour.DiameterAt(s);
            if (drawn && (!thinnest || *drawn < *thinnest)) thinnest = drawn;
            widestBore = std::max(widestBore, contour.BoreDiameterAt(s));
        }
        if (!thinnest) return std::nullopt;
        const long double ends = std::max(std::fabs(Moment(run.Stations.front())), std::fabs(Moment(run.Stations.back())));
        const long double required = HollowDiameter(DiameterUnder(Rule(), ends), widestBore);
        if (!(required > 0)) return std::nullopt;
        return *thinnest / required;
    }

    // Every station counts, but the required diameter is costly: runs are searched in
    // the order of their lower bounds, and a run whose bound exceeds the weakest ratio found so
    // far cannot hold a weaker section. Stations where nothing is drawn or nothing is required
    // have no ratio; of equal ratios the leftmost station wins.
    void FindWeakest(TVerification& result) const
    {
        if (!missing.isEmpty()) {
            result.WeakestReason = missing;
            return;
        }
        std::vector<TStationRun> runs;
        try {
            const long long first = Round(analysis.Points.front().Position);
            const long long last = Round(analysis.Points.back().Position);
            for (TStationRun& run : StationRuns(ScanStations(first, last), DiagramPositions(analysis))) {
                const std::optional<long double> bound = LowerBound(run);
                if (!bound) continue;
                run.Bound = *bound;
                runs.push_back(std::move(run));
            }
        } catch (const KorvelError& error) {
            result.WeakestReason = error.Text();
            return;
        }
        std::sort(runs.begin(), runs.end(),
                  [](const TStationRun& a, const TStationRun& b) { return a.Bound < b.Bound; });
        for (const TStationRun& run : runs) {
            if (result.WeakestPosition && run.Bound > result.WeakestRatio) break;
            for (long long s : run.Stations) Consider(result, s);
        }
        if (!result.WeakestPosition) result.WeakestReason = "no loaded section is drawn";
    }

    void Consider(TVerification& result, long long s) const
    {
        const TVerificationRow row = Row(s);
        if (!row.Ratio) return;
        const bool weaker = !result.WeakestPosition || *row.Ratio < result.WeakestRatio ||
                            (*row.Ratio == result.WeakestRatio && s < *result.WeakestPosition);
        if (!weaker) return;
        result.WeakestPosition = s;
        result.WeakestRatio = *row.Ratio;
    }
};

// A chord keeps its circle when the arc between its ends holds neither the leftmost nor the
// rightmost point of the circle (there r(x) would turn back) and both ends lie on the circle, as a
// hand-written arc's need not.
void KeepCircle(TContourSegment& chord, const TArcCircle& circle, long double from, long double to)
{
    constexpr long double kPi = std::numbers::pi_v<long double>;
    const long double tolerance = 1e-9L * (1 + circle.Radius);
    const long double margin = 1e-12L; // an arc that ends at its turning point keeps its circle
    for (long double turn = std::ceil(from / kPi) * kPi; turn <= to; turn += kPi)
        if (turn > from + margin && turn < to - margin) return;
    const auto onCircle = [&](long double x, long double r) {
        return std::fabs(std::hypot(x - circle.CX, r - circle.CY) - circle.Radius) <= tolerance;
    };
    if (!onCircle(chord.X1, chord.R1) || !onCircle(chord.X2, chord.R2)) return;
    chord.CX = circle.CX, chord.CY = circle.CY, chord.Radius = circle.Radius;
    chord.Side = std::sin((from + to) / 2) > 0 ? 1 : -1;
}

// With y away from the axis an arc runs clockwise from its start to its end, so counter-clockwise
// from the radial through its end to the one through its start.
void AppendArcChords(TContour& contour, const TArcStatement& arc, uint8_t arcSteps)
{
    const TArcCircle circle = ArcCircleOf(arc);
    const long double cx = circle.CX, cy = circle.CY, radius = circle.Radius;
    const long double from = std::atan2(arc.YE - cy, arc.XE - cx);
    long double sweep = std::atan2(arc.YS - cy, arc.XS - cx) - from;
    if (sweep < 0) sweep += 2 * std::numbers::pi_v<long double>;
    if (!(radius > 0) || !(sweep > 0) || arcSteps == 0) return;
    // The ends as written, so that the arc meets the lines beside it exactly.
    const auto point = [&](int j) {
        if (j == 0) return TProfilePoint{arc.XE, arc.YE};
        if (j == arcSteps) return TProfilePoint{arc.XS, arc.YS};
        const long double angle = from + sweep * j / arcSteps;
        return TProfilePoint{cx + radius * std::cos(angle), cy + radius * std::sin(angle)};
    };
    for (int j = 0; j < arcSteps; ++j) {
        const TProfilePoint a = point(j), b = point(j + 1);
        TContourSegment chord{a.x, a.r, b.x, b.r};
        KeepCircle(chord, circle, from + sweep * j / arcSteps, from + sweep * (j + 1) / arcSteps);
        contour.push_back(chord);
    }
}

QString OptionalNumber(const std::optional<long double>& value)
{
    return value ? FormatFloat("0.00", *value) : QString();
}

QString VerdictText(const TVerificationRow& row)
{
    switch (row.Verdict) {
    case TVerdict::Ok: return "OK";
    case TVerdict::TooSmall: return "too small";
    case TVerdict::NotDrawn: return "not drawn here";
    case TVerdict::Unknown: break;
    }
    return row.Reason;
}

} // namespace

QString UncalculatedPlanes(const TAnalysisState& analysis)
{
    const bool horizontal = analysis.HorzDiagram.size() >= 2;
    const bool vertical = analysis.VertDiagram.size() >= 2;
    if (!horizontal && !vertical) return "neither plane is calculated";
    if (!horizontal) return "the horizontal plane is not calculated";
    if (!vertical) return "the vertical plane is not calculated";
    return QString();
}

namespace {

TContourSegment BoreSegment(const TLineStatement& line) { return {line.X1, line.Y1, line.X2, line.Y2, 0, 0, 0, 0, true}; }

} // namespace

TContour DrawnContour(const QStringList& memo, uint8_t arcSteps)
{
    TContour contour;
    for (const QString& text : memo) {
        const TStatement statement = ReadStatement(text);
        const TLineStatement& line = statement.Line;
        if (statement.Kind == TStatementKind::Line) contour.push_back({line.X1, line.Y1, line.X2, line.Y2});
        if (statement.Kind == TStatementKind::Arc) AppendArcChords(contour, statement.Arc, arcSteps);
        if (statement.Kind == TStatementKind::Bore) contour.push_back(BoreSegment(line));
    }
    return contour;
}

TContour BoreLines(const QStringList& memo)
{
    TContour bores;
    for (const QString& text : memo)
        if (StatementKind(text) == TStatementKind::Bore) bores.push_back(BoreSegment(ReadStatement(text).Line));
    return bores;
}

TVerification VerifyShaft(const TAnalysisState& analysis, const TData& data, const TContour& contour)
{
    const TContourIndex index(contour);
    const TStrengthCheck check{analysis, data, index, MissingInput(analysis),
                               {analysis.HorzDiagram, analysis.VertDiagram, data.MM()}};
    TVerification result;
    result.OutlineFault = index.OutlineFault();
    result.Rows.reserve(analysis.Points.size());
    for (const TShaftPoint& point : analysis.Points) result.Rows.push_back(check.Row(point.Position));
    if (analysis.Points.empty())
        result.WeakestReason = "no analysed positions";
    else
        check.FindWeakest(result);
    return result;
}

QStringList VerificationCells(const TVerificationRow& row)
{
    const QString bore = row.Bore > 0 ? " (bore " + FormatFloat("0.00", row.Bore) + ")" : QString();
    return {FloatToStr(row.Position), OptionalNumber(row.Moment), OptionalNumber(row.Required),
            OptionalNumber(row.Drawn) + bore, OptionalNumber(row.Ratio), VerdictText(row)};
}

QStringList VerificationHeadings()
{
    return {"x [mm]", "M(x) [N*mm]", "d(x) required [mm]", "d drawn [mm]", "drawn / required", "result"};
}

QString VerificationTableText(const TVerification& verification)
{
    QStringList lines{VerificationHeadings().join('\t')};
    for (const TVerificationRow& row : verification.Rows) lines << VerificationCells(row).join('\t');
    return lines.join('\n') + '\n';
}

QString WeakestSectionText(const TVerification& verification)
{
    const QString text = verification.WeakestPosition
                             ? "Weakest section: x = " + FloatToStr(*verification.WeakestPosition) + " mm, ratio " +
                                   FormatFloat("0.00", verification.WeakestRatio)
                             : "Weakest section: none (" + verification.WeakestReason + ")";
    return verification.OutlineFault.isEmpty() ? text : text + "; " + verification.OutlineFault;
}

bool WeakestSectionFails(const TVerification& verification)
{
    return verification.WeakestPosition && verification.WeakestRatio < 1;
}

const TVerification* TVerificationCache::Check(const TAnalysisState& analysis, const TData& data,
                                               const QStringList& memo, uint8_t arcSteps)
{
    TKey key{StrengthInputsOf(analysis, data), memo, arcSteps};
    if (key_ == key) return failed_ ? nullptr : &result_;
    key_ = std::move(key);
    failed_ = true; // until the check gets through: the same inputs are not checked again
    result_ = VerifyShaft(analysis, data, DrawnContour(memo, arcSteps));
    failed_ = false;
    return &result_;
}
