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

} // namespace
