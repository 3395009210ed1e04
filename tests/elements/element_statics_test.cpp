// Random elements on a shaft between two bearings: their plane loads through the solver give the
// reactions that the statics of the element's force give, with the force built here as a vector
// from the frame alone (where it acts in space and which way it points), never split into planes.
#include "elements/machine_elements.h"

#include "analysis/solver.h"
#include "../analysis/plane_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

struct TVec {
    long double X = 0, Y = 0, Z = 0;
};
TVec operator+(TVec a, TVec b) { return {a.X + b.X, a.Y + b.Y, a.Z + b.Z}; }
TVec operator*(long double k, TVec a) { return {k * a.X, k * a.Y, k * a.Z}; }
long double Dot(TVec a, TVec b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }
TVec Cross(TVec a, TVec b) { return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X}; }

const long double kLength = 300;

struct TSpatialForce {
    TVec Point; // where it acts, mm
    TVec Force; // N
};

long double Radians(long double degrees) { return degrees * std::numbers::pi_v<long double> / 180; }
long double Tan(long double degrees) { return std::tan(Radians(degrees)); }
TVec Outwards(long double degrees) { return {0, std::cos(Radians(degrees)), std::sin(Radians(degrees))}; }

// A gear's tooth force at its mesh point: tangential along the point's velocity when power enters
// (positive power), against it when it leaves; radial towards the axis; axial such that the force
// stays square to the helix through the mesh point, (c phi, r cos(a + phi), r sin(a + phi)),
// c > 0 for a right hand; for a bevel gear away from the cone's apex.
TSpatialForce ToothForce(const TMachineElement& gear, long double ft, long double turn)
{
    const long double r = gear.Diameter / 2;
    const TVec out = Outwards(gear.Angle);
    const TVec velocity = Cross({turn, 0, 0}, r * out);
    const long double power = gear.Flow == TPowerFlow::Driving ? 1 : -1;
    TVec force = (power * ft / r) * velocity;
    long double axial = 0;
    if (gear.Kind == TElementKind::BevelGear) {
        const long double cone = Radians(gear.PitchConeAngle);
        force = force + (-ft * Tan(gear.PressureAngle) * std::cos(cone)) * out;
        axial = (gear.ApexTowardsPlusX ? -1 : 1) * ft * Tan(gear.PressureAngle) * std::sin(cone);
    } else {
        force = force + (-ft * Tan(gear.PressureAngle) / std::cos(Radians(gear.HelixAngle))) * out;
        if (gear.HelixAngle > 0) {
            const long double lead = (gear.Hand == THelixHand::Right ? r : -r) / Tan(gear.HelixAngle);
            const TVec helix{lead, -r * out.Z, r * out.Y};
            axial = -Dot(force, helix) / helix.X;
        }
    }
    return {TVec{gear.Position, 0, 0} + r * out, force + TVec{axial, 0, 0}};
}

TSpatialForce ElementForce(const TMachineElement& e, long double turn)
{
    const long double ft = 2000 * e.Torque / e.Diameter;
    const TVec axis{e.Position, 0, 0};
    switch (e.Kind) {
    case TElementKind::BeltPulley: {
        const long double slack = ft / (e.TensionRatio - 1); // F1 - F2 = Ft, F1 = r F2
        return {axis, (e.TensionRatio * slack + slack) * Outwards(e.Angle)};
    }
    case TElementKind::ChainSprocket: return {axis, ft * Outwards(e.Angle)};
    case TElementKind::Coupling: return {axis, (e.RadialFraction * ft) * Outwards(e.Angle)};
    default: return ToothForce(e, ft, turn);
    }
}

TMachineElement RandomElement(std::mt19937& random)
{
    auto uniform = [&](long double low, long double high) {
        return std::uniform_real_distribution<long double>(low, high)(random);
    };
    TMachineElement e;
    e.Kind = static_cast<TElementKind>(random() % 5);
    e.Position = random() % 4 == 0 ? 0 : uniform(0, kLength);
    e.Torque = uniform(10, 500), e.Diameter = uniform(40, 400);
    e.Flow = random() % 2 ? TPowerFlow::Driving : TPowerFlow::Driven;
    e.Angle = random() % 3 == 0 ? 90.0L * (random() % 8) - 360 : uniform(-360, 720);
    e.PressureAngle = uniform(14, 25), e.HelixAngle = random() % 2 ? uniform(5, 40) : 0;
    e.Hand = random() % 2 ? THelixHand::Right : THelixHand::Left;
    e.PitchConeAngle = uniform(10, 80), e.ApexTowardsPlusX = random() % 2;
    e.TensionRatio = uniform(1.5, 5), e.RadialFraction = uniform(0, 0.3);
    return e;
}

std::array<double, kBearingLetters> SolvedReactions(const TElementLoads& loads, bool horizontal)
{
    TAnalysisState state = Plane(kLength, {Bearing(BearingName(0, horizontal), 0),
                                           Bearing(BearingName(1, horizontal), kLength)});
    AddPlaneLoads(state, horizontal ? loads.Horizontal : loads.Vertical, horizontal);
    TData data;
    data.SetOriz(horizontal);
    SolvePlane(state, data);
    return horizontal ? state.HorzReactions : state.VertReactions;
}

TEST(ElementStatics, PlaneLoadsGiveTheReactionsOfTheForceVector)
{
    std::mt19937 random(20261208);
    for (int trial = 0; trial < 300; ++trial) {
        const TMachineElement element = RandomElement(random);
        const bool counterClockwise = random() % 2;
        const TShaftDrive drive{0, counterClockwise ? TShaftRotation::CounterClockwise
                                                    : TShaftRotation::Clockwise};
        const TSpatialForce load = ElementForce(element, counterClockwise ? 1 : -1);
        // Moments about bearing A, then B's reaction from them and A's from the force sum.
        const TVec moment = Cross(load.Point, load.Force);
        const TVec atB{0, -moment.Z / kLength, moment.Y / kLength};
        const TVec atA = -1 * (TVec{0, load.Force.Y, load.Force.Z} + atB);

        SCOPED_TRACE(trial);
        const TElementLoads loads = ResolveElement(element, drive);
        const auto vertical = SolvedReactions(loads, false), horizontal = SolvedReactions(loads, true);
        const long double across = std::hypot(load.Force.Y, load.Force.Z);
        const long double tolerance = 1e-9L * (across + std::abs(load.Force.X));
        EXPECT_NEAR(vertical[0], atA.Y, tolerance);
        EXPECT_NEAR(vertical[1], atB.Y, tolerance);
        EXPECT_NEAR(horizontal[0], atA.Z, tolerance);
        EXPECT_NEAR(horizontal[1], atB.Z, tolerance);
        EXPECT_NEAR(loads.AxialForce, load.Force.X, tolerance);
        if (element.Position == 0 && load.Force.X == 0)
            EXPECT_NEAR(std::hypot(vertical[0], horizontal[0]), across, tolerance);
        if (element.Kind == TElementKind::Gear || element.Kind == TElementKind::BevelGear)
            EXPECT_NEAR(moment.X * (counterClockwise ? 1 : -1) / 1000, loads.Torque, 1e-9L * element.Torque);
    }
}

} // namespace
