#include "report/check_summary.h"

#include "check/endurance.h"
#include "check/steel_grades.h"
#include "check/suggestion_texts.h"
#include "elements/element_entry.h"

#include <QJsonArray>
#include <cmath>

namespace {

QString Indented(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) text += "  " + line + '\n';
    return text;
}

QString NotMadeText(const std::vector<TCheckNotMade>& notMade)
{
    if (notMade.empty()) return QString();
    QStringList lines;
    for (const TCheckNotMade& check : notMade) lines << NotMadeText(check);
    return "Not checked\n" + Indented(lines);
}

QString StrengthText(const TVerification& strength)
{
    QStringList lines{VerificationHeadings().join('\t')};
    for (const TVerificationRow& row : strength.Rows) lines << VerificationCells(row).join('\t');
    lines << WeakestSectionText(strength);
    return "Strength\n" + Indented(lines);
}

// Elastic bearings are named under the figures they change; rigid ones, as ever, go unsaid.
QStringList WithStiffness(QStringList lines, const TCheckInputs& inputs, int bearingCount)
{
    const QString springs = BearingStiffnessText(inputs, bearingCount);
    if (!springs.isEmpty()) lines << springs;
    return lines;
}

QString DeflectionText(const TDeflectionCheck& deflection, const TCheckInputs& inputs)
{
    if (!deflection.Problem.isEmpty()) return "Deflection\n" + Indented({deflection.Problem});
    QStringList lines{DeflectionHeadings().join('\t')};
    for (const TDeflectionRow& row : deflection.Rows)
        lines << DeflectionCells(row).join('\t') + (row.Exceeds ? "\tbeyond the limit" : "");
    return "Deflection\n" + Indented(WithStiffness(lines, inputs, int(deflection.Bearings.size())));
}

QString SpeedText(const TSpeedCheck& speed, const TCheckInputs& inputs)
{
    QStringList lines{CriticalSpeedText(speed)};
    if (!SpeedRatioText(speed).isEmpty()) lines << SpeedRatioText(speed);
    if (speed.CriticalSpeed) lines = WithStiffness(lines, inputs, speed.BearingCount);
    return "Critical speed\n" + Indented(lines);
}

QString FatigueText(const TFatigueReport& report, long double twistLimit)
{
    QStringList lines;
    if (!report.FatigueProblem.isEmpty()) {
        lines << report.FatigueProblem;
    } else {
        lines << FatigueHeadings().join('\t');
        for (const TFatigueRow& row : report.Fatigue.Rows)
            lines << FatigueCells(row).join('\t') + (row.Fails(report.Limits) ? "\tbelow the required safety" : "");
        lines << WeakestNotchText(report.Fatigue);
    }
    if (!report.TwistProblem.isEmpty())
        lines << report.TwistProblem;
    else
        lines << TwistAngleText(report.Twist, twistLimit) + (report.Twist.TooLarge ? "\tbeyond the limit" : "");
    for (size_t i = 0; i < report.Bearings.size(); ++i)
        lines << NamedBearingLifeText(i, report.Bearings[i]) +
                     (report.Bearings[i].Short ? "\tshort of the required life" : "");
    return "Fatigue\n" + Indented(lines);
}

QString SuggestionsText(const TSuggestions& suggestions)
{
    if (suggestions.Rows.empty()) return QString();
    QStringList lines;
    for (const TRowSuggestions& row : suggestions.Rows) lines << SuggestionLines(row);
    if (suggestions.MoreFailing > 0) lines << QString("%1 more failing rows not listed").arg(suggestions.MoreFailing);
    return "What to change\n" + Indented(lines);
}

QString BearingLetter(size_t index) { return QString(QChar('A' + int(index))); }

QJsonValue Number(const std::optional<long double>& value)
{
    return value ? QJsonValue(double(*value)) : QJsonValue();
}

QString VerdictName(TVerdict verdict)
{
    switch (verdict) {
    case TVerdict::Ok: return "ok";
    case TVerdict::TooSmall: return "too small";
    case TVerdict::NotDrawn: return "not drawn";
    case TVerdict::Unknown: break;
    }
    return "unknown";
}

// The bore of each row is the one the required diameter was worked out for: the wider at a step.
QJsonObject StrengthJson(const TVerification& strength)
{
    QJsonArray rows;
    for (const TVerificationRow& row : strength.Rows)
        rows.append(QJsonObject{{"position", double(row.Position)}, {"moment", Number(row.Moment)},
                                {"required", Number(row.Required)}, {"drawn", Number(row.Drawn)},
                                {"bore", double(row.Bore)},
                                {"ratio", Number(row.Ratio)}, {"verdict", VerdictName(row.Verdict)},
                                {"reason", row.Reason}});
    QJsonObject weakest{{"position", Number(strength.WeakestPosition)}, {"text", WeakestSectionText(strength)}};
    if (strength.WeakestPosition) weakest["ratio"] = double(strength.WeakestRatio);
    return {{"rows", rows}, {"weakest", weakest}, {"passed", !WeakestSectionFails(strength)}};
}

// The loads entered at x, in either plane.
QJsonArray LoadsAt(long double x, const std::vector<TNamedLoad>& loads)
{
    QJsonArray named;
    for (const TNamedLoad& load : loads)
        if (load.Position == x)
            named.append(QJsonObject{{"name", load.Name}, {"plane", load.Horizontal ? "horizontal" : "vertical"}});
    return named;
}

// Slopes at a bearing, deflections at the loads, the largest in each span and on each
// overhang: the labels are the rows' own.
QString FigurePlace(const TDeflectionRow& row)
{
    if (row.Kind == TFigureKind::Slope) return "bearing";
    return row.Label.startsWith("Deflection at") ? "load" : "largest";
}

QJsonObject DeflectionJson(const TDeflectionCheck& deflection, const std::vector<TNamedLoad>& loads)
{
    QJsonArray rows;
    for (const TDeflectionRow& row : deflection.Rows) {
        const bool slope = row.Kind == TFigureKind::Slope;
        QJsonObject json{{"label", row.Label}, {"kind", slope ? "slope" : "deflection"}, {"unit", slope ? "rad" : "mm"},
                         {"place", FigurePlace(row)}, {"position", double(row.Position)},
                         {"horizontal", double(row.Horizontal)}, {"vertical", double(row.Vertical)},
                         {"resultant", double(row.Resultant)}, {"limit", double(row.Limit)}, {"exceeds", row.Exceeds}};
        if (slope) json["bearing"] = row.Label.right(1);
        if (FigurePlace(row) == "load") json["loads"] = LoadsAt(row.Position, loads);
        rows.append(json);
    }
    return {{"problem", deflection.Problem}, {"rows", rows}};
}

QJsonObject SpeedJson(const TSpeedCheck& speed)
{
    return {{"problem", speed.Problem}, {"criticalSpeed", Number(speed.CriticalSpeed)}, {"ratio", Number(speed.Ratio)},
            {"nearResonance", speed.NearResonance}};
}

QJsonObject FatigueRowJson(const TFatigueRow& row, const TFatigueLimits& limits)
{
    return {{"position", double(row.Position)}, {"shoulder", row.Shoulder}, {"d", double(row.Small)},
            {"D", double(row.Large)}, {"bore", double(row.Bore)}, {"r", double(row.Radius)}, {"computed", row.Computed},
            {"radiusEstimated", row.Sharp}, {"outsideFit", !row.Sharp && (row.Bending.Estimate || row.Torsion.Estimate)},
            {"sizeOutsideFit", row.Endurance.SizeEstimate}, {"Kt", double(row.Bending.Kt)},
            {"Kts", double(row.Torsion.Kt)}, {"q", double(row.Q)}, {"qs", double(row.Qs)}, {"Kf", double(row.Kf)},
            {"Kfs", double(row.Kfs)}, {"Se", double(row.Endurance.Limit)}, {"M", double(row.Moment)},
            {"T", double(row.Torque)}, {"sigmaA", double(row.SigmaA)}, {"sigmaM", double(row.SigmaM)},
            {"tauA", double(row.TauA)}, {"tauM", double(row.TauM)}, {"vonMisesA", double(row.VonMisesA)},
            {"vonMisesM", double(row.VonMisesM)}, {"fatigueSafety", Number(row.FatigueSafety)},
            {"yieldSafety", Number(row.YieldSafety)}, {"fails", row.Fails(limits)}, {"reason", row.Reason}};
}

QJsonObject WeakestNotchJson(const TFatigueCheck& fatigue)
{
    QJsonObject weakest{{"text", WeakestNotchText(fatigue)}, {"row", QJsonValue()}, {"position", QJsonValue()},
                        {"fatigueSafety", QJsonValue()}};
    if (!fatigue.Weakest) return weakest;
    const TFatigueRow& row = fatigue.Rows[*fatigue.Weakest];
    weakest["row"] = int(*fatigue.Weakest);
    weakest["position"] = double(row.Position);
    weakest["fatigueSafety"] = Number(row.FatigueSafety);
    return weakest;
}

QJsonArray BearingsJson(const TFatigueReport& report)
{
    QJsonArray bearings;
    for (size_t i = 0; i < report.Bearings.size(); ++i) {
        const TBearingLife& life = report.Bearings[i];
        bearings.append(QJsonObject{{"bearing", BearingLetter(i)}, {"load", double(life.Load)},
                                    {"axialLoad", double(life.Axial)},
                                    {"revolutions", Number(life.Revolutions)}, {"hours", Number(life.Hours)},
                                    {"short", life.Short}, {"unloaded", life.Unloaded}, {"problem", life.Problem}});
    }
    return bearings;
}

QJsonObject FatigueJson(const TFatigueReport& report)
{
    QJsonArray rows;
    for (const TFatigueRow& row : report.Fatigue.Rows) rows.append(FatigueRowJson(row, report.Limits));
    const QJsonObject twist{{"problem", report.TwistProblem}, {"from", double(report.Twist.From)},
                            {"to", double(report.Twist.To)}, {"degrees", double(report.Twist.Degrees)},
                            {"degreesPerMetre", double(report.Twist.DegreesPerMetre)}, {"tooLarge", report.Twist.TooLarge}};
    return {{"problem", report.FatigueProblem}, {"rows", rows}, {"weakest", WeakestNotchJson(report.Fatigue)},
            {"twist", twist}, {"bearings", BearingsJson(report)}};
}

// T(x) of the shaft's elements, N*m; empty without elements.
QJsonArray TorqueStepsJson(const TElementDrive& drive)
{
    QJsonArray steps;
    for (const TTorqueStep& step : drive.Steps)
        steps.append(QJsonObject{{"position", double(step.Position)}, {"torque", double(step.Torque)}});
    return steps;
}

QJsonObject InputsJson(const TInputsUsed& used)
{
    const TCheckInputs& check = used.Check;
    const TFatigueInputs& fatigue = check.Fatigue;
    QJsonArray masses, bearings;
    for (const TMountedMass& mass : check.Masses) masses.append(QJsonObject{{"position", double(mass.Position)}, {"mass", double(mass.Mass)}});
    for (size_t i = 0; i < size_t(used.BearingCount); ++i) {
        const TBearingInputs& bearing = fatigue.Bearings[i];
        bearings.append(QJsonObject{{"bearing", BearingLetter(i)}, {"kind", BearingKindNames()[size_t(bearing.Kind)]},
                                    {"rating", double(bearing.Rating)}, {"stiffness", double(bearing.Stiffness)},
                                    {"xUpToE", double(bearing.XUpToE)}, {"yUpToE", double(bearing.YUpToE)},
                                    {"xBeyondE", double(bearing.XBeyondE)}, {"yBeyondE", double(bearing.YBeyondE)},
                                    {"e", double(bearing.E)}});
    }
    return {{"modulus", double(check.Modulus)}, {"shearModulus", double(fatigue.ShearModulus)},
            {"density", double(check.Density)}, {"speed", double(check.Speed)}, {"masses", masses},
            {"slopeLimit", double(check.SlopeLimit)}, {"deflectionRatio", double(check.DeflectionRatio)},
            {"twistingMoment", double(used.TwistingMoment)},
            {"torqueSpan", QJsonObject{{"from", double(used.TorqueFrom)}, {"to", double(used.TorqueTo)}}},
            {"twistLimit", double(fatigue.TwistLimit)}, {"grade", fatigue.Grade.isEmpty() ? QJsonValue() : fatigue.Grade},
            {"rulingDiameter", fatigue.RulingDiameter ? QJsonValue(double(*fatigue.RulingDiameter)) : QJsonValue()},
            {"ultimateStrength", Number(used.UltimateStrength)},
            {"yieldStrength", Number(used.YieldStrength)}, {"surface", SurfaceNames()[size_t(fatigue.Surface)]},
            {"reliability", ReliabilityNames()[size_t(fatigue.Reliability)]},
            {"fatigueSafety", double(fatigue.FatigueSafety)}, {"yieldSafety", double(fatigue.YieldSafety)},
            {"torqueSteps", TorqueStepsJson(used.ElementDrive)},
            {"bearings", bearings}, {"locatingBearing", BearingLetter(size_t(fatigue.LocatingBearing))},
            {"requiredLife", double(fatigue.RequiredLife)}};
}

QJsonArray PlaneLoadsJson(const std::vector<TPlaneLoad>& loads)
{
    QJsonArray array;
    for (const TPlaneLoad& load : loads) {
        const QString sense = load.Couple ? (load.Clockwise ? "clockwise" : "counter-clockwise")
                                          : (load.WithReactions ? "with the reactions" : "against the reactions");
        array.append(QJsonObject{{"kind", load.Couple ? "moment" : "force"}, {"position", double(load.Position)},
                                 {"value", double(load.Value)}, {"sense", sense}});
    }
    return array;
}

// Each element with the loads it puts on the shaft, as the planes take them.
QJsonObject ElementsJson(const TInputsUsed& used)
{
    const QStringList names = ElementNames(used.Elements);
    QJsonArray list;
    for (size_t i = 0; i < used.Elements.size(); ++i) {
        const TMachineElement& element = used.Elements[i];
        const TElementLoads loads = ResolveElement(element, used.Drive);
        list.append(QJsonObject{{"name", names[qsizetype(i)]}, {"position", double(element.Position)},
                                {"mass", double(element.Mass)}, {"torque", double(loads.Torque)},
                                {"axialForce", double(loads.AxialForce)},
                                {"vertical", PlaneLoadsJson(loads.Vertical)}, {"horizontal", PlaneLoadsJson(loads.Horizontal)}});
    }
    const TElementDrive& drive = used.ElementDrive;
    return {{"rotation", used.Drive.Rotation == TShaftRotation::CounterClockwise ? "counter-clockwise" : "clockwise"},
            {"list", list}, {"axialForce", double(drive.AxialForce)}, {"torquesBalance", drive.Balanced},
            {"torqueSum", double(drive.TorqueSum)}};
}

QJsonArray NotMadeJson(const std::vector<TCheckNotMade>& notMade)
{
    QJsonArray checks;
    for (const TCheckNotMade& check : notMade) checks.append(QJsonObject{{"check", check.Check}, {"reason", check.Reason}});
    return checks;
}

QJsonObject SizeJson(const TSizeSuggestion& size)
{
    return {{"size", Number(size.Size)}, {"figure", size.Size ? QJsonValue(double(size.Figure)) : QJsonValue()}, {"note", size.Note}};
}

QJsonObject GradeJson(const TGradeSuggestion& grade)
{
    if (!grade.Grade) return {{"grade", QJsonValue()}, {"note", grade.Note}};
    return {{"grade", SteelGrades()[*grade.Grade].Name}, {"ultimateStrength", double(grade.UltimateStrength)},
            {"yieldStrength", double(grade.YieldStrength)}, {"figure", double(grade.Figure)}, {"note", grade.Note}};
}

QJsonObject SuggestedRowJson(const TRowSuggestions& row)
{
    QJsonArray influences;
    for (const TInfluence& influence : row.Influences) influences.append(QJsonObject{{"input", influence.Input}, {"change", double(influence.Change)}});
    const char* governing[] = {"fatigue", "yield", "strength"};
    QJsonObject json{{"position", double(row.Position)}, {"shoulder", row.Shoulder}, {"bearingSeat", row.Seat},
                     {"fails", row.Fails}, {"governing", governing[int(row.Governing)]}, {"figure", double(row.Figure)},
                     {"required", double(row.Required)}, {"d", double(row.Small)}, {"D", double(row.Large)},
                     {"r", double(row.Radius)}, {"diameter", SizeJson(row.Diameter)}, {"influences", influences}};
    json["fillet"] = row.Fillet ? QJsonValue(SizeJson(*row.Fillet)) : QJsonValue();
    json["grade"] = row.Grade ? QJsonValue(GradeJson(*row.Grade)) : QJsonValue();
    return json;
}

QJsonObject SuggestionsJson(const TSuggestions& suggestions)
{
    QJsonArray rows;
    for (const TRowSuggestions& row : suggestions.Rows) rows.append(SuggestedRowJson(row));
    return {{"rows", rows}, {"moreFailing", double(suggestions.MoreFailing)}};
}

QJsonObject UnitsJson()
{
    return {{"length", "mm"}, {"force", "N"}, {"moment", "N*mm"}, {"stress", "MPa"}, {"slope", "rad"},
            {"speed", "rpm"}, {"mass", "kg"}, {"density", "kg/m^3"}, {"rating", "kN"}, {"stiffness", "N/mm"}, {"revolutions", "millions"},
            {"life", "h"}, {"twist", "deg"}, {"twistPerLength", "deg/m"}};
}

} // namespace

QString CheckSummaryText(const QString& fileName, const TDesignChecks& checks)
{
    const QString verdict = DesignChecksPass(checks) ? "passed" : "FAILED";
    return "== " + fileName + ": " + verdict + '\n' + NotMadeText(checks.NotMade) + StrengthText(checks.Strength) +
           DeflectionText(checks.Shaft.Deflection, checks.Inputs.Check) + SpeedText(checks.Shaft.Speed, checks.Inputs.Check) +
           FatigueText(checks.Fatigue, checks.Inputs.Check.Fatigue.TwistLimit) + SuggestionsText(checks.Suggestions);
}

QJsonObject CheckSummaryJson(const QString& fileName, const TDesignChecks& checks)
{
    return {{"format", "korvel-check"}, {"version", kCheckSummaryVersion}, {"units", UnitsJson()},
            {"file", fileName}, {"passed", DesignChecksPass(checks)}, {"notChecked", NotMadeJson(checks.NotMade)},
            {"inputs", InputsJson(checks.Inputs)}, {"strength", StrengthJson(checks.Strength)},
            {"deflection", DeflectionJson(checks.Shaft.Deflection, checks.Inputs.Loads)},
            {"criticalSpeed", SpeedJson(checks.Shaft.Speed)}, {"fatigue", FatigueJson(checks.Fatigue)},
            {"elements", ElementsJson(checks.Inputs)}, {"suggestions", SuggestionsJson(checks.Suggestions)}};
}
