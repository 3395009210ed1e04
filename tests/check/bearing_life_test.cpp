#include "check/bearing_life.h"
#include "check/fatigue_report.h"

#include <gtest/gtest.h>

namespace {

// C = 30 kN under P = 3000 N: (C / P)^3 = 1000 million revolutions, at 1000 rpm 16,667 h.
TEST(BearingLife, RatingLifeAgainstTheRequiredHours)
{
    const long double load = ResultantReaction(1800, -2400);
    EXPECT_EQ(load, 3000);
    const TBearingLife ball = BearingLife(load, {TBearingKind::Ball, 30}, 1000, 20000);
    EXPECT_NEAR(double(*ball.Revolutions), 1000, 1e-9);
    EXPECT_NEAR(double(*ball.Hours), 16666.667, 1e-3);
    EXPECT_TRUE(ball.Short);
    const TBearingLife roller = BearingLife(load, {TBearingKind::Roller, 30}, 1000, 20000);
    EXPECT_NEAR(double(*roller.Revolutions), 2154.435, 1e-3); // 10^(10/3)
    EXPECT_FALSE(roller.Short);
}

TEST(BearingLife, MissingInputsAreNamed)
{
    EXPECT_EQ(BearingLife(3000, {TBearingKind::Ball, 0}, 1000, 20000).Problem, "no rating C given");
    EXPECT_EQ(BearingLife(0, {TBearingKind::Ball, 30}, 1000, 20000).Problem, "unloaded");
    const TBearingLife standing = BearingLife(3000, {TBearingKind::Ball, 30}, 0, 20000);
    EXPECT_EQ(standing.Problem, "no operating speed given");
    EXPECT_TRUE(standing.Revolutions);
    EXPECT_FALSE(standing.Hours);
}

// A bearing beyond the loads that the solver leaves with 1e-10 N is unloaded, not given a life of
// 1e42 million revolutions; a small load that is real (a millionth of the largest) keeps its life.
// The largest may be any bearing's, and only the entered bearings count.
TEST(BearingLife, RoundOffIsNoLoad)
{
    const std::vector<long double> roundOff = BearingLoads({1e-10, 5, 1800, 9e9}, {0, 0, -2400, 0}, 3);
    ASSERT_EQ(roundOff.size(), 3u);
    EXPECT_EQ(roundOff[0], 0);
    EXPECT_EQ(roundOff[1], 5);
    EXPECT_EQ(roundOff[2], 3000);
    EXPECT_TRUE(BearingLife(roundOff[0], {TBearingKind::Ball, 30}, 1000, 20000).Unloaded);
    EXPECT_NEAR(double(BearingLoads({0, 0, 1800}, {3e-3, 0, -2400}, 3)[0]), 3e-3, 1e-15);
}

// Bearing C under 1800 N and -2400 N: P = 3000 N. A ball bearing of C = 30 kN lives
// (30000 / 3000)^3 = 1000 million revolutions (ISO 281: L10 = (C/P)^3), at 1000 rpm
// 10^9 / 60000 = 16,667 h, short of 20,000 h; bearings A and B, without a rating, say so.
TEST(BearingLife, EveryEnteredBearingHasItsLife)
{
    TAnalysisState analysis;
    analysis.BearingCount = 3;
    analysis.HorzReactions = {100, 200, 1800};
    analysis.VertReactions = {0, 0, -2400};
    TCheckInputs inputs;
    inputs.Speed = 1000;
    inputs.Fatigue.Bearings[2] = {TBearingKind::Ball, 30, 0};
    const TFatigueReport report = MakeFatigueReport(analysis, TData(), {}, {}, 10, inputs);
    ASSERT_EQ(report.Bearings.size(), 3u);
    EXPECT_EQ(report.Bearings[0].Problem, "no rating C given");
    EXPECT_NEAR(double(*report.Bearings[2].Hours), 16666.667, 1e-3);
    EXPECT_TRUE(report.Bearings[2].Short);
    EXPECT_EQ(NamedBearingLifeText(2, report.Bearings[2]),
              "Bearing C: P = 3000.00 N, L10 = 1000.00 million revolutions, L10h = 16667 h");

    // A life asked for before any bearing is entered is reported for A and B, not skipped.
    analysis.BearingCount = 0;
    EXPECT_EQ(MakeFatigueReport(analysis, TData(), {}, {}, 10, inputs).Bearings.size(), 2u);
}

} // namespace

namespace {

// A deep-groove ball bearing of C = 35 kN at 1000 rpm under Fr = 4000 N, with the maker's factors
// X = 1, Y = 0 up to e = 0.3 and X = 0.56, Y = 1.6 beyond (ISO 281:2007, 6.2).
//   Fa = 2000 N: Fa/Fr = 0.5 > e, P = 0.56 * 4000 + 1.6 * 2000 = 5440 N,
//     L10 = (35000 / 5440)^3 = 266.32 million revolutions, L10h = 266.32E6 / 60000 = 4438.7 h.
//   Fa = 1000 N: Fa/Fr = 0.25 <= e, P = Fr = 4000 N, L10 = 8.75^3 = 669.92.
//   Fa = 1200 N: Fa/Fr = e exactly, still the first pair: P = 4000 N.
//   Fr = 0, Fa = 2000 N: purely axial, beyond e: P = 1.6 * 2000 = 3200 N.
TEST(BearingLife, EquivalentLoadOfRadialAndAxialLoads)
{
    TBearingInputs bearing{TBearingKind::Ball, 35};
    bearing.XBeyondE = 0.56L, bearing.YBeyondE = 1.6L, bearing.E = 0.3L;
    const TBearingLife heavy = BearingLife(4000, 2000, bearing, 1000, 20000);
    EXPECT_NEAR(double(heavy.Load), 5440, 1e-9);
    EXPECT_EQ(heavy.Axial, 2000);
    EXPECT_NEAR(double(*heavy.Revolutions), 266.32, 0.005);
    EXPECT_NEAR(double(*heavy.Hours), 4438.7, 0.05);
    EXPECT_EQ(BearingLife(4000, 1000, bearing, 1000, 20000).Load, 4000);
    EXPECT_NEAR(double(*BearingLife(4000, 1000, bearing, 1000, 20000).Revolutions), 669.92, 0.005);
    EXPECT_EQ(EquivalentLoad(4000, 1200, bearing), 4000);
    EXPECT_NEAR(double(EquivalentLoad(0, 2000, bearing)), 3200, 1e-9);
    // The defaults, X = 1 and Y = 0 both sides, count the radial load alone, as before axial loads.
    EXPECT_EQ(BearingLife(4000, 2000, {TBearingKind::Ball, 35}, 1000, 20000).Load, 4000);
    EXPECT_TRUE(BearingLife(0, 2000, {TBearingKind::Ball, 35}, 1000, 20000).Unloaded);
}

} // namespace
