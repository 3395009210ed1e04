#include "report/report_sections.h"

#include "check/suggestion_texts.h"
#include "common/errors.h"
#include "diagrams/calculation_report.h"
#include "document/decimal_texts.h"
#include "report/deflection_painting.h"
#include "report/diameter_plot.h"
#include "report/fatigue_table.h"
#include "report/plane_diagrams.h"
#include "report/report_blocks.h"
#include "profile/dhl_statement.h"
#include "profile/editor_state.h"
#include "report/profile_steps.h"
#include "report/report_profile.h"
#include "report/torque_painting.h"
#include "report/verdict.h"

#include <QPainter>
#include <algorithm>
#include <functional>

namespace {

// The drawing's outline alone: the bore is drawn from the steps, in hidden lines.
QStringList OutlineStatements(QStringList memo)
{
    memo.removeIf([](const QString& line) { return StatementKind(line) == TStatementKind::Bore; });
    return memo;
}

constexpr int kPlotSamples = 401;
constexpr double kPlotHeight = 230; // points
constexpr double kScreenPixel = 0.75; // points: the plot is laid out in a screen's pixels

using TBlocks = std::vector<TBlock>;

void Append(TBlocks& blocks, TBlocks more) { std::move(more.begin(), more.end(), std::back_inserter(blocks)); }

TBlock Body(const TTypeface& type, const QString& text, bool failing = false)
{
    return TextBlock(type, text, type.Font(kBodySize), failing ? kTooSmallColor : QColor(Qt::transparent));
}

// What the checks come to, with the figure that governs each; failing ones red.
TBlocks VerdictBlocks(const TReportDocument& report, const TTypeface& type)
{
    TBlocks blocks{HeadingBlock(type, "Verdict")};
    if (!report.Checks) {
        blocks.push_back(Body(type, "Not checked: " + report.ChecksProblem, true));
        return blocks;
    }
    const TChecksVerdict verdict = ChecksVerdict(*report.Checks);
    blocks.push_back(TextBlock(type, verdict.Headline(), type.Font(kBodySize, true),
                               verdict.Holds() ? QColor(Qt::transparent) : kTooSmallColor));
    std::vector<QStringList> rows;
    std::vector<bool> failing;
    for (const TGoverningFigure& figure : verdict.Figures) {
        rows.push_back({figure.Check, figure.Figure});
        failing.push_back(figure.Fails);
    }
    Append(blocks, TableBlocks(type, {"Check", "Governing figure"}, rows, failing));
    for (const QString& missing : verdict.NotChecked) blocks.push_back(Body(type, missing, true));
    return blocks;
}

TBlocks TitleBlocks(const TReportDocument& report, const TTypeface& type)
{
    TBlocks blocks{TextBlock(type, "Shaft calculation report", type.Font(18, true))};
    std::vector<QStringList> title;
    for (const auto& [label, value] : TitleBlockRows(report)) title.push_back({label, value});
    Append(blocks, TableBlocks(type, {"Title block", ""}, title, {}));
    Append(blocks, VerdictBlocks(report, type));
    blocks.push_back(HeadingBlock(type, "Main data"));
    std::vector<QStringList> rows;
    for (const auto& [label, value] : MainData(report.Design)) rows.push_back({label, value});
    Append(blocks, TableBlocks(type, {"Quantity", "Value"}, rows, {}));
    const QStringList missing = MissingParts(report);
    if (!missing.isEmpty()) {
        blocks.push_back(HeadingBlock(type, "Not yet in this calculation"));
        for (const QString& part : missing) blocks.push_back(Body(type, part));
    }
    return blocks;
}

QString PlaneName(bool horizontal) { return horizontal ? "Horizontal plane" : "Vertical plane"; }

// Each plane's scheme and diagrams drawn again on paper, and the resultant moment of both.
TBlocks DiagramBlocks(const TReportDocument& report, const TTypeface& type)
{
    if (report.Pages.Planes.empty()) return {};
    TBlocks blocks{HeadingBlock(type, "Load schemes and diagrams", true)};
    for (const TPlanePage& plane : report.Pages.Planes) Append(blocks, PlaneDiagramBlocks(type, plane, report.Pages.Loads));
    Append(blocks, ResultantMomentBlocks(type, report.Pages));
    return blocks;
}

// The appendix: each plane's page as the page window draws it, pixel for pixel.
TBlocks PageBlocks(const TReportDocument& report, const TTypeface& type)
{
    TBlocks blocks;
    for (const TPlanePage& plane : report.Pages.Planes) {
        const int sheets = (plane.Page.height() + kPageHeight - 1) / kPageHeight;
        for (int sheet = 0; sheet < sheets; ++sheet) {
            QString caption = "Appendix: " + PlaneName(plane.Horizontal) + ": the diagram page";
            if (!plane.Calculated) caption += " (not calculated: the load scheme only)";
            if (sheets > 1) caption += QString(", part %1 of %2").arg(sheet + 1).arg(sheets);
            const int first = sheet * kPageHeight;
            blocks.push_back(ImageSliceBlock(type, caption, plane.Page, first,
                                             std::min(kPageHeight, plane.Page.height() - first)));
        }
    }
    return blocks;
}

TBlocks LoadBlocks(const TReportDocument& report, const TTypeface& type)
{
    TBlocks blocks{HeadingBlock(type, "Loads and reactions")};
    for (bool horizontal : {true, false}) {
        std::vector<QStringList> rows;
        for (const TEnteredLoad& load : report.Pages.Loads)
            if (load.Horizontal == horizontal) rows.push_back(LoadCells(load));
        blocks.push_back(CaptionBlock(type, PlaneName(horizontal)));
        if (rows.empty()) blocks.push_back(Body(type, "No loads entered."));
        else Append(blocks, TableBlocks(type, LoadHeadings(), rows, {}));
        const auto plane = std::find_if(report.Pages.Planes.begin(), report.Pages.Planes.end(),
                                        [&](const TPlanePage& page) { return page.Horizontal == horizontal; });
        if (plane == report.Pages.Planes.end() || !plane->Calculated) {
            blocks.push_back(Body(type, "Reactions: not calculated."));
            continue;
        }
        if (!plane->Method.isEmpty()) blocks.push_back(Body(type, plane->Method));
        for (const QString& line : {plane->Reactions, plane->Maxima, plane->CriticalSection})
            blocks.push_back(Body(type, line));
    }
    const QStringList resultants = ResultantLines(report.Pages);
    if (!resultants.isEmpty()) blocks.push_back(Body(type, "Bearing loads: " + resultants.join("   ")));
    return blocks;
}

// The bearings by their letter, and the loads at each place by their names, as the drawing marks them.
std::vector<TDrawingMark> DrawingMarks(const TPlanePages& pages)
{
    std::vector<TDrawingMark> marks;
    if (!pages.Planes.empty())
        for (const Tvector& bearing : pages.Planes.front().Bearings) marks.push_back({bearing.Name.right(1), bearing.Position, true});
    for (const TEnteredLoad& load : pages.Loads) {
        if (load.Kind == TEntryKind::Bearing) continue;
        const auto same = std::find_if(marks.begin(), marks.end(),
                                       [&](const TDrawingMark& mark) { return !mark.Bearing && mark.Position == load.Load.Position; });
        if (same == marks.end()) marks.push_back({load.Load.Name, load.Load.Position, false});
        else same->Name += ", " + load.Load.Name;
    }
    return marks;
}

TBlocks DrawingBlocks(const TReportDocument& report, const TTypeface& type)
{
    TBlocks blocks{HeadingBlock(type, "The shaft as drawn")};
    if (report.Design.Profile.isEmpty()) {
        blocks.push_back(Body(type, "Nothing is drawn in the profile editor."));
        return blocks;
    }
    std::vector<TProfileStep> steps;
    try {
        steps = DrawnSteps(report.Design.Profile, TEditorState().ArcSteps);
    } catch (const KorvelError& error) {
        blocks.push_back(Body(type, "The steps cannot be listed: " + error.Text(), true));
    }
    try {
        Append(blocks, ProfileBlocks(type, ProfileDrawing(OutlineStatements(ShownDecimals(report.Design).Profile)), steps,
                                     DrawingMarks(report.Pages)));
    } catch (const KorvelError& error) {
        blocks.push_back(Body(type, "The drawing cannot be shown: " + error.Text(), true));
    }
    std::vector<QStringList> rows;
    const bool hollow = AnyHollow(steps);
    for (const TProfileStep& step : steps) rows.push_back(ProfileStepCells(step, hollow));
    if (!rows.empty()) Append(blocks, TableBlocks(type, ProfileStepHeadings(hollow), rows, {}));
    return blocks;
}

// The one line under each check's heading that says how it is made and from which source, so
// that a checker can follow it.
const QString kStrengthMethod = QStringLiteral(
    "Method: d = (32 Me / (pi sigma_a))^(1/3), Me = sqrt(M^2 + (k/4) (alpha T)^2), T the twisting moment at "
    "the section, k = 4 by the 3rd strength theory, 3 by the 5th. Through a bore of diameter d_i the outer "
    "diameter D is required, the root of D^4 - c D - d_i^4 = 0 with c = 32 Me / (pi sigma_a); I, J and A "
    "of the section take both contours (Shigley, 10th ed., table A-18).");
const QString kDeflectionMethod = QStringLiteral(
    "Method: the elastic line y'' = M / (E I) of the drawn shaft (Euler-Bernoulli beam, Shigley's Mechanical "
    "Engineering Design, 10th ed., sec. 4-4), through each bearing's own giving R / k.");
const QString kSpeedMethod = QStringLiteral(
    "Method: the lowest eigenvalue of the drawn shaft as cubic Hermite beam elements with consistent mass, "
    "with the mounted masses, on its bearings as supports or radial springs.");
const QString kTorqueMethod = QStringLiteral(
    "T(x) as the shaft's elements pass it on, N*m: each element adds its torque where it sits. A section "
    "exactly at an element is checked with the larger |T| of its two sides.");
const QString kFatigueMethod = QStringLiteral(
    "Method: Kt from Peterson's Stress Concentration Factors, 3rd ed. (Pilkey, 2008); q by Neuber (Shigley, "
    "10th ed., eq. 6-35); Se by Marin's factors (eq. 6-18); n_f by the modified Goodman line (eq. 6-46); "
    "n_y on the first cycle's von Mises peak (eq. 7-15, 7-16); the twist as the sum of T L / (G J) (eq. "
    "3-35); bearing lives L10 = (C / P)^p by ISO 281:2007.");

// The drawn steps for the plots; none where the drawing does not read (its table says why).
std::vector<TProfileStep> StepsOrNone(const TReportDocument& report)
{
    try {
        return DrawnSteps(report.Design.Profile, TEditorState().ArcSteps);
    } catch (const KorvelError&) {
        return {};
    }
}

TBlocks StrengthBlocks(const TVerification& strength, const std::vector<TProfileStep>& steps, const TTypeface& type)
{
    TBlocks blocks{HeadingBlock(type, "Strength"), Body(type, kStrengthMethod)};
    std::vector<QStringList> rows;
    std::vector<bool> failing;
    for (const TVerificationRow& row : strength.Rows) {
        rows.push_back(VerificationCells(row));
        failing.push_back(row.Verdict == TVerdict::TooSmall);
    }
    Append(blocks, TableBlocks(type, VerificationHeadings(), rows, failing));
    blocks.push_back(Body(type, WeakestSectionText(strength), WeakestSectionFails(strength)));
    Append(blocks, DiameterPlotBlocks(type, strength, steps));
    return blocks;
}

// A plot drawn in screen pixels across the written width, scaled to the page.
TBlock PlotBlockOf(qreal height, const TTypeface& type, std::function<void(QPainter&, const QRectF&)> paint)
{
    const QFont font = type.Font(7 / kScreenPixel);
    return {height, [=](QPainter& painter) {
                painter.save();
                painter.setRenderHint(QPainter::Antialiasing);
                painter.scale(kScreenPixel, kScreenPixel);
                painter.setFont(font);
                paint(painter, QRectF(0, 0, kWrittenWidth / kScreenPixel, height / kScreenPixel));
                painter.restore();
            }};
}

TBlock PlotBlock(const TDeflectionCheck& check, const TTypeface& type)
{
    const TDeflectionPlotContent content{*check.Shaft, check.Bearings,
                                         DeflectionCurves(check.Deflection, *check.Shaft, kPlotSamples)};
    return PlotBlockOf(kPlotHeight, type,
                       [content](QPainter& painter, const QRectF& area) { PaintDeflectionPlot(painter, area, content); });
}

TBlocks DeflectionBlocks(const TDeflectionCheck& check, const TTypeface& type)
{
    TBlocks blocks{HeadingBlock(type, "Deflection"), Body(type, kDeflectionMethod)};
    if (!check.Problem.isEmpty() || !check.Shaft) {
        blocks.push_back(Body(type, check.Problem));
        return blocks;
    }
    blocks.push_back(PlotBlock(check, type));
    std::vector<QStringList> rows;
    std::vector<bool> failing;
    for (const TDeflectionRow& row : check.Rows) {
        rows.push_back(DeflectionCells(row));
        failing.push_back(row.Exceeds);
    }
    Append(blocks, TableBlocks(type, DeflectionHeadings(), rows, failing));
    return blocks;
}

// T(x) of the shaft's elements; a shaft without elements has Mt over its span, stated in the inputs.
TBlocks TorqueBlocks(const TInputsUsed& used, const TTypeface& type)
{
    if (used.ElementDrive.Steps.empty()) return {};
    const TTorquePlotContent content{used.ElementDrive.Steps, used.ShaftLength};
    const TBlock plot = PlotBlockOf(kPlotHeight / 2, type, [content](QPainter& painter, const QRectF& area) {
        PaintTorquePlot(painter, area, content);
    });
    return {HeadingBlock(type, "Twisting moment"), Body(type, kTorqueMethod), plot};
}

TBlocks SpeedBlocks(const TSpeedCheck& check, const TTypeface& type)
{
    TBlocks blocks{HeadingBlock(type, "Critical speed"), Body(type, kSpeedMethod), Body(type, CriticalSpeedText(check))};
    if (!SpeedRatioText(check).isEmpty()) blocks.push_back(Body(type, SpeedRatioText(check), check.NearResonance));
    return blocks;
}

// The factors of each shoulder, then the stresses and safeties of every section; a failing
// section red in both.
TBlocks NotchTableBlocks(const TFatigueReport& report, const TTypeface& type)
{
    const std::optional<size_t> weakest = report.Fatigue.Weakest;
    std::vector<QStringList> factors, stresses;
    std::vector<bool> factorsFailing, failing;
    for (size_t i = 0; i < report.Fatigue.Rows.size(); ++i) {
        const TFatigueRow& row = report.Fatigue.Rows[i];
        if (row.Computed && row.Shoulder) { // a plain section has no notch; the second table has its Se
            factors.push_back(FatigueFactorCells(row, weakest == i));
            factorsFailing.push_back(row.Fails(report.Limits));
        }
        stresses.push_back(FatigueStressCells(row, weakest == i));
        failing.push_back(row.Fails(report.Limits));
    }
    TBlocks blocks;
    if (!factors.empty()) Append(blocks, TableBlocks(type, FatigueFactorHeadings(), factors, factorsFailing));
    blocks.push_back(Body(type, ""));
    Append(blocks, TableBlocks(type, FatigueStressHeadings(), stresses, failing));
    blocks.push_back(Body(type, FatigueTableKey()));
    blocks.push_back(Body(type, WeakestNotchText(report.Fatigue), weakest && report.Fatigue.Rows[*weakest].Fails(report.Limits)));
    return blocks;
}

TBlocks FatigueBlocks(const TFatigueReport& report, long double twistLimit, const TTypeface& type)
{
    TBlocks blocks{HeadingBlock(type, "Fatigue"), Body(type, kFatigueMethod)};
    if (!report.FatigueProblem.isEmpty()) blocks.push_back(Body(type, report.FatigueProblem));
    else Append(blocks, NotchTableBlocks(report, type));
    if (!report.TwistProblem.isEmpty()) blocks.push_back(Body(type, report.TwistProblem));
    else blocks.push_back(Body(type, TwistAngleText(report.Twist, twistLimit), report.Twist.TooLarge));
    for (size_t i = 0; i < report.Bearings.size(); ++i)
        blocks.push_back(Body(type, NamedBearingLifeText(i, report.Bearings[i]), report.Bearings[i].Short));
    return blocks;
}

// One change at a time, each with the figure it would give its row; nothing of it is in the
// drawing above.
TBlocks SuggestionBlocks(const TSuggestions& suggestions, const TTypeface& type)
{
    if (suggestions.Rows.empty()) return {};
    TBlocks blocks{HeadingBlock(type, "What to change"),
                   Body(type, "Each change alone, at the failing rows (the worst first) or at the weakest row when all pass; "
                              "none is applied to the drawing.")};
    std::vector<QStringList> rows;
    std::vector<bool> failing;
    for (const TRowSuggestions& row : suggestions.Rows)
        for (const QString& line : SuggestionLines(row)) {
            rows.push_back({line.trimmed()});
            failing.push_back(row.Fails && !line.startsWith(' '));
        }
    Append(blocks, TableBlocks(type, {"Row and change"}, rows, failing));
    if (suggestions.MoreFailing > 0)
        blocks.push_back(Body(type, QString("%1 more failing rows not listed").arg(suggestions.MoreFailing), true));
    return blocks;
}

TBlocks CheckBlocks(const TReportDocument& report, const TTypeface& type)
{
    TBlocks blocks{HeadingBlock(type, "Shaft check")};
    if (!report.Checks) {
        blocks.push_back(Body(type, "The shaft checks cannot be made: " + report.ChecksProblem));
        return blocks;
    }
    const TDesignChecks& checks = *report.Checks;
    std::vector<QStringList> inputs;
    for (const auto& [label, value] : CheckInputRows(checks.Inputs, checks.Fatigue.Bearings.size()))
        inputs.push_back({label, value});
    Append(blocks, TableBlocks(type, {"Input of the checks", "Value"}, inputs, {}));
    for (const TCheckNotMade& notMade : checks.NotMade) blocks.push_back(Body(type, NotMadeText(notMade), true));
    Append(blocks, StrengthBlocks(checks.Strength, StepsOrNone(report), type));
    Append(blocks, DeflectionBlocks(checks.Shaft.Deflection, type));
    Append(blocks, SpeedBlocks(checks.Shaft.Speed, type));
    Append(blocks, TorqueBlocks(checks.Inputs, type));
    Append(blocks, FatigueBlocks(checks.Fatigue, checks.Inputs.Check.Fatigue.TwistLimit, type));
    Append(blocks, SuggestionBlocks(checks.Suggestions, type));
    return blocks;
}

} // namespace

std::vector<TBlock> ReportBlocks(const TReportDocument& report, const TTypeface& type)
{
    // The inputs fill the first page under the verdict; the diagrams start the next.
    TBlocks blocks = TitleBlocks(report, type);
    Append(blocks, LoadBlocks(report, type));
    Append(blocks, DiagramBlocks(report, type));
    Append(blocks, DrawingBlocks(report, type));
    Append(blocks, CheckBlocks(report, type));
    Append(blocks, PageBlocks(report, type));
    return blocks;
}
