// Each element acts on the shaft at its position with a force across the axis, an axial force, a
// bending couple (the axial force's lever where it acts off the axis) and the torque it passes.
// The force is built as a vector in the shaft's frame and only then split into the two planes,
// so that every kind of element shares one rule for the senses.
#include "elements/machine_elements.h"

#include "analysis/load_entry.h"
#include "common/errors.h"

#include <cmath>
#include <numbers>

namespace {

// Components across the shaft: Y (vertical plane) and Z (horizontal plane).
struct TCross {
    long double Y = 0;
    long double Z = 0;
};

TCross operator+(TCross a, TCross b) { return {a.Y + b.Y, a.Z + b.Z}; }
TCross operator*(long double k, TCross a) { return {k * a.Y, k * a.Z}; }

struct TElementAction {
    TCross Force;  // N
    TCross Couple; // N*mm, the couple vector's Y and Z components
    long double Axial = 0; // N along +x
};

// cos and sin of an angle in degrees, exact at the quarter turns, so that a load square to a
// plane leaves no round-off crumb in it.
TCross UnitAt(long double degrees)
{
    const long double turn = std::fmod(degrees, 360.0L);
    const long double reduced = turn < 0 ? turn + 360 : turn;
    if (reduced == 0) return {1, 0};
    if (reduced == 90) return {0, 1};
    if (reduced == 180) return {-1, 0};
    if (reduced == 270) return {0, -1};
    const long double radians = reduced * std::numbers::pi_v<long double> / 180;
    return {std::cos(radians), std::sin(radians)};
}

long double Radians(long double degrees) { return degrees * std::numbers::pi_v<long double> / 180; }

// The way a point at `angle` moves when the shaft turns positively about +x: x cross e.
TCross Tangential(long double angle)
{
    const TCross e = UnitAt(angle);
    return {-e.Z, e.Y};
}

// The couple of an axial force acting at radius r in the direction `angle`: r e cross (Fa x).
TCross AxialLever(long double angle, long double radius, long double axial)
{
    const TCross e = UnitAt(angle);
    return {radius * axial * e.Z, -radius * axial * e.Y};
}

// The sense of the tangential force along Tangential(angle). A driving element's mate pushes
// the shaft the way it turns (power goes in: force times velocity > 0); a driven element's mate
// holds it back. A clockwise shaft turns the other way about +x.
long double TangentialSense(const TMachineElement& element, const TShaftDrive& drive)
{
    const long double rotation = drive.Rotation == TShaftRotation::CounterClockwise ? 1 : -1;
    return element.Flow == TPowerFlow::Driving ? rotation : -rotation;
}

void Require(bool condition, const QString& message)
{
    if (!condition) RaiseError(message);
}

bool IsAngleInside(long double degrees, bool zeroAllowed)
{
    return (zeroAllowed ? degrees >= 0 : degrees > 0) && degrees < 90;
}

// Ft = 2000 T / d: N from N*m and a diameter in mm.
long double TangentialForce(long double torque, long double diameter)
{
    Require(diameter > 0, kElementDiameterInvalid);
    return 2000 * torque / diameter;
}

// Spur and helical gear, Shigley's Mechanical Engineering Design, 10th ed., sec. 13-14 and 13-16:
// Fr = Ft tan(an) / cos(b), Fa = Ft tan(b) (N). The tooth force lies square to the tooth line;
// a right-hand tooth line runs along x cos(b) + t sin(b), so Fa = -Ft tan(b) along +x for a
// tangential force +Ft along t, and the opposite for a left hand.
TElementAction GearAction(const TMachineElement& gear, long double ft)
{
    Require(IsAngleInside(gear.PressureAngle, false) && IsAngleInside(gear.HelixAngle, true),
            kElementAngleInvalid);
    const long double helix = Radians(gear.HelixAngle);
    const long double radial = std::abs(ft) * std::tan(Radians(gear.PressureAngle)) / std::cos(helix);
    const long double hand = gear.Hand == THelixHand::Right ? 1 : -1;
    const long double axial = -hand * ft * std::tan(helix);
    TElementAction action;
    action.Force = ft * Tangential(gear.Angle) + (-radial) * UnitAt(gear.Angle);
    action.Axial = axial;
    action.Couple = AxialLever(gear.Angle, gear.Diameter / 2, axial);
    return action;
}

// Straight bevel gear at its mean diameter, Shigley 10th ed., sec. 13-15: Fr = Ft tan(a) cos(g),
// Fa = Ft tan(a) sin(g) (N); the radial force points to the gear's axis, the axial one away from
// the cone's apex.
TElementAction BevelAction(const TMachineElement& bevel, long double ft)
{
    Require(IsAngleInside(bevel.PressureAngle, false) && IsAngleInside(bevel.PitchConeAngle, false),
            kElementAngleInvalid);
    const long double tanPressure = std::tan(Radians(bevel.PressureAngle));
    const long double cone = Radians(bevel.PitchConeAngle);
    const long double radial = std::abs(ft) * tanPressure * std::cos(cone);
    const long double thrust = std::abs(ft) * tanPressure * std::sin(cone);
    const long double axial = bevel.ApexTowardsPlusX ? -thrust : thrust;
    TElementAction action;
    action.Force = ft * Tangential(bevel.Angle) + (-radial) * UnitAt(bevel.Angle);
    action.Axial = axial;
    action.Couple = AxialLever(bevel.Angle, bevel.Diameter / 2, axial);
    return action;
}

// Belt with parallel strands: F1 - F2 = Ft and F1 / F2 = r give F1 + F2 = Ft (r + 1) / (r - 1)
// (Shigley 10th ed., sec. 17-2); or the designer's belt factor, F1 + F2 = k Ft.
long double BeltPull(const TMachineElement& pulley, long double ft)
{
    if (!pulley.TensionRatioGiven) {
        Require(pulley.BeltFactor >= 1, kBeltFactorInvalid);
        return pulley.BeltFactor * ft;
    }
    Require(pulley.TensionRatio > 1, kTensionRatioInvalid);
    return ft * (pulley.TensionRatio + 1) / (pulley.TensionRatio - 1);
}

TElementAction PullAction(long double angle, long double pull)
{
    TElementAction action;
    action.Force = pull * UnitAt(angle);
    return action;
}

TElementAction CouplingAction(const TMachineElement& coupling, long double torque)
{
    Require(coupling.RadialFraction >= 0, kElementValueInvalid);
    if (coupling.RadialFraction == 0) return {};
    return PullAction(coupling.Angle, coupling.RadialFraction * TangentialForce(torque, coupling.Diameter));
}

TElementAction ElementAction(const TMachineElement& element, long double torque, long double sense)
{
    if (element.Kind == TElementKind::Coupling) return CouplingAction(element, torque);
    const long double ft = TangentialForce(torque, element.Diameter);
    switch (element.Kind) {
    case TElementKind::Gear: return GearAction(element, sense * ft);
    case TElementKind::BevelGear: return BevelAction(element, sense * ft);
    case TElementKind::BeltPulley: return PullAction(element.Angle, BeltPull(element, ft));
    // The slack strand of a chain carries next to nothing: the tight one pulls with Ft.
    case TElementKind::ChainSprocket: return PullAction(element.Angle, ft);
    case TElementKind::Coupling: break;
    }
    return {};
}

void CheckFinite(const TMachineElement& e)
{
    for (long double value : {e.Position, e.Mass, e.Power, e.Torque, e.Angle, e.Diameter, e.PressureAngle,
                              e.HelixAngle, e.PitchConeAngle, e.TensionRatio, e.BeltFactor, e.RadialFraction})
        Require(std::isfinite(value), kElementValueInvalid);
    Require(e.Mass >= 0, kElementValueInvalid);
}

// A component that is only the round-off of the other is no load.
bool IsLoad(long double component, long double other)
{
    return std::abs(component) > 1e-15L * std::abs(other);
}

void AppendForce(std::vector<TPlaneLoad>& loads, long double position, long double component)
{
    loads.push_back({false, position, std::abs(component), component > 0, false});
}

void AppendCouple(std::vector<TPlaneLoad>& loads, long double position, long double clockwiseComponent)
{
    loads.push_back({true, position, std::abs(clockwiseComponent), false, clockwiseComponent > 0});
}

// On the vertical plane's page (seen from +z) a couple about -z is clockwise; on the horizontal
// plane's page (seen from -y) one about +y is.
void SplitIntoPlanes(const TElementAction& action, long double position, TElementLoads& loads)
{
    if (IsLoad(action.Force.Y, action.Force.Z)) AppendForce(loads.Vertical, position, action.Force.Y);
    if (IsLoad(action.Couple.Z, action.Couple.Y)) AppendCouple(loads.Vertical, position, -action.Couple.Z);
    if (IsLoad(action.Force.Z, action.Force.Y)) AppendForce(loads.Horizontal, position, action.Force.Z);
    if (IsLoad(action.Couple.Y, action.Couple.Z)) AppendCouple(loads.Horizontal, position, action.Couple.Y);
}

} // namespace

// P = T omega: T = 1000 P / (2 pi n / 60) N*m for P in kW and n in rpm (9549.3 P / n).
long double ElementTorque(const TMachineElement& element, const TShaftDrive& drive)
{
    if (!element.GivenAsPower) {
        Require(element.Torque >= 0, kElementTorqueInvalid);
        return element.Torque;
    }
    Require(element.Power >= 0, kElementTorqueInvalid);
    Require(std::isfinite(drive.Speed) && drive.Speed > 0, kShaftSpeedInvalid);
    return 30000 * element.Power / (std::numbers::pi_v<long double> * drive.Speed);
}

TElementLoads ResolveElement(const TMachineElement& element, const TShaftDrive& drive)
{
    CheckFinite(element);
    const long double torque = ElementTorque(element, drive);
    const TElementAction action = ElementAction(element, torque, TangentialSense(element, drive));
    TElementLoads loads;
    SplitIntoPlanes(action, element.Position, loads);
    loads.AxialForce = action.Axial;
    loads.Torque = element.Flow == TPowerFlow::Driving ? torque : -torque;
    return loads;
}

long double SumAxialForces(const std::vector<TElementLoads>& loads)
{
    long double sum = 0;
    for (const TElementLoads& element : loads) sum += element.AxialForce;
    return sum;
}

Tincarcare AddPlaneLoads(TAnalysisState& state, const std::vector<TPlaneLoad>& loads, bool horizontal)
{
    // Entered on a copy: a load that the entry refuses leaves none of the element's in the plane.
    TAnalysisState entered = state;
    Tincarcare terms;
    for (const TPlaneLoad& load : loads) {
        if (load.Couple)
            terms.push_back(AddMoment(entered, load.Position, load.Value, load.Clockwise, horizontal));
        else
            terms.push_back(AddForce(entered, load.Position, load.Value, load.WithReactions, horizontal));
    }
    state = std::move(entered);
    return terms;
}
