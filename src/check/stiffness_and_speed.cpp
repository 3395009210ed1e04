#include "check/stiffness_and_speed.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace {

constexpr long double kResonanceLow = 0.7L, kResonanceHigh = 1.3L;

// One bearing is a pivot and none a free body: the shaft is a mechanism, not a beam.
const QString kTooFewBearings = "The shaft needs at least two bearings: on fewer it is a mechanism, not a beam";

// Where each bearing stands, A first, in the order of entry.
std::vector<long double> Bearings(const TAnalysisState& analysis)
{
    std::vector<long double> bearings;
    for (const Tvector& bearing : analysis.Reactions) bearings.push_back(bearing.Position);
    if (bearings.size() < 2) RaiseError(kTooFewBearings);
    // Each bearing's reaction and stiffness are kept for A to H only; an older design may list more.
    if (bearings.size() > kBearingLetters)
        RaiseError("The shaft check takes at most " + QString::number(kBearingLetters) + " bearings, not " +
                   QString::number(bearings.size()));
    for (size_t i = 0; i < bearings.size(); ++i)
        for (size_t j = i + 1; j < bearings.size(); ++j)
            if (bearings[i] == bearings[j])
                RaiseError(QString("Bearings %1 and %2 stand at the same position").arg(QChar('A' + int(i)), QChar('A' + int(j))));
    return bearings;
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
std::vector<long double> LoadsOffBearings(std::vector<long double> loads, const std::vector<long double>& bearings)
{
    std::sort(loads.begin(), loads.end());
    loads.erase(std::unique(loads.begin(), loads.end()), loads.end());
    std::erase_if(loads, [&](long double x) { return std::find(bearings.begin(), bearings.end(), x) != bearings.end(); });
    return loads;
}

TShaftGeometry Geometry(const TContour& contour, const std::vector<long double>& bearings, const std::vector<long double>& loads)
{
    const auto [first, last] = std::minmax_element(bearings.begin(), bearings.end());
    long double from = *first, to = *last;
    for (long double x : loads) from = std::min(from, x), to = std::max(to, x);
    return ShaftGeometry(contour, from, to);
}

// Each bearing under the plane's reaction, as the solver left it.
std::vector<TBearingGiving> Giving(const std::vector<long double>& bearings, const std::array<double, kBearingLetters>& reactions,
                                   const TCheckInputs& inputs)
{
    std::vector<TBearingGiving> giving;
    for (size_t i = 0; i < bearings.size(); ++i)
        giving.push_back({bearings[i], BearingGiving(reactions[i], inputs.Fatigue.Bearings[i].Stiffness)});
    return giving;
}

void CheckDeflection(TDeflectionCheck& check, const TAnalysisState& analysis, const std::vector<long double>& loads,
                     const TCheckInputs& inputs)
{
    const TShaftGeometry& shaft = *check.Shaft;
    const std::vector<long double>& bearings = check.Bearings;
    check.Deflection.Horizontal =
        PlaneDeflection(shaft, analysis.HorzDiagram, Giving(bearings, analysis.HorzReactions, inputs), inputs.Modulus);
    check.Deflection.Vertical =
        PlaneDeflection(shaft, analysis.VertDiagram, Giving(bearings, analysis.VertReactions, inputs), inputs.Modulus);
    check.Rows = DeflectionRows({check.Deflection, shaft, bearings}, loads, {inputs.SlopeLimit, inputs.DeflectionRatio});
}

// Every bearing a support: held where rigid, on its spring where elastic.
void CheckSpeed(TSpeedCheck& check, const TShaftGeometry& shaft, const std::vector<long double>& bearings,
                const TCheckInputs& inputs)
{
    std::vector<TBeamSupport> supports;
    for (size_t i = 0; i < bearings.size(); ++i) supports.push_back({bearings[i], inputs.Fatigue.Bearings[i].Stiffness});
    check.CriticalSpeed = FirstCriticalSpeed(shaft, supports, inputs.Modulus, inputs.Density, inputs.Masses);
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

// Everything but the critical speed, whose geometry and bearings it leaves ready.
TStiffnessAndSpeed Stiffness(const TAnalysisState& analysis, const std::vector<long double>& loads,
                             const TContour& contour, const TCheckInputs& inputs)
{
    TStiffnessAndSpeed result;
    const QString bad = CheckInputsProblem(inputs);
    result.Deflection.Problem = result.Speed.Problem = bad;
    std::optional<TShaftGeometry> shaft;
    std::vector<long double> bearings;
    std::vector<long double> offBearings;
    Attempt(result.Speed, [&] {
        bearings = Bearings(analysis);
        offBearings = LoadsOffBearings(loads, bearings);
        shaft = Geometry(contour, bearings, offBearings);
    });
    if (result.Deflection.Problem.isEmpty()) result.Deflection.Problem = result.Speed.Problem;
    if (result.Deflection.Problem.isEmpty()) result.Deflection.Problem = MissingPlane(analysis);
    result.Deflection.Shaft = shaft;
    result.Deflection.Bearings = bearings;
    result.Speed.BearingCount = int(bearings.size());
    Attempt(result.Deflection, [&] { CheckDeflection(result.Deflection, analysis, offBearings, inputs); });
    return result;
}

} // namespace

TDeflectionCheck CheckStiffness(const TAnalysisState& analysis, const std::vector<long double>& loads,
                                const TContour& contour, const TCheckInputs& inputs)
{
    return Stiffness(analysis, loads, contour, inputs).Deflection;
}

TStiffnessAndSpeed CheckStiffnessAndSpeed(const TAnalysisState& analysis, const std::vector<long double>& loads,
                       const TContour& contour, const TCheckInputs& inputs)
{
    TStiffnessAndSpeed result = Stiffness(analysis, loads, contour, inputs);
    Attempt(result.Speed, [&] { CheckSpeed(result.Speed, *result.Deflection.Shaft, result.Deflection.Bearings, inputs); });
    return result;
}

QString BearingStiffnessText(const TCheckInputs& inputs, int bearingCount)
{
    const auto& all = inputs.Fatigue.Bearings;
    const auto entered = std::span(all).first(size_t(std::clamp(bearingCount, 0, kBearingLetters)));
    if (std::all_of(entered.begin(), entered.end(), [](const TBearingInputs& b) { return b.Stiffness == 0; })) return QString();
    QStringList named;
    for (size_t i = 0; i < entered.size(); ++i)
        named << QString(QChar('A' + int(i))) + " " +
                     (entered[i].Stiffness == 0 ? QString("rigid") : FloatToStr(entered[i].Stiffness) + " N/mm");
    return "Bearings on springs: " + named.join(", ");
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
