#include "report/report_document.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kFixed = QStringLiteral("0.00");

bool Calculated(const TPlaneEntries& plane) { return plane.Step == TPlaneStep::Calculated; }

QString BearingPositions(const TDesign& design)
{
    QStringList positions;
    for (const TLoadEntry& entry : design.Horizontal.Entries)
        if (entry.Kind == TEntryKind::Bearing) positions << FloatToStr(entry.Position) + " mm";
    return positions.isEmpty() ? QStringLiteral("none entered") : positions.join(", ");
}

QString Applied(const TDimensioningInputs& inputs, const QString& value, const QString& unit)
{
    if (!inputs.Applied) return QStringLiteral("not applied");
    return value + unit;
}

QString KindName(TEntryKind kind)
{
    switch (kind) {
    case TEntryKind::Bearing: return QStringLiteral("bearing");
    case TEntryKind::Force: return QStringLiteral("force");
    case TEntryKind::Moment: break;
    }
    return QStringLiteral("moment");
}

QString DirectionName(const TEnteredLoad& load)
{
    if (load.Kind == TEntryKind::Moment)
        return load.Load.Direction == 1 ? QStringLiteral("clockwise") : QStringLiteral("counter-clockwise");
    if (load.Kind == TEntryKind::Bearing) return QString();
    return load.Load.Direction == 1 ? QStringLiteral("with the reactions") : QStringLiteral("against the reactions");
}

} // namespace

TReportDocument MakeReportDocument(const TDesign& design, const QString& fileName, const QDate& date)
{
    TReportDocument report{fileName, date, design, ReplayPlanePages(design), std::nullopt, QString()};
    try {
        report.Checks = CheckDesignWithoutWindows(design);
    } catch (const KorvelError& error) {
        report.ChecksProblem = error.Text();
    }
    return report;
}

QList<QPair<QString, QString>> TitleBlockRows(const TReportDocument& report)
{
    const TReportDetails& details = report.Design.Report;
    const QString date = details.Date.isEmpty() ? report.Date.toString(Qt::ISODate) : details.Date;
    return {{"Project", details.Project}, {"Drawing number", details.Drawing}, {"Revision", details.Revision},
            {"Engineer", details.Engineer}, {"Checked by", details.Checker}, {"Date", date},
            {"Design", report.FileName}, {"Program", "Korvel " KORVEL_VERSION}};
}

namespace {

QString WithUnit(long double value, const QString& unit) { return FloatToStr(value) + " " + unit; }
QString Optional(const std::optional<long double>& value, const QString& unit)
{
    return value ? WithUnit(*value, unit) : QString("not given");
}

QString BearingInputsText(const TBearingInputs& bearing)
{
    const QString rating = bearing.Rating > 0 ? "C = " + WithUnit(bearing.Rating, "kN") : QString("no rating C");
    const QString stiffness = bearing.Stiffness > 0 ? "k = " + WithUnit(bearing.Stiffness, "N/mm") : QString("rigid");
    const QString factors = "X / Y = " + FloatToStr(bearing.XUpToE) + " / " + FloatToStr(bearing.YUpToE) +
                            " for Fa/Fr <= e = " + FloatToStr(bearing.E) + ", " + FloatToStr(bearing.XBeyondE) + " / " +
                            FloatToStr(bearing.YBeyondE) + " beyond";
    return BearingKindNames()[size_t(bearing.Kind)] + ", " + rating + ", " + stiffness + ", " + factors;
}

QString TorqueText(const TInputsUsed& used)
{
    const QString span = " over x = " + FloatToStr(used.TorqueFrom) + " ... " + WithUnit(used.TorqueTo, "mm");
    if (!used.ElementDrive.Balanced) return TorquesUnbalancedText(used.ElementDrive.TorqueSum);
    if (used.ElementDrive.Steps.empty()) return WithUnit(used.TwistingMoment, "N*mm") + span;
    return "T(x) of the elements, largest |T| " + WithUnit(used.TwistingMoment, "N*mm") + span;
}

} // namespace

QList<QPair<QString, QString>> CheckInputRows(const TInputsUsed& used, size_t bearings)
{
    const TCheckInputs& check = used.Check;
    const TFatigueInputs& fatigue = check.Fatigue;
    QList<QPair<QString, QString>> rows{
        {"Operating speed n", check.Speed > 0 ? WithUnit(check.Speed, "rpm") : QString("not given")},
        {"Ultimate strength Sut", Optional(used.UltimateStrength, "MPa")},
        {"Yield strength Sy", Optional(used.YieldStrength, "MPa")},
        {"Modulus of elasticity E", WithUnit(check.Modulus, "MPa")},
        {"Shear modulus G", WithUnit(fatigue.ShearModulus, "MPa")},
        {"Density", WithUnit(check.Density, "kg/m^3")},
        {"Surface", SurfaceNames()[size_t(fatigue.Surface)]},
        {"Reliability", ReliabilityNames()[size_t(fatigue.Reliability)]},
        {"Required n_f / n_y", FloatToStr(fatigue.FatigueSafety) + " / " + FloatToStr(fatigue.YieldSafety)},
        {"Slope limit at the bearings", WithUnit(check.SlopeLimit, "rad")},
        {"Deflection limit", FloatToStr(check.DeflectionRatio) + " x the span (twice an overhang)"},
        {"Twisting moment Mt", TorqueText(used)},
        {"Twist limit", WithUnit(fatigue.TwistLimit, "deg/m")},
        {"Required bearing life L10h", WithUnit(fatigue.RequiredLife, "h")},
        {"Axial load taken by", "bearing " + QString(QChar(u'A' + fatigue.LocatingBearing))},
        {"Axial load Fa", WithUnit(std::fabs(used.ElementDrive.AxialForce), "N")}};
    if (!fatigue.Grade.isEmpty())
        rows.insert(1, {"Steel grade", fatigue.Grade + (fatigue.RulingDiameter ? ", ruling diameter " + WithUnit(*fatigue.RulingDiameter, "mm")
                                                                                 : QString(", ruling diameter the largest drawn"))});
    for (const TMountedMass& mass : check.Masses)
        rows.append({"Mass at x = " + WithUnit(mass.Position, "mm"), WithUnit(mass.Mass, "kg")});
    for (size_t i = 0; i < std::min(bearings, fatigue.Bearings.size()); ++i)
        rows.append({"Bearing " + QString(QChar('A' + int(i))), BearingInputsText(fatigue.Bearings[i])});
    return rows;
}

QString PageFootText(const TReportDocument& report)
{
    const QString revision = report.Design.Report.Revision;
    return revision.isEmpty() ? report.FileName : report.FileName + ", revision " + revision;
}

QStringList MissingParts(const TReportDocument& report)
{
    const TDesign& design = report.Design;
    QStringList missing;
    if (design.Horizontal.Step == TPlaneStep::NotStarted) missing << "No loads are entered in the horizontal plane.";
    else if (!Calculated(design.Horizontal)) missing << "The horizontal plane is not calculated.";
    if (design.Vertical.Step == TPlaneStep::NotStarted) missing << "No loads are entered in the vertical plane.";
    else if (!Calculated(design.Vertical)) missing << "The vertical plane is not calculated.";
    if (!design.Dimensioning.Applied) missing << "The dimensioning inputs (material, Mt, theory) are not applied.";
    if (design.Profile.isEmpty()) missing << "Nothing is drawn in the profile editor.";
    if (!report.ChecksProblem.isEmpty()) missing << "The shaft checks cannot be made: " + report.ChecksProblem;
    return missing;
}

QList<QPair<QString, QString>> MainData(const TDesign& design)
{
    const TDimensioningInputs& inputs = design.Dimensioning;
    const QString theory = inputs.Theory == 0 ? "3rd breaking theory (4)" : "5th breaking theory (3)";
    const bool hasLength = design.Horizontal.Step > TPlaneStep::Length;
    return {{"Shaft length L", hasLength ? FloatToStr(design.ShaftLength) + " mm" : QStringLiteral("not entered")},
            {"Bearings at", BearingPositions(design)},
            {"Material", Applied(inputs, inputs.Material, QString())},
            {"Twisting moment Mt", design.Elements.empty() ? Applied(inputs, inputs.TwistingMoment, " N*mm")
                                                           : QStringLiteral("T(x) of the shaft elements")},
            {"Variation cycle of twisting stress", Applied(inputs, inputs.TwistCycle, QString())},
            {"Strength theory", Applied(inputs, theory, QString())},
            {"Allowable bending stresses", Applied(inputs, inputs.StaticStress + " / " + inputs.PulsatoryStress + " / " +
                                                               inputs.AlternatingStress, " MPa (static / pulsatory / alternating)")},
            {"Coefficient alpha", Applied(inputs, inputs.TorsionCoeff, QString())}};
}

QStringList LoadHeadings() { return {"Name", "Kind", "Position [mm]", "Value [N, N*mm]", "Direction"}; }

QStringList LoadCells(const TEnteredLoad& load)
{
    const QString value = load.Kind == TEntryKind::Bearing ? QString() : FormatFloat(kFixed, load.Load.Value);
    return {load.Load.Name, KindName(load.Kind), FloatToStr(load.Load.Position), value, DirectionName(load)};
}

QStringList ResultantLines(const TPlanePages& pages)
{
    const auto calculated = [&](bool horizontal) -> const TPlanePage* {
        for (const TPlanePage& plane : pages.Planes)
            if (plane.Horizontal == horizontal && plane.Calculated) return &plane;
        return nullptr;
    };
    const TPlanePage* horizontal = calculated(true);
    const TPlanePage* vertical = calculated(false);
    if (!horizontal || !vertical) return {};
    const auto resultant = [](long double h, long double v) { return FormatFloat(kFixed, std::sqrt(h * h + v * v)) + " N"; };
    QStringList lines;
    const size_t bearings = std::min(horizontal->BearingReactions.size(), vertical->BearingReactions.size());
    for (size_t i = 0; i < bearings; ++i)
        lines << "R" + QString(QChar('A' + int(i))) + " = " + resultant(horizontal->BearingReactions[i], vertical->BearingReactions[i]);
    return lines;
}
