// The solver over whole planes: the worked example term by term, statics invariants on simple
// beams, the diagram list's special points, and planes that must be refused untouched.
#include "analysis/solver.h"

#include "analysis/page_mapping.h"
#include "analysis/plane_diagram.h"
#include "common/errors.h"
#include "plane_builder.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

// Shaft 100, bearings at 0 and 100, FH1 = 1000 N at 50 acting against the reactions.
TAnalysisState WorkedExample()
{
    return Plane(100, {Bearing("RHA", 0), Bearing("RHB", 100)}, {Force("FH1", 50, 1000, 0)});
}

struct HorizontalData : TData {
    HorizontalData() { SetOriz(true); }
};

QStringList Names(const Tincarcare& terms)
{
    QStringList names;
    for (const Tvector& term : terms) names << term.Name;
    return names;
}

void ExpectMomentPoint(const TMomentPoint& point, long double position, long double left,
                       long double right)
{
    EXPECT_EQ(point.Position, position);
    EXPECT_EQ(point.Left, left);
    EXPECT_EQ(point.Right, right);
}

TEST(Solver, WorkedExampleGivesEveryListTextAndNumber)
{
    TAnalysisState state = WorkedExample();
    HorizontalData data;
    SolvePlane(state, data);

    EXPECT_EQ(Names(state.ForceTerms), QStringList({"RHA", "FH1", "RHB"}));
    EXPECT_EQ(Names(state.MomentTerms), QStringList({"RHA*0", "FH1*50", "RHB*100"}));
    EXPECT_EQ(Names(state.Moments), Names(state.MomentTerms));
    const Tvector& forceMoment = state.MomentTerms[1];
    EXPECT_EQ(forceMoment.Kind, 'm');
    EXPECT_EQ(forceMoment.Unknown, 0);
    EXPECT_EQ(forceMoment.Position, 50);
    EXPECT_EQ(forceMoment.Direction, 1);
    EXPECT_EQ(forceMoment.Value, 50000);
    EXPECT_EQ(forceMoment.LeverForce, 1000);
    EXPECT_EQ(state.MomentTerms[0].Direction, 0);
    EXPECT_EQ(state.MomentTerms[2].Direction, 0);
    EXPECT_EQ(state.MomentTerms[2].Unknown, 1);

    EXPECT_EQ(state.ForceListText, "FH1 = 1000    ");
    EXPECT_EQ(state.MomentListText, "");
    EXPECT_EQ(state.ForceEqText, "RHA-FH1+RHB = 0");
    EXPECT_EQ(state.ForceEqValues, "RHA-1000+RHB = 0");
    EXPECT_EQ(state.MomentEqText, "-RHA*0+FH1*50-RHB*100 = 0");
    EXPECT_EQ(state.MomentEqValues, "-RHA*0+50000-RHB*100 = 0");

    EXPECT_EQ(state.ForceRhs, 1000);
    EXPECT_EQ(state.MomentRhs, 50000);
    EXPECT_EQ(state.PosA, 0);
    EXPECT_EQ(state.PosB, 100);
    EXPECT_EQ(state.Det, 100);
    EXPECT_EQ(state.DetA, 50000);
    EXPECT_EQ(state.DetB, 50000);
    EXPECT_EQ(state.EqMatrix, (std::array<double, 4>{1, 1000, 0, 50000}));
    EXPECT_EQ(state.HorzReactions[0], 500);
    EXPECT_EQ(state.HorzReactions[1], 500);
    EXPECT_EQ(state.VertReactions[0], 0);
    EXPECT_EQ(state.VertReactions[1], 0);

    ASSERT_EQ(state.ShearPoints.size(), 2u);
    EXPECT_EQ(state.ShearPoints[0].Position, 0);
    EXPECT_EQ(state.ShearPoints[0].Shear, 500);
    EXPECT_EQ(state.ShearPoints[1].Position, 50);
    EXPECT_EQ(state.ShearPoints[1].Shear, -500);
    ASSERT_EQ(state.MomentPoints.size(), 3u);
    ExpectMomentPoint(state.MomentPoints[0], 0, 0, 0);
    ExpectMomentPoint(state.MomentPoints[1], 50, 25000, 25000);
    ExpectMomentPoint(state.MomentPoints[2], 100, 0, 0);

    EXPECT_EQ(state.Fmax, 500);
    EXPECT_EQ(state.Mmax, 25000);
    EXPECT_EQ(state.CriticalSection, 2);
    EXPECT_EQ(state.CriticalX, 300);

    ASSERT_EQ(state.HorzDiagram.size(), 3u);
    for (size_t k = 0; k < 3; ++k)
        ExpectMomentPoint(state.HorzDiagram[k], state.MomentPoints[k].Position,
                          state.MomentPoints[k].Left, state.MomentPoints[k].Right);
    EXPECT_EQ(state.HorzDiagramCount, 3);
    EXPECT_EQ(BuildPlaneDiagram(state.MomentPoints, state.ShaftLength).Numbers,
              std::vector<int>({1, 2, 3}));

    EXPECT_EQ(data.HorzMom(), 25000);
    EXPECT_EQ(data.HSect(), 2);
    EXPECT_EQ(data.MaxMom(), 25000);
    EXPECT_EQ(data.SP(), 2);
}

TEST(Solver, DecimalCommaReachesNamesListsAndEquations)
{
    DecimalSeparatorScope comma(',');
    TAnalysisState state =
        Plane(75, {Bearing("RHA", 0), Bearing("RHB", 75)}, {Force("FH1", 37.5, 1500.5, 0)});
    HorizontalData data;
    SolvePlane(state, data);

    EXPECT_EQ(state.ForceListText, "FH1 = 1500,5    ");
    EXPECT_EQ(state.ForceEqValues, "RHA-1500,5+RHB = 0");
    EXPECT_EQ(state.MomentEqText, "-RHA*0+FH1*37,5-RHB*75 = 0");
    EXPECT_EQ(state.MomentEqValues, "-RHA*0+56268,75-RHB*75 = 0");
}

// Sum of the forces and of the moments about A vanish, and the moment under a single force
// matches the beam formula.
TEST(Solver, SimplySupportedForceSatisfiesStatics)
{
    struct Case { long double length, at, force; };
    for (const Case c : {Case{100, 50, 1000}, Case{1000, 250, 3000}, Case{300, 100, 750.5},
                         Case{7, 3, 11}, Case{640, 639, 1e6}}) {
        SCOPED_TRACE(double(c.at));
        TAnalysisState state =
            Plane(c.length, {Bearing("RHA", 0), Bearing("RHB", c.length)},
                  {Force("FH1", c.at, c.force, 0)});
        HorizontalData data;
        SolvePlane(state, data);

        const double tolerance = 1e-12 * double(c.force * c.length);
        EXPECT_NEAR(state.HorzReactions[0], double(c.force * (c.length - c.at) / c.length), tolerance);
        EXPECT_NEAR(state.HorzReactions[1], double(c.force * c.at / c.length), tolerance);
        EXPECT_NEAR(state.HorzReactions[0] + state.HorzReactions[1] - double(c.force), 0, tolerance);
        EXPECT_NEAR(state.HorzReactions[1] * double(c.length) - double(c.force * c.at), 0, tolerance);
        for (const TMomentPoint& point : state.MomentPoints) EXPECT_EQ(point.Left, point.Right);
        EXPECT_NEAR(double(state.MomentPoints.back().Right), 0, tolerance);
        EXPECT_NEAR(double(state.Mmax), double(c.force * c.at * (c.length - c.at) / c.length),
                    tolerance);
        EXPECT_EQ(state.CriticalSection, 2);
        EXPECT_EQ(state.CriticalX, PagePosX(c.at, c.length));
    }
}

TEST(Solver, LoneMomentIsCarriedByAReactionCouple)
{
    TAnalysisState state =
        Plane(200, {Bearing("RHA", 0), Bearing("RHB", 200)}, {}, {Moment("MH1", 80, 5000, 1)});
    HorizontalData data;
    SolvePlane(state, data);

    EXPECT_EQ(state.HorzReactions[1], 25);
    EXPECT_EQ(state.HorzReactions[0], -25);
    EXPECT_EQ(state.MomentListText, "MH1 = 5000    ");
    EXPECT_EQ(state.MomentEqValues, "-RHA*0+5000-RHB*200 = 0");
    ASSERT_EQ(Names(state.MomentTerms), QStringList({"RHA*0", "MH1", "RHB*200"}));
    ExpectMomentPoint(state.MomentPoints[1], 80, -2000, 3000);
    ExpectMomentPoint(state.MomentPoints[2], 200, 0, 0);
    EXPECT_EQ(state.Mmax, 3000);
    EXPECT_EQ(state.CriticalSection, 2);
}

// Loads at one position act on one cross section: every term there carries the moment left of
// the first and right of the last. The moment between two opposite couples exists on no section
// and must reach neither Mmax nor the diagram the later stages read.
TEST(Solver, LoadsThatShareAPositionGiveOnePoint)
{
    TAnalysisState state = Plane(100, {Bearing("RHA", 0), Bearing("RHB", 100)}, {Force("FH1", 10, 1, 0)},
                                 {Moment("MH1", 50, 100000, 0), Moment("MH2", 50, 100000, 1)});
    HorizontalData data;
    SolvePlane(state, data);

    ASSERT_EQ(Names(state.MomentTerms), QStringList({"RHA*0", "FH1*10", "MH1", "MH2", "RHB*100"}));
    for (const size_t k : {2, 3}) {
        EXPECT_NEAR(double(state.MomentPoints[k].Left), 5, 1e-12);
        EXPECT_NEAR(double(state.MomentPoints[k].Right), 5, 1e-12);
    }
    EXPECT_NEAR(double(state.Mmax), 9, 1e-12);
    EXPECT_EQ(state.CriticalSection, 2);
    EXPECT_EQ(state.CriticalX, 100);
    EXPECT_NEAR(double(data.HorzMom()), 9, 1e-12);
    ASSERT_EQ(state.HorzDiagram.size(), 4u);
    EXPECT_NEAR(double(state.HorzDiagram[2].Right), 5, 1e-12);

    // A force and a couple: the point jumps by the couple whichever was entered first.
    state = Plane(100, {Bearing("RHA", 0), Bearing("RHB", 100)}, {Force("FH1", 40, 1000, 0)},
                  {Moment("MH1", 40, 2000, 1)});
    SolvePlane(state, data);
    ASSERT_EQ(Names(state.MomentTerms), QStringList({"RHA*0", "MH1", "FH1*40", "RHB*100"}));
    ExpectMomentPoint(state.MomentPoints[2], 40, state.MomentPoints[1].Left, state.MomentPoints[1].Right);
    EXPECT_EQ(state.MomentPoints[1].Right - state.MomentPoints[1].Left, 2000);
    ASSERT_EQ(state.HorzDiagram.size(), 3u);
    ExpectMomentPoint(state.HorzDiagram[1], 40, state.MomentPoints[1].Left, state.MomentPoints[1].Right);
    EXPECT_EQ(BuildPlaneDiagram(state.MomentPoints, state.ShaftLength).Numbers,
              std::vector<int>({1, 2, 0, 3}));
}

TEST(Solver, TermLeftOfTheShaftGetsNoMomentTerm)
{
    TAnalysisState state =
        Plane(100, {Bearing("RHA", 0), Bearing("RHB", 100)}, {Force("FH1", -20, 300, 0)});
    HorizontalData data;
    SolvePlane(state, data);

    EXPECT_EQ(Names(state.ForceTerms), QStringList({"FH1", "RHA", "RHB"}));
    EXPECT_EQ(Names(state.MomentTerms), QStringList({"RHA*0", "RHB*100"}));
    EXPECT_EQ(state.ForceEqText, "-FH1+RHA+RHB = 0");
    EXPECT_EQ(state.ShearPoints.size(), 2u);
}

TEST(Solver, PlaneWithoutTermAtZeroStartsTheDiagramAtTheOrigin)
{
    TAnalysisState state =
        Plane(140, {Bearing("RHA", 20), Bearing("RHB", 120)}, {Force("FH1", 70, 400, 0)});
    HorizontalData data;
    SolvePlane(state, data);

    EXPECT_EQ(Names(state.MomentTerms), QStringList({"RHA*0", "FH1*50", "RHB*100"}));
    EXPECT_EQ(state.HorzReactions[0], 200);
    EXPECT_EQ(state.HorzReactions[1], 200);
    ASSERT_EQ(state.HorzDiagram.size(), 5u);
    ExpectMomentPoint(state.HorzDiagram.front(), 0, 0, 0);
    ExpectMomentPoint(state.HorzDiagram[2], 70, 10000, 10000);
    ExpectMomentPoint(state.HorzDiagram.back(), 140, 0, 0);
    EXPECT_EQ(state.HorzDiagramCount, 5);
    EXPECT_EQ(BuildPlaneDiagram(state.MomentPoints, state.ShaftLength).Numbers,
              std::vector<int>({2, 3, 4}));
}

TEST(Solver, UnloadedPlaneKeepsThePreviousCriticalSection)
{
    TAnalysisState state = Plane(100, {Bearing("RHA", 0), Bearing("RHB", 100)});
    state.CriticalSection = 7;
    state.CriticalX = 123;
    HorizontalData data;
    SolvePlane(state, data);

    EXPECT_EQ(state.Mmax, 0);
    EXPECT_EQ(state.Fmax, 0);
    EXPECT_EQ(state.CriticalSection, 7);
    EXPECT_EQ(state.CriticalX, 123);
    EXPECT_EQ(data.HSect(), 7);
}

TEST(Solver, VerticalPlaneLeavesTheHorizontalResultsAlone)
{
    TAnalysisState state =
        Plane(100, {Bearing("RVA", 0), Bearing("RVB", 100)}, {Force("FV1", 50, 1000, 0)});
    state.HorzReactions[0] = 11;
    state.HorzReactions[1] = 22;
    state.HorzDiagram = {{0, 0, 0}, {0, 0, 100}};
    state.HorzDiagramCount = 2;
    TData data; // Oriz False, HorzMom 1, HSect 3
    SolvePlane(state, data);

    EXPECT_EQ(state.ForceEqText, "RVA-FV1+RVB = 0");
    EXPECT_EQ(state.VertReactions[0], 500);
    EXPECT_EQ(state.VertReactions[1], 500);
    EXPECT_EQ(state.HorzReactions[0], 11);
    EXPECT_EQ(state.HorzReactions[1], 22);
    EXPECT_EQ(state.VertDiagram.size(), 3u);
    EXPECT_EQ(state.VertDiagramCount, 3);
    EXPECT_EQ(state.HorzDiagram.size(), 2u);
    EXPECT_EQ(state.HorzDiagramCount, 2);
    EXPECT_EQ(data.VertMom(), 25000);
    EXPECT_EQ(data.VSect(), 2);
    EXPECT_EQ(data.HorzMom(), 1);
    EXPECT_EQ(data.HSect(), 3);
    EXPECT_EQ(data.MaxMom(), 25000);
    EXPECT_EQ(data.SP(), 2);
}

// A refused plane must not half-write the state: a second press after the fix would otherwise
// append the derived moment terms twice.
TEST(Solver, RefusedPlaneChangesNothing)
{
    struct Case { const char* cause; TAnalysisState state; QString message; };
    const Tincarcare bearings = {Bearing("RHA", 0), Bearing("RHB", 100)};
    const Tincarcare force = {Force("FH1", 50, 1000, 0)};
    const Case cases[] = {
        {"no length", Plane(0, bearings, force), kShaftLengthMissing},
        {"no bearing A", Plane(100, {Bearing("RHB", 100)}, force), kBearingAMissing},
        {"no bearing B", Plane(100, {Bearing("RHA", 0)}, force), kBearingBMissing},
        {"same position", Plane(100, {Bearing("RHA", 30), Bearing("RHB", 30)}, force),
         kBearingsCoincide},
        {"overflow", Plane(100, bearings, {Force("FH1", 50, 1e307, 0)}), kOverflow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cause);
        TAnalysisState state = c.state;
        state.CriticalSection = 4;
        HorizontalData data;
        try {
            SolvePlane(state, data);
            ADD_FAILURE() << "plane accepted";
        } catch (const KorvelError& error) {
            EXPECT_EQ(error.Text(), c.message);
        }
        EXPECT_EQ(Names(state.Moments), Names(c.state.Moments));
        EXPECT_TRUE(state.ForceTerms.empty());
        EXPECT_TRUE(state.MomentTerms.empty());
        EXPECT_TRUE(state.ForceListText.isEmpty());
        EXPECT_TRUE(state.ForceEqText.isEmpty());
        EXPECT_EQ(state.HorzReactions[0], 0);
        EXPECT_EQ(state.Det, 0);
        EXPECT_TRUE(state.MomentPoints.empty());
        EXPECT_TRUE(state.HorzDiagram.empty());
        EXPECT_EQ(state.CriticalSection, 4);
        EXPECT_EQ(data.HorzMom(), 1);
    }
}

TEST(Solver, SecondPressAfterARefusalDerivesEachTermOnce)
{
    TAnalysisState state =
        Plane(100, {Bearing("RHA", 0), Bearing("RHB", 0)}, {Force("FH1", 50, 1000, 0)});
    HorizontalData data;
    MessageRecorder messages;
    RunGuarded([&] { SolvePlane(state, data); });
    EXPECT_EQ(messages.texts, QStringList({kBearingsCoincide}));

    state.Reactions[1].Position = 100;
    SolvePlane(state, data);
    EXPECT_EQ(Names(state.MomentTerms), QStringList({"RHA*0", "FH1*50", "RHB*100"}));
    EXPECT_EQ(state.HorzReactions[1], 500);
}

} // namespace

namespace {

// Bearing A at a position without an exact binary form: its own arm must still read 0.
TEST(Solver, ArmsAreMeasuredFromBearingAsEnteredPosition)
{
    TAnalysisState state = Plane(100.2L, {Bearing("RHA", 0.1L), Bearing("RHB", 100.1L)},
                                 {Force("FH1", 0.1L, 10, 0), Force("FH2", 50.1L, 1000, 0)});
    TData data;
    data.SetOriz(true);
    SolvePlane(state, data);
    EXPECT_EQ(state.MomentEqText, "-RHA*0+FH1*0+FH2*50-RHB*100 = 0");
    EXPECT_NEAR(state.HorzReactions[0], 510, 1e-9);
    EXPECT_NEAR(state.HorzReactions[1], 500, 1e-9);
}

} // namespace
