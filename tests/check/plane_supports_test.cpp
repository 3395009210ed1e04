// Which section a shaft on three bearings is solved with, and when its reactions were made for
// another one.
#include "check/plane_supports.h"

#include "solved_shaft.h"

#include <gtest/gtest.h>

namespace {

// Radius 20 mm from 0 to 100, 30 mm from 100 to 200.
const QStringList kStepped = {"line 0/0/0/20/0/", "line 0/20/100/20/0/", "line 100/20/100/30/0/",
                              "line 100/30/200/30/0/", "line 200/30/200/0/0/"};

// Bearings at 0, 100 and 200, P = 1000 N at 50 and at 150, the horizontal plane entered.
TAnalysisState ThreeBearings()
{
    TAnalysisState state;
    StartShaft(state);
    ApplyShaftLength(state, 200);
    for (long double x : {0, 100, 200}) AddBearing(state, x, true);
    AddForce(state, 50, 1000, false, true);
    AddForce(state, 150, 1000, false, true);
    return state;
}

TEST(PlaneSupports, TheDrawingThenThePreSizedDiameterThenAUniformBeam)
{
    const TAnalysisState state = ThreeBearings();
    const TCheckInputs inputs;
    EXPECT_EQ(PlaneSupports(state, {kStepped, 20, 40}, inputs).Made.Name, "drawn section");
    EXPECT_EQ(PlaneSupports(state, {kStepped.mid(0, 3), 20, 40}, inputs).Made.Name, "pre-sized diameter 40 mm")
        << "an open drawing spans no bearing";
    EXPECT_EQ(PlaneSupports(state, {{}, 20, 0}, inputs).Made.Name, "uniform section");
}

// P = 1000 N at the middle of the left span only. The three-moment equation (Clapeyron) with a
// second moment of area of its own in each span: 2 M_B L (1/I1 + 1/I2) = -(3 P L^2 / 8) / I1, so M_B = -(3PL/16) I2 / (I1 + I2), and C carries
// R_C = M_B / L: -187.5 * 30^4 / (20^4 + 30^4) = -156.57 N (156.57 N against the reactions).
TEST(PlaneSupports, TheDrawnStepsGiveTheThreeMomentEquationsReactions)
{
    TAnalysisState state;
    StartShaft(state);
    ApplyShaftLength(state, 200);
    for (long double x : {0, 100, 200}) AddBearing(state, x, true);
    AddForce(state, 50, 1000, false, true);
    TData data;
    data.SetOriz(true);
    SolvePlane(state, data, PlaneSupports(state, {kStepped, 20, 0}, TCheckInputs{}));

    EXPECT_NEAR(state.HorzReactions[2], -187.5 * 810000 / 970000, 1e-9);
    EXPECT_NEAR(state.HorzReactions[0] + state.HorzReactions[1] + state.HorzReactions[2], 1000, 1e-9);
}

TEST(PlaneSupports, ReactionsMadeBeforeTheDrawingOrAStiffnessChangeAreMadeForAnotherSection)
{
    TAnalysisState state = ThreeBearings();
    TData data;
    data.SetOriz(true);
    TCheckInputs inputs;
    SolvePlane(state, data, PlaneSupports(state, {{}, 20, 0}, inputs));
    const TPlaneSupports drawn = PlaneSupports(state, {kStepped, 20, 0}, inputs);
    EXPECT_TRUE(MadeForAnotherSection(state, drawn));
    EXPECT_TRUE(AnotherSectionText(state, drawn).contains("uniform section"));

    SolvePlane(state, data, drawn);
    EXPECT_FALSE(MadeForAnotherSection(state, PlaneSupports(state, {kStepped, 20, 0}, inputs)));
    EXPECT_TRUE(AnotherSectionText(state, drawn).isEmpty());
    inputs.Fatigue.Bearings[2].Stiffness = 5e4L;
    EXPECT_TRUE(MadeForAnotherSection(state, PlaneSupports(state, {kStepped, 20, 0}, inputs)));
}

} // namespace
