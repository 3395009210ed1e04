#include "check/fatigue_check.h"
#include "check/fatigue_report.h"

#include "notched_shaft.h"
#include "profile/verification.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

// Peterson's fits at the values they are known by (the charts read close to them).
TEST(StressConcentration, FitsGiveTheirCheckedValues)
{
    const TConcentration wide = StressConcentration(TLoading::Bending, 40, 60, 4);
    EXPECT_NEAR(double(wide.Kt), 1.743, 5e-4);
    EXPECT_EQ(wide.Ratio, 2.5);
    EXPECT_FALSE(wide.Estimate);
    EXPECT_NEAR(double(StressConcentration(TLoading::Bending, 40, 60, 2).Kt), 2.169, 5e-4);
    EXPECT_NEAR(double(StressConcentration(TLoading::Torsion, 40, 48, 4).Kt), 1.357, 5e-4);
    // Both bending fits meet at h / r = 2 to within their rounding.
    EXPECT_NEAR(double(StressConcentration(TLoading::Bending, 40, 60, 5).Kt),
                double(StressConcentration(TLoading::Bending, 40, 60, 5.0001L).Kt), 2e-3);
}

TEST(StressConcentration, OutsideTheRangeTheEdgeIsAnEstimate)
{
    const TConcentration sharp = StressConcentration(TLoading::Bending, 40, 60, 0);
    EXPECT_TRUE(sharp.Estimate);
    EXPECT_EQ(sharp.Ratio, 20);
    EXPECT_EQ(EffectiveRadius(sharp, 40, 60, 0), 0.5);
    EXPECT_EQ(sharp.Kt, StressConcentration(TLoading::Bending, 40, 60, 0.5).Kt);
    const TConcentration sharpTorsion = StressConcentration(TLoading::Torsion, 40, 60, 0);
    EXPECT_EQ(EffectiveRadius(sharpTorsion, 40, 60, 0), 2.5);
    const TConcentration generous = StressConcentration(TLoading::Bending, 40, 42, 20);
    EXPECT_TRUE(generous.Estimate);
    EXPECT_EQ(generous.Ratio, 0.1L);
}

// Sut = 100 kpsi: sqrt(a) = 0.0622 sqrt(in) in bending; at r = 2 mm q = 0.818, as the charts read.
TEST(StressConcentration, NeuberSensitivity)
{
    EXPECT_NEAR(double(NotchSensitivity(TLoading::Bending, 689.4757L, 2)), 0.8183, 5e-4);
    EXPECT_GT(NotchSensitivity(TLoading::Torsion, 689.4757L, 2), NotchSensitivity(TLoading::Bending, 689.4757L, 2));
    EXPECT_LT(NotchSensitivity(TLoading::Bending, 689.4757L, 0.25L), NotchSensitivity(TLoading::Bending, 689.4757L, 2));
    EXPECT_EQ(FatigueFactor(2.5L, 0.8L), 2.2L);
}

// Sut = 520 MPa machined, d = 32 mm: ka = 4.51 * 520^-0.265 = 0.860, kb = 1.24 * 32^-0.107 = 0.856.
TEST(Endurance, MarinFactors)
{
    const TEndurance e = EnduranceLimit(520, TSurface::Machined, TReliability::Percent99, 32);
    EXPECT_EQ(e.Specimen, 260);
    EXPECT_NEAR(double(e.Surface), 0.8598, 5e-4);
    EXPECT_NEAR(double(e.Size), 0.8562, 5e-4);
    EXPECT_EQ(e.Reliability, 0.814L);
    EXPECT_NEAR(double(e.Limit), 260 * 0.8598 * 0.8562 * 0.814, 0.1);
    EXPECT_EQ(EnduranceLimit(1600, TSurface::Ground, TReliability::Percent50, 20).Specimen, 700);
    EXPECT_NEAR(double(EnduranceLimit(600, TSurface::Ground, TReliability::Percent50, 100).Size), 1.51 * std::pow(100, -0.157), 1e-9);
    EXPECT_TRUE(EnduranceLimit(600, TSurface::Ground, TReliability::Percent50, 300).SizeEstimate);
}

// The shoulder worked by hand: d = 40, D = 60, r = 2, M = 540000 N*mm, T = 200000 N*mm constant,
// Sut = 1000, Sy = 750 MPa. Kt = 2.1686 (h / r = 5), Kts = 1.5907 (h / r = 4, the edge);
// sqrt(a) = 0.1787 / 0.1435 sqrt(mm), q = 0.8878, qs = 0.9079; Kf = 2.0375, Kfs = 1.5362;
// Se = 0.7231 * 0.8356 * 500 = 302.10 MPa; sigma_a = 175.11, tau_m = 24.45 MPa;
// n_f = 1 / (175.11 / 302.10 + 42.35 / 1000) = 1.608, n_y = 750 / sqrt(175.11^2 + 3 * 24.45^2) = 4.163.
TEST(FatigueCheck, ShoulderRowAgainstTheHandCalculation)
{
    const TNotchedShaft shaft;
    const TFatigueCheck check = shaft.Check(TNotchedShaft::Drawing(true));
    ASSERT_EQ(check.Rows.size(), 4u);
    const TFatigueRow& row = check.Rows[1];
    ASSERT_TRUE(row.Computed) << row.Reason.toStdString();
    EXPECT_EQ(row.Position, 60);
    EXPECT_EQ(row.Moment, 540000);
    EXPECT_NEAR(double(row.Q), 0.8878, 1e-4);
    EXPECT_NEAR(double(row.Qs), 0.9079, 1e-4);
    EXPECT_NEAR(double(row.Endurance.Limit), 302.10, 0.01);
    EXPECT_NEAR(double(row.SigmaA), 175.11, 0.01);
    EXPECT_NEAR(double(row.TauM), 24.45, 0.01);
    EXPECT_EQ(row.TauA, 0);
    EXPECT_NEAR(double(*row.FatigueSafety), 1.608, 1e-3);
    EXPECT_NEAR(double(*row.YieldSafety), 4.163, 1e-3);
    EXPECT_EQ(FatigueCells(row), QStringList({"60", "shoulder", "40.00 / 60.00", "2.00", "2.17 / 1.59", "2.04 / 1.54",
                                              "302.10", "175.11 / 42.35", "1.61", "4.16", "h/r outside the fit: estimate"}));
}

// The allowable-stress table passes the sharp shoulder, fatigue does not; the fillet mends it.
TEST(FatigueCheck, SharpShoulderFailsWhereTheStrengthTablePasses)
{
    const TNotchedShaft shaft;
    const TFatigueLimits limits;
    const QStringList sharp = TNotchedShaft::Drawing(false);
    const TVerification strength = VerifyShaft(shaft.analysis, shaft.data, DrawnContour(sharp, 20));
    for (const TVerificationRow& row : strength.Rows) EXPECT_EQ(row.Verdict, TVerdict::Ok);
    EXPECT_GT(strength.WeakestRatio, 1);

    const TFatigueCheck notched = shaft.Check(sharp);
    ASSERT_TRUE(notched.Weakest);
    const TFatigueRow& weakest = notched.Rows[*notched.Weakest];
    EXPECT_EQ(weakest.Position, 60);
    EXPECT_TRUE(weakest.Sharp);
    EXPECT_EQ(weakest.Radius, 0.5);
    EXPECT_NEAR(double(*weakest.FatigueSafety), 1.120, 1e-3);
    EXPECT_TRUE(weakest.Fails(limits));
    EXPECT_EQ(FatigueCells(weakest).last(), "sharp corner: r estimated");
    EXPECT_EQ(WeakestNotchText(notched), "Weakest notch: shoulder at x = 60 mm, n_f = 1.12");

    const TFatigueCheck filleted = shaft.Check(TNotchedShaft::Drawing(true));
    for (const TFatigueRow& row : filleted.Rows) EXPECT_FALSE(row.Fails(limits)) << double(row.Position);
}

// Rows at the analysed positions are plain sections; the torque cycle moves tau between the
// alternating and the mean part; outside the torque's span the section carries none.
TEST(FatigueCheck, PlainSectionsCyclesAndSpan)
{
    TNotchedShaft shaft;
    const TFatigueCheck constant = shaft.Check(TNotchedShaft::Drawing(true));
    const TFatigueRow& load = constant.Rows[2];
    EXPECT_EQ(load.Position, 100);
    EXPECT_FALSE(load.Shoulder);
    EXPECT_EQ(load.Kf, 1);
    EXPECT_EQ(load.Small, 60);
    // x = 0: tau_m = 16 * 200000 / (pi 40^3) = 15.92 MPa, n_f = 1000 / (sqrt 3 * 15.92) = 36.28.
    EXPECT_EQ(FatigueCells(constant.Rows[0])[8], "36.28");

    const TFatigueRow pulsating = shaft.Check(TNotchedShaft::Drawing(true), TTwistCycle::Pulsatory).Rows[1];
    EXPECT_EQ(pulsating.TauA, pulsating.TauM);
    EXPECT_NEAR(double(pulsating.TauA), double(constant.Rows[1].TauM / 2), 1e-12);
    const TFatigueRow alternating = shaft.Check(TNotchedShaft::Drawing(true), TTwistCycle::SymmetricAlternating).Rows[1];
    EXPECT_EQ(alternating.TauA, constant.Rows[1].TauM);
    EXPECT_EQ(alternating.TauM, 0);

    shaft.analysis.TwistSpan = {100, 200};
    const TFatigueCheck spanned = shaft.Check(TNotchedShaft::Drawing(true));
    EXPECT_EQ(spanned.Rows[1].Torque, 0);
    EXPECT_EQ(spanned.Rows[2].Torque, 200000);
    EXPECT_FALSE(spanned.Rows[0].FatigueSafety); // no moment, no torque: unloaded
    EXPECT_EQ(FatigueCells(spanned.Rows[0])[8], "unloaded");
}

// The solver leaves 1e-10 N*mm at the bearing beyond the torque's span: no load, so no n_f. A
// moment just above a billionth of the largest (900000 N*mm) still counts.
TEST(FatigueCheck, RoundOffIsNoLoad)
{
    TNotchedShaft shaft;
    shaft.analysis.TwistSpan = {0, 100};
    for (const auto& [moment, loaded] : {std::pair{1e-10L, false}, {8e-4L, false}, {1e-3L, true}}) {
        shaft.analysis.HorzDiagram.back() = {moment, moment, 200};
        const TFatigueRow bearing = shaft.Check(TNotchedShaft::Drawing(true)).Rows.back();
        ASSERT_EQ(bearing.Position, 200);
        EXPECT_EQ(bool(bearing.FatigueSafety), loaded) << double(moment);
        EXPECT_EQ(bearing.Moment, loaded ? moment : 0);
    }
    shaft.analysis.HorzDiagram.back() = {1e-10L, 1e-10L, 200};
    EXPECT_EQ(FatigueCells(shaft.Check(TNotchedShaft::Drawing(true)).Rows.back())[8], "unloaded");
}

TEST(FatigueCheck, RowsSayWhyTheyAreMissing)
{
    TNotchedShaft shaft;
    shaft.analysis.Points.push_back({0, 250});
    const QStringList beyond = FatigueCells(shaft.Check(TNotchedShaft::Drawing(true)).Rows.back());
    EXPECT_EQ(beyond[2], "");
    EXPECT_EQ(beyond.last(), "not drawn here");
    shaft.analysis.VertDiagram.resize(1);
    const TFatigueCheck check = shaft.Check(TNotchedShaft::Drawing(true));
    EXPECT_EQ(FatigueCells(check.Rows[1]).last(), "the vertical plane is not calculated");
    EXPECT_EQ(WeakestNotchText(check), "Weakest notch: none (no loaded section computed)");
}

} // namespace

namespace {

// Elements drive 150 N*m in at 30 mm and 100 N*m more at the load (100 mm), and 250 N*m leave at
// 170: the shoulder at 60 lies between two elements and carries 150000 N*mm, the load's section
// sits on an element and carries the larger side, 250000 N*mm; the bearings carry none. At the
// shoulder tau_m = Kfs 16 T / (pi 40^3).
TEST(FatigueCheck, ElementsGiveEachRowItsOwnTorque)
{
    TNotchedShaft shaft;
    shaft.analysis.ElementDrive.Steps = {{30, 150}, {100, 250}, {170, 0}};
    const TFatigueCheck check = shaft.Check(TNotchedShaft::Drawing(true));
    ASSERT_EQ(check.Rows.size(), 4u);
    EXPECT_EQ(check.Rows[0].Torque, 0);
    EXPECT_EQ(check.Rows[1].Torque, 150000);
    EXPECT_NEAR(double(check.Rows[1].TauM), double(check.Rows[1].Kfs * 16 * 150000 / (std::numbers::pi * 64000)), 1e-9);
    EXPECT_EQ(check.Rows[2].Torque, 250000);
    EXPECT_EQ(check.Rows[3].Torque, 0);
}

TFatigueReport ReportOf(const TNotchedShaft& shaft, const TCheckInputs& inputs = {})
{
    const TAppliedDimensioning applied{MaterialTable()[5].Name, TwistCycleNames()[0]};
    return MakeFatigueReport(shaft.analysis, shaft.data, applied, TNotchedShaft::Drawing(true), 20, inputs);
}

// Torques that do not add up leave every check that reads a torque unmade, saying why.
TEST(FatigueCheck, UnbalancedElementsStopTheChecksThatReadTheTorque)
{
    TNotchedShaft shaft;
    shaft.analysis.ElementDrive = {{}, false, -40, 0};
    const QString reason = "Momentele de torsiune ale elementelor nu se echilibreaza: suma lor este -40 N*m !";
    const TFatigueReport report = ReportOf(shaft);
    ASSERT_FALSE(report.Fatigue.Rows.empty());
    for (const TFatigueRow& row : report.Fatigue.Rows) {
        EXPECT_FALSE(row.Computed);
        EXPECT_EQ(row.Reason, reason);
    }
    EXPECT_EQ(report.TwistProblem, reason);
    const TVerification strength = VerifyShaft(shaft.analysis, shaft.data, DrawnContour(TNotchedShaft::Drawing(true), 20));
    EXPECT_EQ(strength.Rows[1].Reason, reason);
    EXPECT_EQ(strength.Rows[1].Verdict, TVerdict::Unknown);
}

// The locating bearing B takes the elements' axial force, whichever its sign; A takes none. A
// change of the elements makes a new request, so an open page works its figures out again.
TEST(FatigueCheck, TheLocatingBearingTakesTheAxialForce)
{
    TNotchedShaft shaft;
    shaft.analysis.HorzReactions[0] = 400, shaft.analysis.HorzReactions[1] = 500;
    TCheckInputs inputs;
    inputs.Speed = 1000;
    inputs.Fatigue.LocatingBearing = 1;
    for (TBearingInputs& bearing : inputs.Fatigue.Bearings) {
        bearing.Rating = 20;
        bearing.XBeyondE = 0.56L, bearing.YBeyondE = 1.6L, bearing.E = 0.3L;
    }
    const TFatigueRequest before = MakeFatigueRequest(shaft.analysis, shaft.data, {}, {}, 20, inputs);
    shaft.analysis.ElementDrive.AxialForce = -1000;
    EXPECT_FALSE(MakeFatigueRequest(shaft.analysis, shaft.data, {}, {}, 20, inputs) == before);
    const TFatigueReport report = ReportOf(shaft, inputs);
    ASSERT_EQ(report.Bearings.size(), 2u);
    EXPECT_EQ(report.Bearings[0].Axial, 0);
    EXPECT_EQ(report.Bearings[0].Load, 400);
    EXPECT_EQ(report.Bearings[1].Axial, 1000);
    EXPECT_NEAR(double(report.Bearings[1].Load), 0.56 * 500 + 1.6 * 1000, 1e-9);
}

} // namespace

namespace {

// Bearing C is chosen to take the axial load, but the shaft stands on A and B only: the 800 N
// would be carried by nothing, so no bearing's life is stated as if all were well.
TEST(FatigueCheck, AnAxialLoadWithoutItsBearingLeavesTheLivesUnstated)
{
    TNotchedShaft shaft;
    shaft.analysis.HorzReactions[0] = 400, shaft.analysis.HorzReactions[1] = 500;
    shaft.analysis.ElementDrive.AxialForce = 800;
    TCheckInputs inputs;
    inputs.Speed = 1000;
    inputs.Fatigue.LocatingBearing = 2;
    for (TBearingInputs& bearing : inputs.Fatigue.Bearings) bearing.Rating = 20;
    const TFatigueReport report = ReportOf(shaft, inputs);
    ASSERT_EQ(report.Bearings.size(), 2u);
    for (const TBearingLife& life : report.Bearings) {
        EXPECT_FALSE(life.Hours);
        EXPECT_EQ(life.Problem, "the axial load of 800.00 N has no bearing: bearing C, which takes it, is not on the shaft");
    }
    shaft.analysis.ElementDrive.AxialForce = 0;
    EXPECT_TRUE(ReportOf(shaft, inputs).Bearings[1].Hours) << "without an axial load C need not be there";
}

} // namespace
