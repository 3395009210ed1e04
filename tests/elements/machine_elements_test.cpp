// Element loads worked out by hand: a gearbox shaft through the solver, the other kinds' formulas,
// and the data that must be refused.
#include "elements/machine_elements.h"

#include "analysis/solver.h"
#include "../analysis/plane_builder.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

void ExpectLoad(const TPlaneLoad& load, bool couple, long double position, long double value, bool sense)
{
    EXPECT_EQ(load.Couple, couple);
    EXPECT_EQ(load.Position, position);
    EXPECT_NEAR(load.Value, value, 0.01);
    EXPECT_EQ(couple ? load.Clockwise : load.WithReactions, sense);
}

void SolveOnShaft(TAnalysisState& state, const std::vector<TElementLoads>& elements, bool horizontal)
{
    state = Plane(240, {Bearing(BearingName(0, horizontal), 0), Bearing(BearingName(1, horizontal), 240)});
    for (const TElementLoads& loads : elements)
        AddPlaneLoads(state, horizontal ? loads.Horizontal : loads.Vertical, horizontal);
    TData data;
    data.SetOriz(horizontal);
    SolvePlane(state, data);
}

// Shaft turning counter-clockwise seen from +x, bearings A at 0 and B at 240 mm, 200 N*m through it.
// Spur pinion, d = 80, at x = 60, meshing at 0 deg (+y), power enters: Ft = 2000*200/80 = 5000 N
// along the way it turns there (+z), Fr = 5000 tan 20 = 1819.85 N towards the axis (-y).
// Right-hand helical gear, d = 250, an = 20, b = 15, at x = 180, meshing at 90 deg (+z), power
// leaves: Ft = 1600 N against its motion there (-y), so +y; Fr = 1600 tan 20 / cos 15 = 602.90 N
// along -z; the tooth force square to the tooth line x cos b - y sin b gives Fa = +1600 tan 15 =
// +428.72 N along +x, acting at z = 125: couple 125 * 428.72 = 53589.84 N*mm about +y.
// Horizontal plane, moments about A about +y: -60*5000 + 180*602.90 + 53589.84 - 240 RBz = 0:
// RBz = -574.54 N, RAz = -(5000 - 602.90) - RBz = -3822.57 N.
// Vertical plane about +z: -60*1819.85 + 180*1600 + 240 RBy = 0: RBy = -745.04, RAy = 964.89 N.
TEST(MachineElements, GearboxShaftByHand)
{
    const TShaftDrive drive{0, TShaftRotation::CounterClockwise};
    TMachineElement pinion;
    pinion.Position = 60, pinion.Torque = 200, pinion.Diameter = 80, pinion.Angle = 0;
    TMachineElement gear = pinion;
    gear.Position = 180, gear.Diameter = 250, gear.Angle = 90, gear.HelixAngle = 15;
    gear.Flow = TPowerFlow::Driven;
    const TElementLoads p = ResolveElement(pinion, drive), g = ResolveElement(gear, drive);

    ASSERT_EQ(p.Vertical.size(), 1u);
    ASSERT_EQ(p.Horizontal.size(), 1u);
    ExpectLoad(p.Vertical[0], false, 60, 1819.85, false);
    ExpectLoad(p.Horizontal[0], false, 60, 5000, true);
    ASSERT_EQ(g.Vertical.size(), 1u);
    ASSERT_EQ(g.Horizontal.size(), 2u);
    ExpectLoad(g.Vertical[0], false, 180, 1600, true);
    ExpectLoad(g.Horizontal[0], false, 180, 602.90, false);
    ExpectLoad(g.Horizontal[1], true, 180, 53589.84, true);
    EXPECT_NEAR(SumAxialForces({p, g}), 428.72, 0.01);
    EXPECT_EQ(p.Torque, 200);
    EXPECT_EQ(g.Torque, -200);

    TAnalysisState horizontal, vertical;
    SolveOnShaft(horizontal, {p, g}, true);
    SolveOnShaft(vertical, {p, g}, false);
    EXPECT_NEAR(horizontal.HorzReactions[0], -3822.57, 0.01);
    EXPECT_NEAR(horizontal.HorzReactions[1], -574.54, 0.01);
    EXPECT_NEAR(vertical.VertReactions[0], 964.89, 0.01);
    EXPECT_NEAR(vertical.VertReactions[1], -745.04, 0.01);

    // Turning the other way reverses the tangential and axial forces, never the radial one.
    const TElementLoads reversed = ResolveElement(gear, {0, TShaftRotation::Clockwise});
    ExpectLoad(reversed.Vertical[0], false, 180, 1600, false);
    ExpectLoad(reversed.Horizontal[0], false, 180, 602.90, false);
    ExpectLoad(reversed.Horizontal[1], true, 180, 53589.84, false);
}

// Bevel, T = 50 N*m, dm = 100: Ft = 1000 N, Fr = 1000 tan 20 cos 30 = 315.21 N, Fa = 1000 tan 20
// sin 30 = 181.99 N. Meshing at 180 deg (-y), apex towards +x: Fr up (+y), Ft along -z (the way a
// point at -y moves), Fa along -x at y = -50: lever below the axis pushed left turns clockwise,
// 9099.26 N*mm. Belt, T = 100 N*m, d = 200: Ft = 1000 N, F1/F2 = 3: pull 2000 N; k = 1.5: 1500 N.
// 15 kW at 1450 rpm: T = 15 * 30000 / (pi 1450) = 98.786 N*m.
TEST(MachineElements, OtherKindsByHand)
{
    TMachineElement bevel;
    bevel.Kind = TElementKind::BevelGear, bevel.Torque = 50, bevel.Diameter = 100;
    bevel.Angle = 180, bevel.PitchConeAngle = 30;
    const TElementLoads b = ResolveElement(bevel, {});
    ExpectLoad(b.Vertical[0], false, 0, 315.21, true);
    ExpectLoad(b.Vertical[1], true, 0, 9099.26, true);
    ExpectLoad(b.Horizontal[0], false, 0, 1000, false);
    EXPECT_NEAR(b.AxialForce, -181.99, 0.01);

    TMachineElement belt;
    belt.Kind = TElementKind::BeltPulley, belt.Torque = 100, belt.Diameter = 200;
    belt.Angle = -90, belt.TensionRatio = 3, belt.Flow = TPowerFlow::Driven;
    const TElementLoads ratio = ResolveElement(belt, {});
    EXPECT_TRUE(ratio.Vertical.empty());
    ExpectLoad(ratio.Horizontal.at(0), false, 0, 2000, false);
    belt.TensionRatioGiven = false, belt.BeltFactor = 1.5;
    ExpectLoad(ResolveElement(belt, {}).Horizontal.at(0), false, 0, 1500, false);

    belt.GivenAsPower = true, belt.Power = 15;
    EXPECT_NEAR(ElementTorque(belt, {1450, TShaftRotation::Clockwise}), 98.786, 0.001);
}

TEST(MachineElements, BadDataIsRefusedWithItsReason)
{
    TMachineElement gear;
    gear.Torque = 100, gear.Diameter = 100;
    const auto refusal = [](TMachineElement element, TShaftDrive drive = {}) {
        return FailureOf([&] { ResolveElement(element, drive); });
    };
    EXPECT_EQ(refusal(gear), QString());
    TMachineElement bad = gear;
    bad.Diameter = 0;
    EXPECT_EQ(refusal(bad), kElementDiameterInvalid);
    bad = gear, bad.PressureAngle = 90;
    EXPECT_EQ(refusal(bad), kElementAngleInvalid);
    bad = gear, bad.Torque = -1;
    EXPECT_EQ(refusal(bad), kElementTorqueInvalid);
    bad = gear, bad.GivenAsPower = true, bad.Power = 5;
    EXPECT_EQ(refusal(bad, {0, TShaftRotation::Clockwise}), kShaftSpeedInvalid);
    bad = gear, bad.Position = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(refusal(bad), kElementValueInvalid);
    bad = gear, bad.Kind = TElementKind::BeltPulley, bad.TensionRatio = 1;
    EXPECT_EQ(refusal(bad), kTensionRatioInvalid);
    bad.TensionRatioGiven = false, bad.BeltFactor = 0.8;
    EXPECT_EQ(refusal(bad), kBeltFactorInvalid);

    // A force the entry takes and a couple off the shaft: the plane keeps neither.
    TAnalysisState state = Plane(100, {Bearing("RVA", 0), Bearing("RVB", 100)});
    const QString offShaft = FailureOf([&] {
        AddPlaneLoads(state, {{false, 50, 10, true, false}, {true, 120, 10, false, true}}, false);
    });
    EXPECT_EQ(offShaft, kPositionOutside);
    EXPECT_TRUE(state.Forces.empty());
    EXPECT_EQ(state.Points.size(), 0u);
}

} // namespace
