#include "check/stiffness_and_speed.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double kResonanceLow = 0.7L, kResonanceHigh = 1.3L;

std::optional<long double> BearingPosition(const TAnalysisState& analysis, QChar letter)
{
    for (const Tvector& bearing : analysis.Reactions)
        if (bearing.Name.size() == 3 && bearing.Name.endsWith(letter)) return bearing.Position;
    return std::nullopt;
}

struct TBearings {
    long double A = 0, B = 0;
};

TBearings Bearings(const TAnalysisState& analysis)
{
    const std::optional<long double> a = BearingPosition(analysis, 'A'), b = BearingPosition(analysis, 'B');
    if (!a || !b) RaiseError("Bearings A and B are not both entered");
    if (*a == *b) RaiseError("Bearings A and B stand at the same position");
    return {*a, *b};
}

QString MissingPlane(const TAnalysisState& analysis)
{
    const bool horizontal = analysis.HorzDiagram.size() >= 2, vertical = analysis.VertDiagram.size() >= 2;
    if (!horizontal && !vertical) return "Neither plane is calculated";
    if (!horizontal) return "The horizontal plane is not calculated";
    if (!vertical) return "The vertical plane is not calculated";
    return QString();
}

// The loads off the bearings, once each.
std::vector<long double> LoadsOffBearings(std::vector<long double> loads, const TBearings& bearings)
{
    std::sort(loads.begin(), loads.end());
    loads.erase(std::unique(loads.begin(), loads.end()), loads.end());
    std::erase_if(loads, [&](long double x) { return x == bearings.A || x == bearings.B; });
    return loads;
}

TShaftGeometry Geometry(const TContour& contour, const TBearings& bearings, const std::vector<long double>& loads)
{
    long double from = std::min(bearings.A, bearings.B), to = std::max(bearings.A, bearings.B);
    for (long double x : loads) from = std::min(from, x), to = std::max(to, x);
    return ShaftGeometry(contour, from, to);
}

// Each bearing under the plane's reaction, as the solver left it.
TBearingGiving Giving(double reactionA, double reactionB, const TCheckInputs& inputs)
{
    const auto& bearings = inputs.Fatigue.Bearings;
    return {BearingGiving(reactionA, bearings[0].Stiffness), BearingGiving(reactionB, bearings[1].Stiffness)};
}

void CheckDeflection(TDeflectionCheck& check, const TAnalysisState& analysis, const std::vector<long double>& loads,
                     const TCheckInputs& inputs)
{
    const TShaftGeometry& shaft = *check.Shaft;
    check.Deflection.Horizontal = PlaneDeflection(shaft, analysis.HorzDiagram, check.BearingA, check.BearingB,
                                                  inputs.Modulus, Giving(analysis.HorzReactions[0], analysis.HorzReactions[1], inputs));
    check.Deflection.Vertical = PlaneDeflection(shaft, analysis.VertDiagram, check.BearingA, check.BearingB,
                                                inputs.Modulus, Giving(analysis.VertReactions[0], analysis.VertReactions[1], inputs));
    const TDeflectionLimits limits{inputs.SlopeLimit, inputs.DeflectionRatio * std::fabs(check.BearingB - check.BearingA)};
    check.Rows = DeflectionRows({check.Deflection, shaft, check.BearingA, check.BearingB}, loads, limits);
}

void CheckSpeed(TSpeedCheck& check, const TShaftGeometry& shaft, const TBearings& bearings, const TCheckInputs& inputs)
{
    const auto& springs = inputs.Fatigue.Bearings;
    check.CriticalSpeed = FirstCriticalSpeed(shaft, bearings.A, bearings.B, inputs.Modulus, inputs.Density, inputs.Masses,
                                             {springs[0].Stiffness, springs[1].Stiffness});
    if (!(inputs.Speed > 0)) return;
    check.Ratio = CheckedDivide(inputs.Speed, *check.CriticalSpeed);
    check.NearResonance = *check.Ratio >= kResonanceLow && *check.Ratio <= kResonanceHigh;
}

// Runs one check, turning its refusal into the check's Problem.
template <class Check, class Run>
void Attempt(Check& check, const Run& run)
{
    if (!check.Problem.isEmpty()) return;
    try {
        run();
    } catch (const KorvelError& error) {
        check.Problem = error.Text();
    }
}

} // namespace

TStiffnessAndSpeed CheckStiffnessAndSpeed(const TAnalysisState& analysis, const std::vector<long double>& loads,
                       const TContour& contour, const TCheckInputs& inputs)
{
    TStiffnessAndSpeed result;
    const QString bad = CheckInputsProblem(inputs);
    result.Deflection.Problem = result.Speed.Problem = bad;
    std::optional<TShaftGeometry> shaft;
    TBearings bearings;
    std::vector<long double> offBearings;
    Attempt(result.Speed, [&] {
        bearings = Bearings(analysis);
        offBearings = LoadsOffBearings(loads, bearings);
        shaft = Geometry(contour, bearings, offBearings);
    });
    if (result.Deflection.Problem.isEmpty()) result.Deflection.Problem = result.Speed.Problem;
    if (result.Deflection.Problem.isEmpty()) result.Deflection.Problem = MissingPlane(analysis);
    result.Deflection.Shaft = shaft;
    result.Deflection.BearingA = bearings.A;
    result.Deflection.BearingB = bearings.B;
    Attempt(result.Deflection, [&] { CheckDeflection(result.Deflection, analysis, offBearings, inputs); });
    Attempt(result.Speed, [&] { CheckSpeed(result.Speed, *shaft, bearings, inputs); });
    return result;
}

QString BearingStiffnessText(const TCheckInputs& inputs)
{
    const auto& bearings = inputs.Fatigue.Bearings;
    if (std::all_of(bearings.begin(), bearings.end(), [](const TBearingInputs& b) { return b.Stiffness == 0; })) return QString();
    const auto text = [](long double stiffness) { return stiffness == 0 ? QString("rigid") : FloatToStr(stiffness) + " N/mm"; };
    return "Bearings on springs: A " + text(bearings[0].Stiffness) + ", B " + text(bearings[1].Stiffness);
}

QString CriticalSpeedText(const TSpeedCheck& check)
{
    if (!check.CriticalSpeed) return check.Problem;
    return "First critical speed: n_cr = " + FormatFloat("0", *check.CriticalSpeed) + " rpm";
}

QString SpeedRatioText(const TSpeedCheck& check)
{
    if (!check.CriticalSpeed) return QString();
    if (!check.Ratio) return "Enter the operating speed to compare it with n_cr";
    QString text = "n / n_cr = " + FormatFloat("0.000", *check.Ratio);
    if (check.NearResonance) text += ": within 0.7 to 1.3 of the critical speed";
    return text;
}
