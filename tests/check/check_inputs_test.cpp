// The physical ranges of the checks' inputs: each edge accepted, a step beyond it refused with a
// message that names the input and the range, and 0 meaning "no rating" and "rigid" for a bearing.
#include "check/check_inputs.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>

namespace {

TEST(CheckInputRanges, EdgesAreInsideAndAStepBeyondIsOutside)
{
    using enum TCheckInput;
    struct TEdges {
        TCheckInput input;
        long double lowest, highest;
        bool lowestIncluded;
    };
    const TEdges table[] = {{Modulus, 1000, 1e6L, true},      {ShearModulus, 1000, 5e5L, true},
                            {Density, 100, 50000, true},      {Mass, 0, 1e6L, true},
                            {Speed, 0, 1e6L, true},           {SlopeLimit, 0, 0.1L, false},
                            {DeflectionRatio, 0, 0.1L, false}, {Rating, 0, 1e5L, false},
                            {RequiredLife, 1, 1e7L, true},     {FatigueSafety, 1, 10, true},
                            {YieldSafety, 1, 10, true},        {Stiffness, 1, 1e9L, true}};
    for (const TEdges& edges : table) {
        const TInputRange& range = RangeOf(edges.input);
        // A step that stays clear of 0, which a rating and a stiffness take as "none" and "rigid".
        const long double step = std::min(edges.highest * 1e-9L, edges.lowest > 0 ? edges.lowest / 10 : INFINITY);
        EXPECT_TRUE(InRange(edges.highest, range)) << range.Name.toStdString();
        EXPECT_FALSE(InRange(edges.highest + step, range)) << range.Name.toStdString();
        EXPECT_FALSE(InRange(edges.lowest - step, range)) << range.Name.toStdString();
        EXPECT_TRUE(InRange(edges.lowest + step, range)) << range.Name.toStdString();
        if (edges.input != Rating && edges.input != Stiffness) EXPECT_EQ(InRange(edges.lowest, range), edges.lowestIncluded) << range.Name.toStdString();
        EXPECT_FALSE(InRange(INFINITY, range));
        EXPECT_FALSE(InRange(NAN, range));
    }
    EXPECT_TRUE(InRange(0, RangeOf(Rating))) << "no rating given";
}

TEST(CheckInputRanges, TheFirstInputOutOfRangeIsNamedWithItsRange)
{
    TCheckInputs inputs;
    EXPECT_EQ(CheckInputsProblem(inputs), "");
    inputs.Masses = {{120, 5}, {150, 1e30L}};
    inputs.Fatigue.Bearings[1].Rating = 2e5L;
    EXPECT_EQ(CheckInputsProblem(inputs), "The mass at x = 150 mm must be from 0 to 1000000 kg, not 1E30");
    inputs.Masses.clear();
    EXPECT_EQ(CheckInputsProblem(inputs), "Bearing B's rating C must be 0 (none) or above 0, up to 100000 kN, not 200000");
    inputs.Fatigue.Bearings[1].Rating = 0;
    inputs.Fatigue.Bearings[0].Stiffness = 0.5L;
    EXPECT_EQ(CheckInputsProblem(inputs),
              "Bearing A's radial stiffness must be 0 (rigid) or from 1 to 1000000000 N/mm, not 0.5");
    inputs.Modulus = INFINITY;
    EXPECT_EQ(CheckInputsProblem(inputs), "E must be from 1000 to 1000000 MPa, not a finite number");
}

} // namespace
