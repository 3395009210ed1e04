#include "report/check_summary.h"

#include <QJsonArray>

namespace {

QString Indented(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) text += "  " + line + '\n';
    return text;
}

QString StrengthText(const TVerification& strength)
{
    QStringList lines{VerificationHeadings().join('\t')};
    for (const TVerificationRow& row : strength.Rows) lines << VerificationCells(row).join('\t');
    lines << WeakestSectionText(strength);
    return "Strength\n" + Indented(lines);
}

QString DeflectionText(const TDeflectionCheck& deflection)
{
    if (!deflection.Problem.isEmpty()) return "Deflection\n" + Indented({deflection.Problem});
    QStringList lines{DeflectionHeadings().join('\t')};
    for (const TDeflectionRow& row : deflection.Rows)
        lines << DeflectionCells(row).join('\t') + (row.Exceeds ? "\tbeyond the limit" : "");
    return "Deflection\n" + Indented(lines);
}

QString SpeedText(const TSpeedCheck& speed)
{
    QStringList lines{CriticalSpeedText(speed)};
    if (!SpeedRatioText(speed).isEmpty()) lines << SpeedRatioText(speed);
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
        lines << QString(i == 0 ? "Bearing A: " : "Bearing B: ") + BearingLifeText(report.Bearings[i]) +
                     (report.Bearings[i].Short ? "\tshort of the required life" : "");
    return "Fatigue\n" + Indented(lines);
}

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

QJsonObject StrengthJson(const TVerification& strength)
{
    QJsonArray rows;
    for (const TVerificationRow& row : strength.Rows)
        rows.append(QJsonObject{{"position", double(row.Position)}, {"moment", Number(row.Moment)},
                                {"required", Number(row.Required)}, {"drawn", Number(row.Drawn)},
                                {"ratio", Number(row.Ratio)}, {"verdict", VerdictName(row.Verdict)},
                                {"reason", row.Reason}});
    QJsonObject weakest{{"position", Number(strength.WeakestPosition)}, {"text", WeakestSectionText(strength)}};
    if (strength.WeakestPosition) weakest["ratio"] = double(strength.WeakestRatio);
    return {{"rows", rows}, {"weakest", weakest}, {"passed", !WeakestSectionFails(strength)}};
}

QJsonObject DeflectionJson(const TDeflectionCheck& deflection)
{
    QJsonArray rows;
    for (const TDeflectionRow& row : deflection.Rows)
        rows.append(QJsonObject{{"label", row.Label}, {"kind", row.Kind == TFigureKind::Slope ? "slope" : "deflection"},
                                {"position", double(row.Position)}, {"horizontal", double(row.Horizontal)},
                                {"vertical", double(row.Vertical)}, {"resultant", double(row.Resultant)},
                                {"limit", double(row.Limit)}, {"exceeds", row.Exceeds}});
    return {{"problem", deflection.Problem}, {"rows", rows}};
}

QJsonObject SpeedJson(const TSpeedCheck& speed)
{
    return {{"problem", speed.Problem}, {"criticalSpeed", Number(speed.CriticalSpeed)}, {"ratio", Number(speed.Ratio)},
            {"nearResonance", speed.NearResonance}};
}

QJsonObject FatigueJson(const TFatigueReport& report)
{
    QJsonArray rows;
    for (const TFatigueRow& row : report.Fatigue.Rows)
        rows.append(QJsonObject{{"position", double(row.Position)}, {"shoulder", row.Shoulder}, {"sharp", row.Sharp},
                                {"d", double(row.Small)}, {"D", double(row.Large)}, {"r", double(row.Radius)},
                                {"Kf", double(row.Kf)}, {"Kfs", double(row.Kfs)},
                                {"fatigueSafety", Number(row.FatigueSafety)}, {"yieldSafety", Number(row.YieldSafety)},
                                {"fails", row.Fails(report.Limits)}, {"reason", row.Reason}});
    QJsonArray bearings;
    for (const TBearingLife& life : report.Bearings)
        bearings.append(QJsonObject{{"load", double(life.Load)}, {"hours", Number(life.Hours)}, {"short", life.Short},
                                    {"problem", life.Problem}});
    const QJsonObject twist{{"problem", report.TwistProblem}, {"degrees", double(report.Twist.Degrees)},
                            {"degreesPerMetre", double(report.Twist.DegreesPerMetre)}, {"tooLarge", report.Twist.TooLarge}};
    return {{"problem", report.FatigueProblem}, {"rows", rows}, {"weakest", WeakestNotchText(report.Fatigue)},
            {"twist", twist}, {"bearings", bearings}};
}

} // namespace

QString CheckSummaryText(const QString& fileName, const TDesignChecks& checks)
{
    const QString verdict = DesignChecksPass(checks) ? "passed" : "FAILED";
    return "== " + fileName + ": " + verdict + '\n' + StrengthText(checks.Strength) +
           DeflectionText(checks.Shaft.Deflection) + SpeedText(checks.Shaft.Speed) +
           FatigueText(checks.Fatigue, checks.TwistLimit);
}

QJsonObject CheckSummaryJson(const QString& fileName, const TDesignChecks& checks)
{
    return {{"file", fileName}, {"passed", DesignChecksPass(checks)}, {"strength", StrengthJson(checks.Strength)},
            {"deflection", DeflectionJson(checks.Shaft.Deflection)}, {"criticalSpeed", SpeedJson(checks.Shaft.Speed)},
            {"fatigue", FatigueJson(checks.Fatigue)}};
}
