// The TData setter rules and the two plane resets.
#include "analysis/analysis_state.h"

#include "plane_builder.h"

#include <gtest/gtest.h>

namespace {

TEST(TData, StoredInitialValuesEndWithTheVerticalMaximum)
{
    TData data;
    EXPECT_EQ(data.VertMom(), 2);
    EXPECT_EQ(data.HorzMom(), 1);
    EXPECT_EQ(data.VSect(), 6);
    EXPECT_EQ(data.HSect(), 3);
    EXPECT_EQ(data.MaxMom(), 2);
    EXPECT_EQ(data.SP(), 6);
    EXPECT_FALSE(data.Oriz());
    EXPECT_FALSE(data.MM());
    EXPECT_FALSE(data.T3());
    EXPECT_EQ(data.MT(), 0);
    EXPECT_EQ(data.DPred(), 0);
}

TEST(TData, TieTakesTheHorizontalPlane)
{
    TData data;
    data.SetVertMom(1);
    EXPECT_EQ(data.MaxMom(), 1);
    EXPECT_EQ(data.SP(), 3);
}

TEST(TData, DirectMaximumHoldsUntilAPlaneValueChanges)
{
    TData data;
    data.SetMaxMom(99);
    data.SetSP(9);
    data.SetVertMom(2); // unchanged: no recomputation
    data.SetVSect(6);
    EXPECT_EQ(data.MaxMom(), 99);
    EXPECT_EQ(data.SP(), 9);

    data.SetHSect(4);
    EXPECT_EQ(data.MaxMom(), 2);
    EXPECT_EQ(data.SP(), 6);
}

// A calculated horizontal plane with its shaft points, as the resets find it.
TAnalysisState CalculatedPlane()
{
    TAnalysisState state = Plane(100, {Bearing("RHA", 0), Bearing("RHB", 100)},
                                 {Force("FH1", 50, 1000, 0)}, {Moment("MH1", 20, 10, 1)});
    state.Points = {{1, 0}, {1, 100}, {0, 50}, {0, 20}};
    state.PointCount = 4;
    state.ReactionSumText = "RHA+RHB";
    state.ForceTerms = state.Forces;
    state.MomentTerms = state.Moments;
    state.ForceEqText = state.MomentEqValues = "x = 0";
    state.ForceRhs = state.Det = 5;
    state.EqMatrix = {1, 2, 3, 4};
    state.ShearPoints = {{1, 0}};
    state.MomentPoints = {{1, 1, 0}};
    state.Mmax = state.Fmax = 9;
    state.CriticalX = 60;
    state.CriticalSection = 2;
    state.PageLine = 700;
    return state;
}

void ExpectLoadsAndResultsEmptied(const TAnalysisState& state)
{
    EXPECT_TRUE(state.Forces.empty());
    EXPECT_TRUE(state.Moments.empty());
    EXPECT_TRUE(state.ForceTerms.empty());
    EXPECT_TRUE(state.MomentTerms.empty());
    EXPECT_EQ(state.ForceCount, 0);
    EXPECT_EQ(state.MomentCount, 0);
    EXPECT_TRUE(state.ForceEqText.isEmpty());
    EXPECT_TRUE(state.MomentEqValues.isEmpty());
    EXPECT_EQ(state.ForceRhs, 0);
    EXPECT_EQ(state.Det, 0);
    EXPECT_EQ(state.EqMatrix, (std::array<double, 4>{}));
    EXPECT_TRUE(state.ShearPoints.empty());
    EXPECT_TRUE(state.MomentPoints.empty());
    EXPECT_EQ(state.Mmax, 0);
    EXPECT_EQ(state.Fmax, 0);
    EXPECT_EQ(state.CriticalX, 0);
    EXPECT_EQ(state.CriticalSection, 0);
    EXPECT_EQ(state.PageLine, 420);
    EXPECT_EQ(state.PointCount, 4);
    EXPECT_EQ(state.Points.size(), 4u);
}

TEST(PlaneReset, FullResetStartsANewShaftButKeepsThePoints)
{
    TAnalysisState state = CalculatedPlane();
    ResetFullPlane(state);
    ExpectLoadsAndResultsEmptied(state);
    EXPECT_TRUE(state.Reactions.empty());
    EXPECT_EQ(state.BearingCount, 0);
    EXPECT_EQ(state.ShaftLength, 0);
    EXPECT_TRUE(state.ReactionSumText.isEmpty());
}

TEST(PlaneReset, PartialResetKeepsTheShaftAndRenamesTheReactionSum)
{
    TAnalysisState state = CalculatedPlane();
    ResetPartialPlane(state);
    ExpectLoadsAndResultsEmptied(state);
    EXPECT_EQ(state.Reactions.size(), 2u);
    EXPECT_EQ(state.BearingCount, 2);
    EXPECT_EQ(state.ShaftLength, 100);
    EXPECT_EQ(state.ReactionSumText, "RVA+RVB");
}

} // namespace
