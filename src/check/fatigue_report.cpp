#include "check/fatigue_report.h"

#include "analysis/load_entry.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "dimensioning/materials.h"

#include <algorithm>
#include <cmath>

std::optional<TTwistCycle> CycleNamed(const QString& name)
{
    const auto& names = TwistCycleNames();
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) return std::nullopt;
    return TTwistCycle(found - names.begin());
}

namespace {

void CheckNotches(TFatigueReport& report, const TAnalysisState& analysis, const TData& data,
                  const TAppliedDimensioning& applied, const QStringList& memo, const TContour& contour,
                  const TCheckInputs& inputs)
{
    const std::optional<TTwistCycle> cycle = CycleNamed(applied.TwistCycle);
    if (!cycle) RaiseError("Apply the dimensioning inputs first: the cycle of the twisting stress is not known");
    const TFatigueMaterial material = FatigueMaterialOf(inputs.Fatigue, applied.Material);
    report.Fatigue = CheckFatigue(analysis, data, *cycle, {FindNotches(memo), contour}, material);
}

TBearingLife AxialLoadWithoutBearing(long double radial, long double axial, int locating)
{
    TBearingLife life;
    life.Load = radial;
    life.Problem = "the axial load of " + FormatFloat("0.00", axial) + " N has no bearing: bearing " +
                   QChar('A' + locating) + ", which takes it, is not on the shaft";
    return life;
}

// The locating bearing alone holds the shaft along its axis, so it takes the whole axial force.
// An axial force with no such bearing on the shaft is carried by none: no life can be stated.
std::vector<TBearingLife> BearingLives(const TAnalysisState& analysis, const TCheckInputs& inputs)
{
    const TFatigueInputs& fatigue = inputs.Fatigue;
    const std::vector<long double> loads =
        BearingLoads(analysis.HorzReactions, analysis.VertReactions, ShaftBearingCount(analysis));
    const long double axial = std::fabs(analysis.ElementDrive.AxialForce);
    const bool carried = axial == 0 || size_t(fatigue.LocatingBearing) < loads.size();
    std::vector<TBearingLife> lives;
    for (size_t i = 0; i < loads.size(); ++i) {
        const long double fa = int(i) == fatigue.LocatingBearing ? axial : 0;
        lives.push_back(carried ? BearingLife(loads[i], fa, fatigue.Bearings[i], inputs.Speed, fatigue.RequiredLife)
                                : AxialLoadWithoutBearing(loads[i], axial, fatigue.LocatingBearing));
    }
    return lives;
}

} // namespace

TFatigueReport MakeFatigueReport(const TAnalysisState& analysis, const TData& data, const TAppliedDimensioning& applied,
                                 const QStringList& memo, uint8_t arcSteps, const TCheckInputs& inputs)
{
    const TFatigueInputs& fatigue = inputs.Fatigue;
    TFatigueReport report;
    report.Limits = {fatigue.FatigueSafety, fatigue.YieldSafety};
    TContour contour;
    try {
        contour = DrawnContour(memo, arcSteps);
        CheckNotches(report, analysis, data, applied, memo, contour, inputs);
    } catch (const KorvelError& error) {
        report.FatigueProblem = error.Text();
    }
    try {
        report.Twist = TwistAngle(contour, ShaftTorqueOf(analysis, data), analysis.ShaftLength, fatigue.ShearModulus,
                                  fatigue.TwistLimit);
    } catch (const KorvelError& error) {
        report.TwistProblem = error.Text();
    }
    report.Bearings = BearingLives(analysis, inputs);
    return report;
}

QString TwistAngleText(const TTwistAngle& twist, long double limit)
{
    return "Twist over x = " + FloatToStr(twist.From) + " ... " + FloatToStr(twist.To) + " mm: " +
           FormatFloat("0.000", twist.Degrees) + " deg, " + FormatFloat("0.000", twist.DegreesPerMetre) +
           " deg/m (limit " + FloatToStr(limit) + " deg/m)";
}

QString BearingLifeText(const TBearingLife& life)
{
    QString text = "P = " + FormatFloat("0.00", life.Load) + " N";
    if (life.Axial != 0) text += " (Fa = " + FormatFloat("0.00", life.Axial) + " N)";
    if (life.Revolutions) text += ", L10 = " + FormatFloat("0.00", *life.Revolutions) + " million revolutions";
    if (life.Hours) text += ", L10h = " + FormatFloat("0", *life.Hours) + " h";
    if (!life.Problem.isEmpty()) text += ": " + life.Problem;
    return text;
}

QString NamedBearingLifeText(size_t index, const TBearingLife& life)
{
    return QString("Bearing ") + QChar('A' + int(index)) + ": " + BearingLifeText(life);
}

TFatigueRequest MakeFatigueRequest(const TAnalysisState& analysis, const TData& data, const TAppliedDimensioning& applied,
                                   const QStringList& memo, uint8_t arcSteps, const TCheckInputs& inputs)
{
    TFatigueRequest request{MakeCheckRequest(analysis, {}, memo, arcSteps, inputs), {}, applied};
    const TTwistSpan& span = analysis.TwistSpan;
    using Number = long double;
    request.Numbers = {data.MT(), Number(data.MM()), Number(span.From.has_value()), span.From.value_or(0),
                       Number(span.To.has_value()), span.To.value_or(0), analysis.ShaftLength,
                       Number(ShaftBearingCount(analysis))};
    for (size_t i = 0; i < size_t(ShaftBearingCount(analysis)); ++i)
        request.Numbers.insert(request.Numbers.end(), {analysis.HorzReactions[i], analysis.VertReactions[i]});
    for (const TShaftPoint& point : analysis.Points) request.Numbers.push_back(point.Position);
    request.Drive = analysis.ElementDrive;
    return request;
}
