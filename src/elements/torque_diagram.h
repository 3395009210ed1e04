// The twisting moment along the shaft, T(x), from the torques its elements pass.
#pragma once

#include "elements/machine_elements.h"

// "The elements' torques do not balance: their sum is ... N*m!"
QString TorquesUnbalancedText(long double sum);

// T(x) holds Torque from Position up to the next step's position (N*m, mm). It is the running
// sum of the element torques from the left end, a driving element adding and a driven one
// taking away, so a positive T carries power towards +x. Elements at one position make one step.
struct TTorqueStep {
    long double Position = 0;
    long double Torque = 0;
};

// The steps in order of position; the last one is 0. A set whose torques do not add up to zero
// (beyond round-off against the largest) fails with TorquesUnbalancedText.
std::vector<TTorqueStep> TorqueSteps(const std::vector<TMachineElement>& elements, const TShaftDrive& drive);

// T at x, N*m: 0 left of the first element; at an element's own position the value right of it.
long double TorqueAt(const std::vector<TTorqueStep>& steps, long double x);

// The largest |T| along the shaft, N*m.
long double LargestTorque(const std::vector<TTorqueStep>& steps);
