// What the engineer gives the stiffness, critical-speed and fatigue checks, kept with the design.
#pragma once

#include "check/critical_speed.h"
#include "check/fatigue_inputs.h"

#include <QString>
#include <vector>

struct TCheckInputs {
    long double Modulus = 210000;          // E, MPa
    long double SlopeLimit = 0.001;        // rad, at the bearings
    long double DeflectionRatio = 0.0003;  // allowed deflection at the loads per mm of bearing span
    long double Density = 7850;            // kg/m^3
    long double Speed = 0;                 // operating speed, rpm; 0 while not given
    std::vector<TMountedMass> Masses;      // gears, pulleys: position and mass
    TFatigueInputs Fatigue;
    bool operator==(const TCheckInputs&) const = default;
};

// Why the inputs cannot be used, naming the first bad one, or an empty text.
QString CheckInputsProblem(const TCheckInputs& inputs);
