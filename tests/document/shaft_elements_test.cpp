// A design with parts mounted on its shaft: the elements' loads follow each calculated plane's own,
// worked by hand on a gearbox shaft; the same loads typed by hand give the same planes; the design
// file keeps the elements, and older files open without them.
#include "common/errors.h"
#include "design_samples.h"
#include "document/design_file.h"
#include "document/design_replay.h"
#include "elements/element_entry.h"
#include "test_support.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <random>

namespace {

TDesign TwoBearingShaft(long double length)
{
    TDesign design;
    design.ShaftLength = length;
    design.Horizontal = {TPlaneStep::Calculated, {{TEntryKind::Bearing, 0, 0, 1}, {TEntryKind::Bearing, length, 0, 1}}};
    design.Vertical = {TPlaneStep::Calculated, {}};
    return design;
}

TMachineElement Gear(long double position, long double diameter, long double torque, TPowerFlow flow,
                     long double angle, long double helix)
{
    TMachineElement gear;
    gear.Position = position;
    gear.Diameter = diameter;
    gear.Torque = torque;
    gear.Flow = flow;
    gear.Angle = angle;
    gear.HelixAngle = helix;
    return gear;
}

// The gearbox shaft of the worked example: 300 mm on A at 0 and B at 300, a hand force of 1000 N
// "with the reactions" at 150 in the horizontal plane, and two gears on a counter-clockwise shaft.
TDesign GearboxShaft()
{
    TDesign design = TwoBearingShaft(300);
    design.Horizontal.Entries.push_back({TEntryKind::Force, 150, 1000, 1});
    design.Elements = {Gear(100, 200, 400, TPowerFlow::Driven, 0, 15), Gear(220, 80, 400, TPowerFlow::Driving, 90, 0)};
    return design;
}

TAnalysisState Replayed(const TDesign& design)
{
    TAnalysisState state;
    InitialiseEntryState(state);
    TData data;
    ReplayDesign(design, state, data);
    return state;
}

long double MomentAt(const Tav& diagram, long double x, bool right)
{
    for (const TMomentPoint& point : diagram)
        if (point.Position == x) return right ? point.Right : point.Left;
    ADD_FAILURE() << "no diagram point at " << double(x);
    return 0;
}

} // namespace

// Gear 1, helical, driven, d = 200 mm, T = 400 N*m, an = 20 deg, b = 15 deg right hand, meshing at
// 0 deg (on top, +y), at x = 100:
//   Ft = 2000 T / d = 2000 * 400 / 200 = 4000 N
//   Fr = Ft tan(an) / cos(b) = 4000 * 0.363970 / 0.965926 = 1507.24 N, towards the axis: -y
//   Fa = Ft tan(b) = 4000 * 0.267949 = 1071.80 N
//   The mesh point turns towards +z (x cross y) on a counter-clockwise shaft; power leaves there,
//   so the mate holds the shaft back: Ft along -z. A right-hand tooth under a tangential force
//   -Ft pushes the shaft along +x: Fa = +1071.80 N.
//   Fa acts 100 mm above the axis: a couple (0, 100, 0) x (Fa, 0, 0) = -107180 N*mm about z,
//   clockwise on the vertical plane's page.
// Gear 2, spur pinion, driving, d = 80 mm, T = 400 N*m, an = 20 deg, meshing at 90 deg (+z), x = 220:
//   Ft = 2000 * 400 / 80 = 10000 N; the mesh point turns towards -y and power enters: Ft along -y.
//   Fr = 10000 * 0.363970 = 3639.70 N towards the axis: -z.
// Vertical plane (y): 1507.24 N down at 100, 107180 N*mm clockwise at 100, 10000 N down at 220.
//   Moments about A: 300 RB = 1507.24 * 100 + 10000 * 220 + 107180 = 2457904 -> RB = 8193.01 N
//   RA = 1507.24 + 10000 - 8193.01 = 3314.23 N
//   M(100-) = 3314.23 * 100 = 331423 N*mm; M(100+) = 331423 + 107180 = 438602 N*mm
// Horizontal plane (z): 1000 N up at 150 (by hand), 4000 N down at 100, 3639.70 N down at 220.
//   300 RB = 4000 * 100 + 3639.70 * 220 - 1000 * 150 = 1050734.5 -> RB = 3502.45 N
//   RA = 4000 + 3639.70 - 1000 - 3502.45 = 3137.25 N
//   M(150) = 3137.25 * 150 - 4000 * 50 = 270588 N*mm
// T(x): -400 N*m from 100 (power leaves there) to 220, 0 beyond; the locating bearing takes 1071.80 N.
TEST(ShaftElements, GearboxShaftGivesTheHandWorkedReactions)
{
    const TAnalysisState state = Replayed(GearboxShaft());
    EXPECT_NEAR(state.VertReactions[0], 3314.2270, 1e-3);
    EXPECT_NEAR(state.VertReactions[1], 8193.0119, 1e-3);
    EXPECT_NEAR(state.HorzReactions[0], 3137.2540, 1e-3);
    EXPECT_NEAR(state.HorzReactions[1], 3502.4484, 1e-3);
    EXPECT_NEAR(MomentAt(state.VertDiagram, 100, false), 331422.70, 1e-2);
    EXPECT_NEAR(MomentAt(state.VertDiagram, 100, true), 438602.38, 1e-2);
    EXPECT_NEAR(MomentAt(state.HorzDiagram, 150, true), 270588.09, 1e-2);
    ASSERT_EQ(state.ElementDrive.Steps.size(), 2u);
    EXPECT_EQ(state.ElementDrive.Steps[0], (TTorqueStep{100, -400}));
    EXPECT_EQ(state.ElementDrive.Steps[1], (TTorqueStep{220, 0}));
    EXPECT_NEAR(state.ElementDrive.AxialForce, 1071.7968, 1e-3);
    // The vertical plane was calculated last: its loads are all the elements'.
    EXPECT_TRUE(state.ForceListText.startsWith("FV1 (gear 1) = 1507.23885565631    FV2 (gear 2) = 10000"))
        << state.ForceListText.toStdString();
    EXPECT_TRUE(state.MomentListText.startsWith("MV1 (gear 1) = 107179.676972449")) << state.MomentListText.toStdString();
}

// The hand entries keep their numbers; the elements' loads come after them.
TEST(ShaftElements, HandEntriesKeepTheirNamesAndTheElementsFollow)
{
    TDesign design = GearboxShaft();
    design.Vertical.Step = TPlaneStep::NotStarted;
    const TAnalysisState state = Replayed(design);
    EXPECT_EQ(state.ForceListText.toStdString(),
              "FH1 = 1000    FH2 (gear 1) = 4000    FH3 (gear 2) = 3639.70234266202    ");
    EXPECT_EQ(state.MomentListText, "");
}

namespace {

// The design with each element's plane loads typed by hand after the plane's own entries.
TDesign TypedByHand(TDesign design)
{
    for (const TMachineElement& element : design.Elements) {
        const TElementLoads loads = ResolveElement(element, ShaftDriveOf(design));
        for (auto [plane, planeLoads] : {std::pair{&design.Horizontal, &loads.Horizontal}, std::pair{&design.Vertical, &loads.Vertical}})
            for (const TPlaneLoad& load : *planeLoads) {
                const TEntryKind kind = load.Couple ? TEntryKind::Moment : TEntryKind::Force;
                const bool sense = load.Couple ? load.Clockwise : load.WithReactions;
                plane->Entries.push_back({kind, load.Position, load.Value, uint8_t(sense)});
            }
    }
    // The entry takes a plane's forces before its moments.
    for (TPlaneEntries* plane : {&design.Horizontal, &design.Vertical})
        std::stable_sort(plane->Entries.begin(), plane->Entries.end(),
                         [](const TLoadEntry& a, const TLoadEntry& b) { return a.Kind < b.Kind; });
    design.Elements.clear();
    return design;
}

TMachineElement RandomElement(std::mt19937& random, long double length)
{
    const auto real = [&](long double low, long double high) {
        return std::uniform_real_distribution<long double>(low, high)(random);
    };
    const auto whole = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    TMachineElement e;
    e.Kind = TElementKind(whole(0, 4));
    e.Position = real(0, length);
    e.Torque = real(1, 2000);
    e.Flow = TPowerFlow(whole(0, 1));
    e.Angle = whole(0, 3) == 0 ? 90 * whole(0, 3) : real(-360, 720);
    e.Diameter = real(20, 600);
    e.PressureAngle = real(14.5, 25);
    e.HelixAngle = whole(0, 1) ? 0 : real(5, 40);
    e.Hand = THelixHand(whole(0, 1));
    e.PitchConeAngle = real(10, 80);
    e.ApexTowardsPlusX = whole(0, 1) == 1;
    e.TensionRatioGiven = whole(0, 1) == 1;
    e.TensionRatio = real(1.5, 5);
    e.BeltFactor = real(1, 3);
    e.RadialFraction = real(0, 0.3);
    return e;
}

void ExpectSameDiagram(const Tav& elements, const Tav& typed, const char* plane)
{
    ASSERT_EQ(elements.size(), typed.size()) << plane;
    for (size_t i = 0; i < elements.size(); ++i) {
        const long double scale = 1 + std::abs(typed[i].Left) + std::abs(typed[i].Right);
        EXPECT_EQ(elements[i].Position, typed[i].Position) << plane << " point " << i;
        EXPECT_NEAR(double(elements[i].Left), double(typed[i].Left), 1e-9 * double(scale)) << plane << " point " << i;
        EXPECT_NEAR(double(elements[i].Right), double(typed[i].Right), 1e-9 * double(scale)) << plane << " point " << i;
    }
}

} // namespace

TEST(ShaftElements, ElementsGiveThePlanesOfTheirLoadsTypedByHand)
{
    std::mt19937 random(20261208);
    for (int trial = 0; trial < 60; ++trial) {
        TDesign design = TwoBearingShaft(std::uniform_real_distribution<long double>(100, 2000)(random));
        if (trial % 2) design.Horizontal.Entries.push_back({TEntryKind::Force, design.ShaftLength / 3, 2500, 0});
        design.Rotation = TShaftRotation(trial % 3 == 0);
        for (int i = trial % 4 + 1; i > 0; --i) design.Elements.push_back(RandomElement(random, design.ShaftLength));
        const TAnalysisState withElements = Replayed(design);
        const TAnalysisState typed = Replayed(TypedByHand(design));
        for (int bearing = 0; bearing < 2; ++bearing) {
            const double scale = 1 + std::abs(typed.HorzReactions[bearing]) + std::abs(typed.VertReactions[bearing]);
            EXPECT_NEAR(withElements.HorzReactions[bearing], typed.HorzReactions[bearing], 1e-9 * scale) << trial;
            EXPECT_NEAR(withElements.VertReactions[bearing], typed.VertReactions[bearing], 1e-9 * scale) << trial;
        }
        ExpectSameDiagram(withElements.HorzDiagram, typed.HorzDiagram, "horizontal");
        ExpectSameDiagram(withElements.VertDiagram, typed.VertDiagram, "vertical");
    }
}

// A plane holds at most 255 forces, the elements' among them.
TEST(ShaftElements, ElementsCountTowardTheEntryLimits)
{
    TDesign design = TwoBearingShaft(300);
    for (int i = 0; i < 254; ++i) design.Horizontal.Entries.push_back({TEntryKind::Force, 150, 10, 1});
    // A chain sprocket pulling at 45 deg puts one force in each plane.
    TMachineElement sprocket = Gear(100, 200, 100, TPowerFlow::Driving, 45, 0);
    sprocket.Kind = TElementKind::ChainSprocket;
    design.Elements = {sprocket};
    EXPECT_NO_THROW(Replayed(design));
    design.Elements.push_back(sprocket);
    design.Elements.back().Flow = TPowerFlow::Driven;
    EXPECT_EQ(FailureOf([&] { Replayed(design); }),
              "The horizontal plane of the design cannot be calculated: Nu se pot introduce mai mult de 255 de forte !");
}

TEST(ShaftElements, DesignFileKeepsTheElementsAndOlderFilesOpenWithout)
{
    TDesign design = GearboxShaft();
    design.Rotation = TShaftRotation::Clockwise;
    design.Elements[0].Mass = 12.5;
    design.Elements[1].GivenAsPower = true;
    design.Elements[1].Power = 7.5;
    design.Check.Speed = 1432.5;
    const QByteArray written = DesignToJson(design);
    EXPECT_TRUE(written.endsWith("\n    \"version\": 4\n}\n"));
    EXPECT_EQ(DesignFromJson(written), design);
    EXPECT_EQ(DesignToJson(DesignFromJson(written)), written);

    QJsonObject older = QJsonDocument::fromJson(DesignToJson(SmallDesign())).object();
    older.remove("Elements");
    older.remove("Rotation");
    older["version"] = 3;
    const TDesign opened = DesignFromJson(QJsonDocument(older).toJson());
    EXPECT_EQ(opened, SmallDesign());
    EXPECT_EQ(opened.FileVersion.Value, 3);
    EXPECT_TRUE(opened.Elements.empty());
}

// An element that no window would take, or one given as a power on a shaft without a speed,
// is refused as the file opens, naming it.
TEST(ShaftElements, DesignFileRefusesAnElementThatCannotBeResolved)
{
    TDesign design = GearboxShaft();
    design.Elements[1].Diameter = 0;
    EXPECT_EQ(FailureOf([&] { DesignFromJson(DesignToJson(design)); }),
              "The elements of the design are refused: gear 2: " + kElementDiameterInvalid);
    design = GearboxShaft();
    design.Elements[0].GivenAsPower = true;
    design.Elements[0].Power = 10;
    EXPECT_EQ(FailureOf([&] { DesignFromJson(DesignToJson(design)); }),
              "The elements of the design are refused: gear 1: " + kShaftSpeedInvalid);
}

// Torques that do not balance leave T(x) to the checks' refusal, and the planes still calculate.
TEST(ShaftElements, UnbalancedTorquesReachTheChecksAsTheirSum)
{
    TDesign design = GearboxShaft();
    design.Elements[1].Torque = 350;
    const TAnalysisState state = Replayed(design);
    EXPECT_FALSE(state.ElementDrive.Balanced);
    EXPECT_TRUE(state.ElementDrive.Steps.empty());
    EXPECT_NEAR(state.ElementDrive.TorqueSum, -50, 1e-12);
    EXPECT_NE(state.VertReactions[1], 0);
}
