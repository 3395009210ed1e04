// The twisting moment along the shaft, T(x), from the torques its elements pass.
#pragma once

#include "analysis/torque_line.h"
#include "elements/machine_elements.h"

// T(x) as the running sum of the element torques from the left end, a driving element adding and
// a driven one taking away; elements at one position make one step. The steps come in order of
// position; the last one is 0. A set whose torques do not add up to zero
// (beyond round-off against the largest) fails with TorquesUnbalancedText.
std::vector<TTorqueStep> TorqueSteps(const std::vector<TMachineElement>& elements, const TShaftDrive& drive);

// The elements' torques with their signs added up, N*m, and whether the sum is round-off only.
struct TTorqueBalance {
    long double Sum = 0;
    bool Balanced = true;
};
TTorqueBalance TorqueBalance(const std::vector<TMachineElement>& elements, const TShaftDrive& drive);
