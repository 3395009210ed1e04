// T(x) as steps: the element torques sorted by position and summed from the left end.
#include "elements/torque_diagram.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace {

// Torques given as powers at one speed cancel only to round-off.
constexpr long double kBalanceTolerance = 1e-9L;

std::vector<TTorqueStep> SignedTorquesByPosition(const std::vector<TMachineElement>& elements,
                                                 const TShaftDrive& drive)
{
    std::vector<TTorqueStep> torques;
    for (const TMachineElement& element : elements) {
        if (!std::isfinite(element.Position)) RaiseError(kElementValueInvalid);
        const long double torque = ElementTorque(element, drive);
        torques.push_back({element.Position, element.Flow == TPowerFlow::Driving ? torque : -torque});
    }
    std::stable_sort(torques.begin(), torques.end(),
                     [](const TTorqueStep& a, const TTorqueStep& b) { return a.Position < b.Position; });
    return torques;
}

TTorqueBalance BalanceOf(const std::vector<TTorqueStep>& torques)
{
    long double sum = 0;
    long double largest = 0;
    for (const TTorqueStep& torque : torques) {
        sum += torque.Torque;
        largest = std::max(largest, std::abs(torque.Torque));
    }
    return {sum, std::abs(sum) <= kBalanceTolerance * largest};
}

void CheckBalance(const std::vector<TTorqueStep>& torques)
{
    const TTorqueBalance balance = BalanceOf(torques);
    if (!balance.Balanced) RaiseError(TorquesUnbalancedText(balance.Sum));
}

} // namespace

TTorqueBalance TorqueBalance(const std::vector<TMachineElement>& elements, const TShaftDrive& drive)
{
    return BalanceOf(SignedTorquesByPosition(elements, drive));
}

std::vector<TTorqueStep> TorqueSteps(const std::vector<TMachineElement>& elements, const TShaftDrive& drive)
{
    const std::vector<TTorqueStep> torques = SignedTorquesByPosition(elements, drive);
    CheckBalance(torques);
    std::vector<TTorqueStep> steps;
    long double running = 0;
    for (const TTorqueStep& torque : torques) {
        running += torque.Torque;
        if (!steps.empty() && steps.back().Position == torque.Position)
            steps.back().Torque = running;
        else
            steps.push_back({torque.Position, running});
    }
    // Beyond the last element the shaft carries nothing; the sum's round-off is not a torque.
    if (!steps.empty()) steps.back().Torque = 0;
    return steps;
}
