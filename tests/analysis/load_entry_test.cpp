// The load entry's rules without a window: a positive length, positions on the shaft, names,
// each position once, the byte counters that
// refuse instead of wrapping around, and what a new shaft or the vertical plane keeps.
#include "analysis/load_entry.h"

#include "common/errors.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace {

TAnalysisState Shaft(long double length)
{
    TAnalysisState state;
    state.ShaftLength = length;
    return state;
}

} // namespace

TEST(BearingName, LettersAToHInEachPlaneAndNoNameBeyond)
{
    EXPECT_EQ(BearingName(0, true), "RHA");
    EXPECT_EQ(BearingName(7, true), "RHH");
    EXPECT_EQ(BearingName(1, false), "RVB");
    EXPECT_EQ(BearingName(8, true), "");
    EXPECT_EQ(BearingName(200, false), "");
}

TEST(ApplyShaftLength, ZeroOrLessIsRefusedAndNotStored)
{
    TAnalysisState state;
    for (const long double length : {0.0L, -0.0L, -5.0L}) {
        EXPECT_EQ(FailureOf([&] { ApplyShaftLength(state, length); }), kShaftLengthMissing);
        EXPECT_EQ(state.ShaftLength, 0);
    }
    ApplyShaftLength(state, 1e-4940L);
    EXPECT_EQ(state.ShaftLength, 1e-4940L);
}

// A position off the shaft is refused by every Add before anything is stored; both ends and a
// shaft too long for its columns to be computed are the edge cases.
TEST(AddLoads, PositionsOutsideTheShaftAreRefusedBeforeAnythingIsStored)
{
    struct Case { long double length, position; bool accepted; };
    const Case cases[] = {{100, 0, true}, {100, 100, true}, {100, -0.0L, true}, {100, -50, false},
                          {100, 100.000001L, false}, {100, 1e30L, false}, {100, 20280, false},
                          {1e4930L, 1e4930L, false}, {1e4930L, 1e4920L, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(double(c.position));
        TAnalysisState state = Shaft(c.length);
        const std::function<void()> adds[] = {[&] { AddBearing(state, c.position, true); },
                                              [&] { AddForce(state, c.position, 10, true, true); },
                                              [&] { AddMoment(state, c.position, 10, true, true); }};
        for (const auto& add : adds)
            EXPECT_EQ(FailureOf(add), c.accepted ? QString() : kPositionOutside);
        const size_t stored = c.accepted ? 1 : 0;
        EXPECT_EQ(state.Reactions.size() + state.Forces.size() + state.Moments.size(), 3 * stored);
        EXPECT_EQ(state.Points.size(), stored);
        EXPECT_EQ(state.ReactionSumText, c.accepted ? "RHA" : "");
    }
}

// Eight bearings, A to H; the ninth is refused before it stores a bearing or a position.
TEST(AddBearing, TheNinthIsRefusedAndLeavesNothingBehind)
{
    TAnalysisState state = Shaft(100);
    for (int i = 0; i < 8; ++i) AddBearing(state, 10 * i, true);
    const TAnalysisState eight = state;
    EXPECT_EQ(FailureOf([&] { AddBearing(state, 95, true); }), kTooManyBearings);
    EXPECT_EQ(state.Reactions.size(), eight.Reactions.size());
    EXPECT_EQ(state.BearingCount, 8);
    EXPECT_EQ(state.PointCount, 8);
    EXPECT_EQ(state.ReactionSumText, eight.ReactionSumText);
}

TEST(AddLoads, TermsAreNamedByPlaneAndCountAndShareThePointOfABearing)
{
    TAnalysisState state = Shaft(100);
    AddBearing(state, 20, false);
    const Tvector force = AddForce(state, 20, 150.5L, false, false);
    const Tvector moment = AddMoment(state, 35, 4000, true, false);

    EXPECT_EQ(force.Name, "FV1");
    EXPECT_EQ(force.Kind, 'f');
    EXPECT_EQ(force.Value, 150.5L);
    EXPECT_EQ(force.Direction, 0);
    EXPECT_EQ(moment.Name, "MV1");
    EXPECT_EQ(moment.Kind, 'm');
    EXPECT_EQ(moment.Direction, 1);
    EXPECT_EQ(AddForce(state, 35, 1, true, true).Name, "FH2");
    ASSERT_EQ(state.PointCount, 2);
    EXPECT_EQ(state.Points[0].Bearing, 1); // the force at the bearing keeps the bearing's flag
    EXPECT_EQ(state.Points[1].Position, 35);
    EXPECT_EQ(state.Points[1].Bearing, 0);
}

// A byte counter at 255 refuses the 256th item: nothing is stored and no counter wraps.
TEST(AddLoads, AFullCounterRefusesBeforeAnythingIsStored)
{
    TAnalysisState state = Shaft(100);
    AddBearing(state, 0, true);
    state.ForceCount = state.MomentCount = 255;
    const TAnalysisState before = state;

    EXPECT_EQ(FailureOf([&] { AddForce(state, 5, 1, true, true); }), kTooManyForces);
    EXPECT_EQ(FailureOf([&] { AddMoment(state, 5, 1, true, true); }), kTooManyMoments);
    EXPECT_TRUE(state.Forces.empty());
    EXPECT_TRUE(state.Moments.empty());
    EXPECT_EQ(state.PointCount, 1);
    EXPECT_EQ(state.ReactionSumText, before.ReactionSumText);

    state.ForceCount = 0;
    state.PointCount = 255;
    EXPECT_EQ(FailureOf([&] { AddForce(state, 5, 1, true, true); }), kTooManyPoints);
    EXPECT_TRUE(state.Forces.empty());
    AddForce(state, 0, 1, true, true); // a known position needs no new point
    EXPECT_EQ(state.Forces.size(), 1u);
    EXPECT_EQ(state.PointCount, 255);
}

TEST(StartShaft, ForgetsThePositionsOfThePreviousShaft)
{
    TAnalysisState state = Shaft(100);
    AddBearing(state, 10, true);
    AddForce(state, 30, 5, true, true);
    StartShaft(state);
    EXPECT_TRUE(state.Points.empty());
    EXPECT_EQ(state.PointCount, 0);
    EXPECT_TRUE(state.Reactions.empty());
    EXPECT_EQ(state.ShaftLength, 0);
}

TEST(RenameBearingsVertical, EveryBearingTakesItsVerticalName)
{
    TAnalysisState state;
    ApplyShaftLength(state, 900);
    for (int n = 0; n < 8; ++n) AddBearing(state, 100 * n, true);
    ASSERT_EQ(state.Reactions[2].Name, "RHC");
    ResetPartialPlane(state);
    RenameBearingsVertical(state.Reactions);
    const QStringList names{"RVA", "RVB", "RVC", "RVD", "RVE", "RVF", "RVG", "RVH"};
    for (int n = 0; n < 8; ++n) EXPECT_EQ(state.Reactions[n].Name, names[n]) << "bearing " << n + 1;
    EXPECT_EQ(state.ReactionSumText, "RVA+RVB+RVC+RVD+RVE+RVF+RVG+RVH");

    Tincarcare single(1);
    RenameBearingsVertical(single);
    EXPECT_EQ(single[0].Name, "RVA");
}

TEST(KeepFirstEntry, LeavesAtMostTheFirstPoint)
{
    Tav diagram{{1, 1, 0}, {5, 5, 50}, {0, 0, 100}};
    KeepFirstEntry(diagram);
    ASSERT_EQ(diagram.size(), 1u);
    EXPECT_EQ(diagram[0].Left, 1);
    Tav empty;
    KeepFirstEntry(empty);
    EXPECT_TRUE(empty.empty());
}
