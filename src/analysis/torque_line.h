// The twisting moment along the shaft, T(x), as the shaft's elements pass it on: piecewise
// constant between the elements, N*m.
#pragma once

#include <QString>
#include <vector>

// "The elements' torques do not balance: their sum is ... N*m!"
QString TorquesUnbalancedText(long double sum);

// T(x) holds Torque from Position up to the next step's position (N*m, mm). A positive T carries
// power towards +x.
struct TTorqueStep {
    long double Position = 0;
    long double Torque = 0;
    bool operator==(const TTorqueStep&) const = default;
};

// T at x, N*m: 0 left of the first step; at a step's own position the value right of it.
long double TorqueAt(const std::vector<TTorqueStep>& steps, long double x);

// The largest |T| along the shaft, N*m.
long double LargestTorque(const std::vector<TTorqueStep>& steps);

// What the shaft's elements put along it, beside the loads they add to the planes.
struct TElementDrive {
    std::vector<TTorqueStep> Steps; // T(x); empty: the shaft has no elements, Mt acts over its span
    bool Balanced = true;           // false: the torques do not add up to zero, Steps is empty
    long double TorqueSum = 0;      // N*m, the elements' torques with their signs
    long double AxialForce = 0;     // N along +x, carried by the locating bearing
    bool operator==(const TElementDrive&) const = default;
};
