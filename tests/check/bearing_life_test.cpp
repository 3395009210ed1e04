#include "check/bearing_life.h"

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
// 1e42 million revolutions; a small load that is real (a millionth of the other) keeps its life.
TEST(BearingLife, RoundOffIsNoLoad)
{
    const std::array<long double, 2> roundOff = BearingLoads(1e-10, 0, 1800, -2400);
    EXPECT_EQ(roundOff[0], 0);
    EXPECT_EQ(roundOff[1], 3000);
    EXPECT_TRUE(BearingLife(roundOff[0], {TBearingKind::Ball, 30}, 1000, 20000).Unloaded);
    EXPECT_NEAR(double(BearingLoads(0, 3e-3, 1800, -2400)[0]), 3e-3, 1e-15);
}

} // namespace
