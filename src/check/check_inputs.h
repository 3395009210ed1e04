// What the engineer gives the stiffness, critical-speed and fatigue checks, kept with the design,
// and the physical range of each: the fields refuse a value outside it, and so does a design file.
#pragma once

#include "check/critical_speed.h"
#include "check/fatigue_inputs.h"
#include "elements/machine_elements.h"

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

enum class TCheckInput {
    Modulus, ShearModulus, Density, Mass, Speed, SlopeLimit, DeflectionRatio, Rating, Stiffness, RequiredLife,
    FatigueSafety, YieldSafety, TwistLimit, UltimateStrength, YieldStrength, RulingDiameter, RadialFactor, AxialFactor,
    AxialRatioLimit
};

struct TInputRange {
    QString Name; // as a message names the input: "E", "the density"
    QString Unit; // empty for a pure number
    long double Lowest = 0, Highest = 0;
    bool LowestIncluded = true;
    bool ZeroMeansNone = false; // 0 stands for "not given" (a bearing without a rating)
    QString ZeroMeaning = "none"; // what that 0 stands for, as the range's text names it
};

// The one table of ranges that the fields, the file reader and the messages read.
const TInputRange& RangeOf(TCheckInput input);
bool InRange(long double value, const TInputRange& range);
// "from 1000 to 1000000 MPa", "above 0, up to 0.1 rad"
QString RangeText(const TInputRange& range);
// "E must be from 1000 to 1000000 MPa, not 1E-4000"; `subject` names the input where the range's
// own name is not enough ("bearing A's rating C").
QString OutOfRangeText(const TInputRange& range, long double value, const QString& subject = QString());

// Why the inputs cannot be used, naming the first input out of its range, or an empty text.
QString CheckInputsProblem(const TCheckInputs& inputs);

// The inputs with the masses of the shaft's elements after the typed ones, for the critical speed;
// an element without a mass adds none.
TCheckInputs WithElementMasses(TCheckInputs inputs, const std::vector<TMachineElement>& elements);
