#include "report/verdict.h"

#include "common/number_text.h"

#include <algorithm>

namespace {

QString At(long double x) { return "at x = " + FormatFloat("0.0", x) + " mm"; }

TGoverningFigure StrengthFigure(const TVerification& strength)
{
    const bool tooSmall = std::any_of(strength.Rows.begin(), strength.Rows.end(),
                                      [](const TVerificationRow& row) { return row.Verdict == TVerdict::TooSmall; });
    return {"Strength", WeakestSectionText(strength), tooSmall || WeakestSectionFails(strength)};
}

// The row of one kind that comes nearest its limit, against that limit.
std::optional<TGoverningFigure> StiffnessFigure(const std::vector<TDeflectionRow>& rows, TFigureKind kind)
{
    const TDeflectionRow* governing = nullptr;
    bool exceeds = false;
    for (const TDeflectionRow& row : rows) {
        if (row.Kind != kind) continue;
        exceeds = exceeds || row.Exceeds;
        if (row.Limit > 0 && (!governing || row.Resultant / row.Limit > governing->Resultant / governing->Limit))
            governing = &row;
    }
    if (!governing) return std::nullopt;
    const bool slope = kind == TFigureKind::Slope;
    const QString format = slope ? "0.000000" : "0.0000", unit = slope ? " rad" : " mm";
    return TGoverningFigure{slope ? "Slope" : "Deflection",
                            governing->Label + " " + At(governing->Position) + ": " + FormatFloat(format, governing->Resultant) +
                                unit + " (limit " + FormatFloat(format, governing->Limit) + unit + ")",
                            exceeds};
}

TGoverningFigure YieldFigure(const TFatigueReport& fatigue)
{
    const TFatigueRow* weakest = nullptr;
    for (const TFatigueRow& row : fatigue.Fatigue.Rows)
        if (row.YieldSafety && (!weakest || *row.YieldSafety < *weakest->YieldSafety)) weakest = &row;
    if (!weakest) return {"Yield", "no loaded section", false};
    return {"Yield", "smallest n_y = " + FormatFloat("0.00", *weakest->YieldSafety) + " " + At(weakest->Position) +
                         " (required " + FormatFloat("0.00", fatigue.Limits.YieldSafety) + ")",
            *weakest->YieldSafety < fatigue.Limits.YieldSafety};
}

std::optional<TGoverningFigure> LifeFigure(const TFatigueReport& fatigue, long double required)
{
    std::optional<size_t> shortest;
    for (size_t i = 0; i < fatigue.Bearings.size(); ++i)
        if (fatigue.Bearings[i].Hours && (!shortest || *fatigue.Bearings[i].Hours < *fatigue.Bearings[*shortest].Hours))
            shortest = i;
    if (!shortest) return std::nullopt;
    const TBearingLife& life = fatigue.Bearings[*shortest];
    return TGoverningFigure{"Bearing life", "shortest L10h = " + FormatFloat("0", *life.Hours) + " h at bearing " +
                                                QChar('A' + int(*shortest)) + " (required " + FormatFloat("0", required) + " h)",
                            life.Short};
}

void AddFatigueFigures(std::vector<TGoverningFigure>& figures, const TDesignChecks& checks)
{
    const TFatigueReport& fatigue = checks.Fatigue;
    const auto fails = [&](const TFatigueRow& row) { return row.FatigueSafety && *row.FatigueSafety < fatigue.Limits.FatigueSafety; };
    figures.push_back({"Fatigue", WeakestNotchText(fatigue.Fatigue),
                       std::any_of(fatigue.Fatigue.Rows.begin(), fatigue.Fatigue.Rows.end(), fails)});
    figures.push_back(YieldFigure(fatigue));
    if (checks.Inputs.TwistingMoment != 0)
        figures.push_back({"Twist", TwistAngleText(fatigue.Twist, checks.Inputs.Check.Fatigue.TwistLimit), fatigue.Twist.TooLarge});
    if (const auto life = LifeFigure(fatigue, checks.Inputs.Check.Fatigue.RequiredLife)) figures.push_back(*life);
}

} // namespace

bool TChecksVerdict::Holds() const
{
    return NotChecked.isEmpty() && std::none_of(Figures.begin(), Figures.end(), [](const auto& f) { return f.Fails; });
}

QString TChecksVerdict::Headline() const
{
    if (Holds()) return "All checks hold";
    QStringList failing;
    for (const TGoverningFigure& figure : Figures)
        if (figure.Fails) failing << figure.Check.toLower();
    if (!NotChecked.isEmpty()) failing << "not every check could be made";
    return "These checks fail: " + failing.join(", ");
}

TChecksVerdict ChecksVerdict(const TDesignChecks& checks)
{
    TChecksVerdict verdict;
    verdict.Figures.push_back(StrengthFigure(checks.Strength));
    for (TFigureKind kind : {TFigureKind::Slope, TFigureKind::Deflection})
        if (const auto figure = StiffnessFigure(checks.Shaft.Deflection.Rows, kind)) verdict.Figures.push_back(*figure);
    if (checks.Shaft.Speed.CriticalSpeed)
        verdict.Figures.push_back({"Critical speed", CriticalSpeedText(checks.Shaft.Speed) + "; " + SpeedRatioText(checks.Shaft.Speed),
                                   checks.Shaft.Speed.NearResonance});
    AddFatigueFigures(verdict.Figures, checks);
    for (const TCheckNotMade& missing : checks.NotMade) verdict.NotChecked << NotMadeText(missing);
    return verdict;
}
