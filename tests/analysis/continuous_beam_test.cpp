// Continuous beams on rigid and elastic supports: textbook cases worked by hand, the limits of a
// spring support, statics where the beam is determinate, equilibrium on the largest plane, and
// the inputs that must be refused. Random beams against a model meshed apart: beam_supports/.
#include "analysis/continuous_beam.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

// A steel shaft (E = 210000 MPa) of diameter 40 mm up to 300 mm, 50 mm beyond, with a cone from
// 300 to 330 mm down to 35 mm further on: E I in N*mm^2.
long double SteppedRigidity(long double x)
{
    const long double d = x < 300 ? 40 : x < 330 ? 50 - 15 * (x - 300) / 30 : 35;
    return 210000 * kPi * std::pow(d, 4) / 64;
}

TBeamSection SteppedShaft() { return {{300, 330}, SteppedRigidity}; }

void ExpectReactions(const std::vector<long double>& actual, const std::vector<long double>& expected,
                     long double tolerance)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(double(actual[i]), double(expected[i]), double(tolerance)) << i;
}

struct TWorkedCase {
    const char* name;
    std::vector<TBeamSupport> supports;
    std::vector<TBeamLoad> loads;
    std::vector<long double> reactions; // in the supports' order
};

// P = 1000 N against the reactions, C = 60000 N*mm clockwise, spans L = 200 mm. Two spans with a
// couple at the middle of the first: the simple beam over 0..2L deflects at L by -3 C L^2 / (16 EI)
// under the couple and L^3 / (6 EI) per unit of middle reaction, so RB = 9 C / (8 L), and moment
// about the far end gives RA = -17 C / (16 L), RC = -C / (16 L). The overhang force F at -a reaches
// A as F and the couple F a; an end couple C0 on two spans gives RB = 3 C0 / (2 L),
// RA = -5 C0 / (4 L), RC = -C0 / (4 L) (the same working).
TEST(ContinuousBeam, WorkedCasesOnRigidSupports)
{
    const long double P = 1000, C = 60000, L = 200, a = 50, C0 = -P * a;
    const std::vector<TWorkedCase> cases = {
        {"two equal spans, P at each middle", {{0}, {L}, {2 * L}}, {{L / 2, -P}, {3 * L / 2, -P}},
         {5 * P / 16, 11 * P / 8, 5 * P / 16}},
        {"three equal spans, given out of order", {{3 * L}, {0}, {L}, {2 * L}},
         {{L / 2, -P}, {3 * L / 2, -P}, {5 * L / 2, -P}}, {7 * P / 20, 7 * P / 20, 23 * P / 20, 23 * P / 20}},
        {"couple in the first of two spans", {{0}, {L}, {2 * L}}, {{L / 2, 0, C}},
         {-17 * C / (16 * L), 9 * C / (8 * L), -C / (16 * L)}},
        {"force on the left overhang", {{0}, {L}, {2 * L}}, {{-a, -P}},
         {P - 5 * C0 / (4 * L), 3 * C0 / (2 * L), -C0 / (4 * L)}},
    };
    for (const TWorkedCase& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectReactions(SupportReactions(c.supports, c.loads, {}), c.reactions, 1e-9L);
    }
}

// Two supports are a determinate beam whatever its stiffness: the reactions are the statics ones,
// and the shaft's E I is read only between them (an overhang bends without changing them).
TEST(ContinuousBeam, TwoSupportsGiveTheStaticsAnswer)
{
    long double lowest = 1e9, highest = -1e9;
    const TBeamSection section{{300, 330}, [&](long double x) {
        lowest = std::min(lowest, x);
        highest = std::max(highest, x);
        return SteppedRigidity(x);
    }};
    const std::vector<TBeamLoad> loads = {{-40, 500}, {150, -2000, 30000}, {420, 800, -10000}};
    const std::vector<long double> reactions = SupportReactions({{400, 2e4}, {100}}, loads, section);
    // Moments about 100: 300 R(400) = 500 * 140 - 2000 * -50 + 800 * -320 + 30000 - 10000.
    ExpectReactions(reactions, {-220, 920}, 1e-9L);
    EXPECT_GT(lowest, 100);
    EXPECT_LT(highest, 400);
}

// A support whose spring stiffens without end becomes rigid; one whose spring goes slack leaves
// the beam on the other supports.
TEST(ContinuousBeam, SpringSupportBetweenRigidAndAbsent)
{
    const std::vector<TBeamLoad> loads = {{60, -3000}, {210, -1500, 40000}, {380, 2500}, {470, -1000}};
    auto onSpring = [&](long double k) {
        return SupportReactions({{0}, {160, k}, {320}, {450, 5e4}}, loads, SteppedShaft());
    };
    ExpectReactions(onSpring(1e14), SupportReactions({{0}, {160}, {320}, {450, 5e4}}, loads, SteppedShaft()), 1e-5L);
    std::vector<long double> withoutIt = SupportReactions({{0}, {320}, {450, 5e4}}, loads, SteppedShaft());
    withoutIt.insert(withoutIt.begin() + 1, 0);
    ExpectReactions(onSpring(1e-6), withoutIt, 1e-5L);
}

// The largest plane the entry allows: eight supports, four of them springs, 255 forces and 255
// couples spread over the shaft and its overhangs. Reactions and loads balance in force and moment.
TEST(ContinuousBeam, LargestPlaneIsInEquilibrium)
{
    std::vector<TBeamSupport> supports;
    for (int n = 0; n < 8; ++n) supports.push_back({20 + n * 65.0L, n % 2 ? 2e4L * (n + 1) : 0});
    std::vector<TBeamLoad> loads;
    for (int n = 1; n <= 255; ++n) loads.push_back({n * 2.35L, (n % 3 ? -1 : 1) * (100.0L + n), 50.0L * n * (n % 2 ? 1 : -1)});
    const std::vector<long double> reactions = SupportReactions(supports, loads, SteppedShaft());
    long double force = 0, moment = 0, forceScale = 0, momentScale = 0;
    for (size_t i = 0; i < supports.size(); ++i) {
        force += reactions[i];
        moment -= reactions[i] * supports[i].Position;
    }
    for (const TBeamLoad& load : loads) {
        force += load.Force;
        moment += load.Couple - load.Force * load.Position;
        forceScale += std::fabs(load.Force);
        momentScale += std::fabs(load.Couple) + std::fabs(load.Force * load.Position);
    }
    // Round-off of extended precision grown by the springs' weak hold: about 1E-13 here.
    EXPECT_LT(std::fabs(force), 1e-11 * forceScale);
    EXPECT_LT(std::fabs(moment), 1e-11 * momentScale);
}

TEST(ContinuousBeam, RefusesBeamsItCannotSolve)
{
    const std::vector<TBeamLoad> loads = {{50, -100}};
    auto failure = [&](const std::vector<TBeamSupport>& supports, const TBeamSection& section) {
        return FailureOf([&] { SupportReactions(supports, loads, section); });
    };
    EXPECT_EQ(failure({{0}}, {}), "A shaft needs at least two bearings: with fewer it is a mechanism.");
    EXPECT_EQ(failure({}, {}), "A shaft needs at least two bearings: with fewer it is a mechanism.");
    EXPECT_EQ(failure({{0}, {100}, {0, 1e4}}, SteppedShaft()), "Two bearings are at 0 mm: each bearing needs a place of its own.");
    EXPECT_TRUE(failure({{0}, {100, 1e4}}, {}).contains("needs the shaft's diameters"));
    EXPECT_TRUE(failure({{0}, {100, -1e4}}, SteppedShaft()).contains("a stiffness is a positive number"));
    // A drawing that leaves a gap between the bearings.
    const TBeamSection gap{{}, [](long double x) { return x > 30 && x < 40 ? 0 : 1e9L; }};
    EXPECT_TRUE(failure({{0}, {100}, {200}}, gap).contains("give the shaft a cross section there"));
}

} // namespace
