#include "analysis/shaft_torque.h"

#include <algorithm>
#include <cmath>

long double TShaftTorque::At(long double x) const
{
    if (!FromElements()) return Span.Contains(x) ? Moment : 0;
    const std::vector<TTorqueStep>& steps = Drive.Steps;
    long double torque = TorqueAt(steps, x);
    const auto onStep = std::find_if(steps.begin(), steps.end(), [&](const TTorqueStep& s) { return s.Position == x; });
    if (onStep != steps.end()) {
        const long double left = onStep == steps.begin() ? 0 : std::prev(onStep)->Torque;
        if (std::abs(left) > std::abs(torque)) torque = left;
    }
    return torque * kNewtonMillimetresPerNewtonMetre;
}

long double TShaftTorque::Largest() const
{
    if (!FromElements()) return std::abs(Moment);
    return LargestTorque(Drive.Steps) * kNewtonMillimetresPerNewtonMetre;
}

std::vector<TTorqueStretch> TShaftTorque::Stretches(long double shaftLength) const
{
    if (!FromElements()) return {{Span.From.value_or(0), Span.To.value_or(shaftLength), Moment}};
    std::vector<TTorqueStretch> stretches;
    const std::vector<TTorqueStep>& steps = Drive.Steps;
    for (size_t i = 0; i + 1 < steps.size(); ++i)
        if (steps[i].Torque != 0)
            stretches.push_back({steps[i].Position, steps[i + 1].Position,
                                 steps[i].Torque * kNewtonMillimetresPerNewtonMetre});
    return stretches;
}

QString TShaftTorque::Problem() const { return UnbalancedTorqueProblem(Drive); }

QString UnbalancedTorqueProblem(const TElementDrive& drive)
{
    return drive.Balanced ? QString() : TorquesUnbalancedText(drive.TorqueSum);
}

TShaftTorque ShaftTorqueOf(const TAnalysisState& analysis, const TData& data)
{
    return {data.MT(), analysis.TwistSpan, analysis.ElementDrive};
}
