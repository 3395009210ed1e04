// The parts mounted on a shaft (gears, pulleys, sprockets, couplings) and the loads each puts on
// it, resolved into the two planes of the load entry.
//
// The frame, as the element sketch draws it:
//   x along the shaft from its left end, mm;
//   y up: the vertical plane (x to the right, y up the page);
//   z towards the viewer: the horizontal plane (x to the right, z up the page, seen from below).
//   The frame is right-handed (x cross y = z).
// An element's angle (degrees) is measured around the shaft from +y, turning towards +z: 0 deg
// points up, 90 deg towards the viewer. For a gear it is where the mate meshes; for a pulley,
// a sprocket or a coupling's side force it is the way the load pulls the shaft.
// A force along +y is "with the reactions" in the vertical plane, one along +z in the horizontal
// plane. A couple about -z turns clockwise on the vertical plane's page, one about +y clockwise
// on the horizontal plane's page (so an axial force pushing +x at a point above the axis on
// either page turns clockwise there, as the eccentric axial force conversion says).
// The shaft turns counter-clockwise or clockwise as seen from its +x end, looking back along -x;
// counter-clockwise is a positive turn about +x.
#pragma once

#include "analysis/analysis_state.h"

#include <vector>

enum class TElementKind { Gear, BevelGear, BeltPulley, ChainSprocket, Coupling };
enum class THelixHand { Right, Left };
enum class TShaftRotation { CounterClockwise, Clockwise }; // seen from the shaft's +x end
// Driving: power enters the shaft through the element; driven: power leaves through it.
enum class TPowerFlow { Driving, Driven };

inline const QString kElementDiameterInvalid =
    QStringLiteral("Diametrul elementului trebuie sa fie mai mare decat zero !");
inline const QString kShaftSpeedInvalid =
    QStringLiteral("Turatia arborelui trebuie sa fie mai mare decat zero !");
inline const QString kElementTorqueInvalid =
    QStringLiteral("Momentul de torsiune si puterea nu pot fi negative !");
inline const QString kElementAngleInvalid =
    QStringLiteral("Unghiurile danturii trebuie sa fie intre 0 si 90 de grade !");
inline const QString kTensionRatioInvalid =
    QStringLiteral("Raportul tensiunilor din curea trebuie sa fie mai mare decat 1 !");
inline const QString kBeltFactorInvalid = QStringLiteral("Factorul curelei trebuie sa fie cel putin 1 !");
inline const QString kElementValueInvalid = QStringLiteral("Datele elementului nu sunt corecte !");

// One element as the user describes it. The fields that its kind does not read are ignored.
struct TMachineElement {
    TElementKind Kind = TElementKind::Gear;
    long double Position = 0; // mm from the shaft's left end
    long double Mass = 0;     // kg, for the critical speed; 0 when not given
    bool GivenAsPower = false;
    long double Power = 0;  // kW, when GivenAsPower
    long double Torque = 0; // N*m, otherwise
    TPowerFlow Flow = TPowerFlow::Driving;
    long double Angle = 0;    // deg, see the frame
    long double Diameter = 0; // mm: pitch (gear, sprocket), mean (bevel), pulley, coupling reference
    long double PressureAngle = 20; // deg; the normal one of a helical gear
    long double HelixAngle = 0;     // deg; 0 for a spur gear
    THelixHand Hand = THelixHand::Right;
    long double PitchConeAngle = 0; // deg, bevel gear
    bool ApexTowardsPlusX = true;   // bevel gear: where its cone's apex lies
    bool TensionRatioGiven = true;  // belt: the ratio F1/F2, else the belt factor
    long double TensionRatio = 0;
    long double BeltFactor = 0;
    long double RadialFraction = 0; // coupling: side force as a share of its tangential force
    bool operator==(const TMachineElement&) const = default;
};

// How the shaft runs: speed in rpm (needed where a torque is given as power) and its sense.
struct TShaftDrive {
    long double Speed = 0;
    TShaftRotation Rotation = TShaftRotation::CounterClockwise;
};

// One load of a plane as the load entry stores it: Value >= 0 (N for a force, N*mm for a couple)
// and its sense, "with the reactions" for a force, clockwise for a couple.
struct TPlaneLoad {
    bool Couple = false;
    long double Position = 0;
    long double Value = 0;
    bool WithReactions = false; // forces
    bool Clockwise = false;     // couples
};

struct TElementLoads {
    std::vector<TPlaneLoad> Vertical;
    std::vector<TPlaneLoad> Horizontal;
    long double AxialForce = 0; // N, along +x
    long double Torque = 0;     // N*m, + where power enters the shaft (driving), - where it leaves
};

// The torque the element passes, N*m, as a magnitude; a power becomes P / omega.
long double ElementTorque(const TMachineElement& element, const TShaftDrive& drive);

// The element's loads on the shaft. Bad data fails with a message naming what is wrong.
TElementLoads ResolveElement(const TMachineElement& element, const TShaftDrive& drive);

// What the locating bearing takes, N along +x.
long double SumAxialForces(const std::vector<TElementLoads>& loads);

// Enters one plane's loads as the load entry's forces and moments: all of them, or none when the
// entry refuses one (a position off the shaft, a 256th force). Returns the terms entered, in order.
Tincarcare AddPlaneLoads(TAnalysisState& state, const std::vector<TPlaneLoad>& loads, bool horizontal);
