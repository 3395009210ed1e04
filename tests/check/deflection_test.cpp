// The elastic line held against the closed forms of a uniform shaft, on two rigid or elastic
// bearings and on three, the rows' spans and limits, and the refusals of an outline the beam
// cannot be read from and of a shaft on one bearing.
#include "solved_shaft.h"

#include "check/stiffness_and_speed.h"
#include "common/errors.h"

#include <gtest/gtest.h>
#include <cmath>
#include <numbers>

namespace {

constexpr long double kE = 210000, kD = 40, kL = 300;
const long double kI = std::numbers::pi_v<long double> * std::pow(kD, 4) / 64;
const TContour kUniform{{0, kD / 2, kL, kD / 2}};

void ExpectClose(long double actual, long double expected, long double tolerance = 1e-9)
{
    EXPECT_NEAR(double(actual / expected), 1.0, double(tolerance)) << double(actual) << " vs " << double(expected);
}

// Central force F on a simply supported uniform shaft: y = F L^3 / (48 E I), slope F L^2 / (16 E I)
// at a bearing. 1000 N down in the horizontal plane, 2000 N up in the vertical one.
TEST(Deflection, CentralForceMatchesTheClosedFormInBothPlanes)
{
    const TAnalysisState shaft = SolvedShaft(kL, 0, kL, {{150, 1000, false}}, {{150, 2000, true}});
    const TStiffnessAndSpeed check = CheckStiffnessAndSpeed(shaft, {150}, kUniform, TCheckInputs{});
    ASSERT_TRUE(check.Deflection.Problem.isEmpty()) << check.Deflection.Problem.toStdString();
    const TShaftDeflection& d = check.Deflection.Deflection;
    const long double y1 = 1000 * std::pow(kL, 3) / (48 * kE * kI), slope1 = 1000 * kL * kL / (16 * kE * kI);
    // A force down bends the shaft down: negative, the way a force of direction 0 points.
    ExpectClose(d.Horizontal.At(150).Deflection, -y1);
    ExpectClose(d.Vertical.At(150).Deflection, 2 * y1);
    ExpectClose(d.Horizontal.At(0).Slope, -slope1);
    ExpectClose(d.Horizontal.At(kL).Slope, slope1);
    EXPECT_NEAR(double(d.Horizontal.At(0).Deflection), 0, 1e-15);
    ExpectClose(d.Resultant(150).Deflection, std::sqrt(5.0L) * y1);
    // A quarter of the way along: y = F x (3 L^2 - 4 x^2) / (48 E I).
    ExpectClose(d.Horizontal.At(75).Deflection, -1000 * 75 * (3 * kL * kL - 4 * 75 * 75) / (48 * kE * kI));

    const std::vector<TDeflectionRow>& rows = check.Deflection.Rows;
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].Label, "Slope at bearing A");
    ExpectClose(rows[0].Resultant, std::sqrt(5.0L) * slope1);
    EXPECT_FALSE(rows[0].Exceeds); // 0.000477 rad against 0.001
    EXPECT_EQ(rows[2].Label, "Deflection at the load, span A-B");
    ExpectClose(rows[2].Limit, 0.0003L * kL);
    EXPECT_EQ(rows[3].Label, "Largest deflection, span A-B");
    EXPECT_NEAR(double(rows[3].Position), 150, 1e-3);
    ExpectClose(rows[3].Resultant, std::sqrt(5.0L) * y1);
    EXPECT_EQ(DeflectionCells(rows[0]).value(4), "0.000477 (1.64')");
}

// A force F at the end of an overhang a beyond bearing B, span l: the end deflects F a^2 (l + a)
// / (3 E I); the slope is F a l / (6 E I) at A and F a l / (3 E I) at B. On 20 mm the slope at
// B, 0.00182 rad, exceeds 0.001 rad; the one at A, 0.00091 rad, does not.
TEST(Deflection, OverhangingForceMatchesTheClosedForm)
{
    const long double l = 200, a = 100, F = 450, d = 20;
    const long double inertia = std::numbers::pi_v<long double> * std::pow(d, 4) / 64;
    const TAnalysisState both = SolvedShaft(l + a, 0, l, {{l + a, F, false}}, {});
    const TContour contour{{0, d / 2, l + a, d / 2}};
    TAnalysisState horizontalOnly = both;
    horizontalOnly.VertDiagram.resize(1); // as a new vertical entry leaves it
    EXPECT_EQ(CheckStiffnessAndSpeed(horizontalOnly, {l + a}, contour, TCheckInputs{}).Deflection.Problem.toStdString(),
              "The vertical plane is not calculated");
    const TStiffnessAndSpeed checked = CheckStiffnessAndSpeed(both, {l + a}, contour, TCheckInputs{});
    ASSERT_TRUE(checked.Deflection.Problem.isEmpty()) << checked.Deflection.Problem.toStdString();
    const TPlaneDeflection& h = checked.Deflection.Deflection.Horizontal;
    ExpectClose(h.At(l + a).Deflection, -F * a * a * (l + a) / (3 * kE * inertia));
    ExpectClose(h.At(0).Slope, F * a * l / (6 * kE * inertia));
    ExpectClose(h.At(l).Slope, -F * a * l / (3 * kE * inertia));

    const std::vector<TDeflectionRow>& rows = checked.Deflection.Rows;
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_FALSE(rows[0].Exceeds);
    EXPECT_TRUE(rows[1].Exceeds);
    EXPECT_EQ(rows.back().Label, "Largest deflection, overhang right of B");
    EXPECT_EQ(double(rows.back().Position), double(l + a));
    EXPECT_TRUE(rows.back().Exceeds);
}

TCheckInputs OnSprings(long double stiffnessA, long double stiffnessB)
{
    TCheckInputs inputs;
    inputs.Fatigue.Bearings[0].Stiffness = stiffnessA;
    inputs.Fatigue.Bearings[1].Stiffness = stiffnessB;
    return inputs;
}

// Bearings that give way, k N/mm each, under the central force: each sits P / (2 k) into its
// bearing, so the middle deflects P L^3 / (48 E I) + P / (2 k), the way the force points, in
// either plane. Unequal springs tilt the shaft by (P / (2 kA) - P / (2 kB)) / L besides.
TEST(Deflection, ElasticBearingsAddTheStraightLineThroughTheirGiving)
{
    const TAnalysisState shaft = SolvedShaft(kL, 0, kL, {{150, 1000, false}}, {{150, 2000, true}});
    const long double y1 = 1000 * std::pow(kL, 3) / (48 * kE * kI), slope1 = 1000 * kL * kL / (16 * kE * kI);
    const long double k = 1e5L;
    const TShaftDeflection equal = CheckStiffnessAndSpeed(shaft, {150}, kUniform, OnSprings(k, k)).Deflection.Deflection;
    ExpectClose(equal.Horizontal.At(150).Deflection, -(y1 + 1000 / (2 * k)));
    ExpectClose(equal.Vertical.At(150).Deflection, 2 * y1 + 2000 / (2 * k));
    ExpectClose(equal.Horizontal.At(0).Deflection, -1000 / (2 * k));
    ExpectClose(equal.Horizontal.At(0).Slope, -slope1);

    const long double kA = 5e4L, kB = 2e5L;
    const TShaftDeflection unequal = CheckStiffnessAndSpeed(shaft, {150}, kUniform, OnSprings(kA, kB)).Deflection.Deflection;
    const long double giveA = 1000 / (2 * kA), giveB = 1000 / (2 * kB), tilt = (giveA - giveB) / kL;
    ExpectClose(unequal.Horizontal.At(0).Slope, -slope1 + tilt);
    ExpectClose(unequal.Horizontal.At(kL).Slope, slope1 + tilt);
    ExpectClose(unequal.Horizontal.At(150).Deflection, -(y1 + (giveA + giveB) / 2));
    ExpectClose(unequal.Vertical.At(kL).Deflection, 2 * giveB);
    // One rigid bearing stays where it is.
    const TShaftDeflection halfRigid = CheckStiffnessAndSpeed(shaft, {150}, kUniform, OnSprings(0, kB)).Deflection.Deflection;
    EXPECT_EQ(double(halfRigid.Horizontal.At(0).Deflection), 0.0);
    ExpectClose(halfRigid.Horizontal.At(kL).Deflection, -giveB);
}

// On an overhang the reaction at A pulls the shaft down: A's spring lets it rise by F a / (l kA)
// while B sinks by F (l + a) / (l kB); the free end follows the straight line through both.
TEST(Deflection, AReactionPullingTheShaftLiftsItOffItsSpring)
{
    const long double l = 200, a = 100, F = 450, d = 20, kA = 2e4L, kB = 8e4L;
    const long double inertia = std::numbers::pi_v<long double> * std::pow(d, 4) / 64;
    const TAnalysisState shaft = SolvedShaft(l + a, 0, l, {{l + a, F, false}}, {{l + a, F, false}});
    const TContour contour{{0, d / 2, l + a, d / 2}};
    const TPlaneDeflection h = CheckStiffnessAndSpeed(shaft, {l + a}, contour, OnSprings(kA, kB)).Deflection.Deflection.Horizontal;
    const long double atA = F * a / (l * kA), atB = -F * (l + a) / (l * kB);
    ExpectClose(h.At(0).Deflection, atA);
    ExpectClose(h.At(l).Deflection, atB);
    ExpectClose(h.At(l + a).Deflection, -F * a * a * (l + a) / (3 * kE * inertia) + atB + (atB - atA) * a / l);
}

// A cone is integrated by quadrature: it lies between its thinnest and thickest cylinders, and
// a cone of almost no taper is the cylinder. The stepped shaft with a fillet is held against an
// independent beam model by check_beam.py.
TEST(Deflection, ConeLiesBetweenItsThinnestAndThickestCylinders)
{
    const TAnalysisState shaft = SolvedShaft(kL, 0, kL, {{150, 1000, false}}, {});
    const auto middle = [&](const TContour& contour) {
        return CheckStiffnessAndSpeed(shaft, {150}, contour, TCheckInputs{}).Deflection.Deflection.Horizontal.At(150).Deflection;
    };
    const long double thin = middle({{0, 15, kL, 15}}), thick = middle({{0, 25, kL, 25}});
    const long double cone = middle({{0, 15, 150, 25}, {150, 25, kL, 15}});
    EXPECT_LT(thin, cone);
    EXPECT_LT(cone, thick);
    // The same cone at a slope of 1e-12 mm/mm is the cylinder to the quadrature's accuracy.
    ExpectClose(middle({{0, 20, 150, 20.000000000001L}, {150, 20.000000000001L, kL, 20}}), middle(kUniform));
}

TEST(Deflection, OutlinesTheBeamCannotBeReadFromAreRefusedNamingTheRange)
{
    const TAnalysisState shaft = SolvedShaft(kL, 20, 280, {{150, 1000, false}}, {{150, 1000, false}});
    const auto problem = [&](const TContour& contour) {
        return CheckStiffnessAndSpeed(shaft, {150}, contour, TCheckInputs{}).Deflection.Problem.toStdString();
    };
    EXPECT_EQ(problem({{0, 20, 100, 20}, {110, 20, 300, 20}}), "The outline has a gap from x = 100 to 110 mm");
    EXPECT_EQ(problem({{30, 20, 300, 20}}),
              "The outline spans x = 30 to 300 mm, but the outline must span the bearings and the loads, "
              "x = 20 to 280 mm");
    EXPECT_EQ(problem({}), "Nothing is drawn: the outline must span the bearings and the loads, x = 20 to 280 mm");
    EXPECT_EQ(problem({{0, 0, 300, 0}}), "The outline reaches the axis at x = 0 mm");
    // A shoulder drawn over a longer line: the thinner wins, as in the strength table.
    const TStiffnessAndSpeed overlap = CheckStiffnessAndSpeed(shaft, {150}, {{0, 25, 300, 25}, {0, 20, 300, 20}}, TCheckInputs{});
    EXPECT_EQ(overlap.Deflection.Shaft->Pieces.size(), 1u);
    EXPECT_EQ(double(overlap.Deflection.Shaft->Pieces[0].R1), 20.0);
    TCheckInputs noModulus;
    noModulus.Modulus = 0;
    EXPECT_EQ(CheckStiffnessAndSpeed(shaft, {150}, kUniform, noModulus).Deflection.Problem.toStdString(),
              "E must be from 1000 to 1000000 MPa, not 0");
}

// Two equal spans L on three rigid bearings, a force P down in the middle of each. By the three
// moment equation (Clapeyron) the middle bearing takes M = -3 P L / 16, so M = 5 P L / 32 under
// the loads; then E I y = 5 P x^3 / 96 - P L^2 x / 32 over the first half span. Each load sinks by
// 7 P L^3 / (768 E I), the line leaves A at P L^2 / (32 E I), lies flat over the middle bearing,
// and sinks most, by P L^3 / (48 sqrt(5) E I), at x = L / sqrt(5) (where y' = 0).
// The bearings are entered A, B, C at 0, 2 L and L: the spans are named in the order of entry.
TEST(Deflection, TwoEqualSpansOnThreeBearingsMatchTheClosedFormAndNameTheirSpans)
{
    const long double P = 1000, L = 200, overhang = 50;
    const Tav diagram{{0, 0, 0}, {5 * P * L / 32, 5 * P * L / 32, L / 2}, {-3 * P * L / 16, -3 * P * L / 16, L},
                      {5 * P * L / 32, 5 * P * L / 32, 3 * L / 2}, {0, 0, 2 * L}};
    const TShaftGeometry shaft = ShaftGeometry({{0, kD / 2, 2 * L + overhang, kD / 2}}, 0, 2 * L + overhang);
    const std::vector<long double> bearings{0, 2 * L, L};
    const TPlaneDeflection line = PlaneDeflection(shaft, diagram, {{0, 0}, {2 * L, 0}, {L, 0}}, kE);
    const long double stiffness = kE * kI;
    ExpectClose(line.At(L / 2).Deflection, -7 * P * std::pow(L, 3) / (768 * stiffness));
    ExpectClose(line.At(3 * L / 2).Deflection, -7 * P * std::pow(L, 3) / (768 * stiffness));
    ExpectClose(line.At(0).Slope, -P * L * L / (32 * stiffness));
    EXPECT_NEAR(double(line.At(L).Deflection), 0, 1e-15);
    EXPECT_NEAR(double(line.At(L).Slope / line.At(0).Slope), 0, 1e-12);

    const TShaftDeflection both{line, line};
    const std::vector<TDeflectionRow> rows = DeflectionRows({both, shaft, bearings}, {L / 2, 3 * L / 2}, {0.001L, 0.0003L});
    QStringList labels;
    for (const TDeflectionRow& row : rows) labels << row.Label;
    EXPECT_EQ(labels.join(" | ").toStdString(),
              "Slope at bearing A | Slope at bearing B | Slope at bearing C | Deflection at the load, span A-C | "
              "Deflection at the load, span C-B | Largest deflection, span A-C | Largest deflection, span C-B | "
              "Largest deflection, overhang right of B");
    // 0.0003 of a span; an overhang counts twice its length.
    ExpectClose(rows[3].Limit, 0.0003L * L);
    ExpectClose(rows[4].Limit, 0.0003L * L);
    ExpectClose(rows[7].Limit, 0.0003L * 2 * overhang);
    EXPECT_NEAR(double(rows[5].Position), double(L / std::sqrt(5.0L)), 1e-3);
    ExpectClose(rows[5].Resultant, std::sqrt(2.0L) * P * std::pow(L, 3) / (48 * std::sqrt(5.0L) * stiffness), 1e-7);
    EXPECT_EQ(double(rows[7].Position), double(2 * L + overhang));
}

// A ninth bearing has no reaction or stiffness kept for it, and is refused rather than read past
// the end of them.
TEST(Deflection, AShaftOnOneBearingIsRefusedAsAMechanismAndOneOnNineAsBeyondTheBearingsKept)
{
    TAnalysisState state;
    StartShaft(state);
    ApplyShaftLength(state, kL);
    AddBearing(state, 100, true);
    const TStiffnessAndSpeed check = CheckStiffnessAndSpeed(state, {150}, kUniform, TCheckInputs{});
    const std::string refusal = "The shaft needs at least two bearings: on fewer it is a mechanism, not a beam";
    EXPECT_EQ(check.Deflection.Problem.toStdString(), refusal);
    EXPECT_EQ(check.Speed.Problem.toStdString(), refusal);
    state.Reactions.resize(9);
    for (int i = 0; i < 9; ++i) state.Reactions[size_t(i)].Position = 30 * i;
    EXPECT_EQ(CheckStiffnessAndSpeed(state, {150}, kUniform, TCheckInputs{}).Speed.Problem.toStdString(),
              "The shaft check takes at most 8 bearings, not 9");
}

TEST(Deflection, TheStiffnessTextNamesEveryEnteredBearing)
{
    TCheckInputs inputs;
    inputs.Fatigue.Bearings[1].Stiffness = 200000;
    inputs.Fatigue.Bearings[3].Stiffness = 5000; // not entered
    EXPECT_EQ(BearingStiffnessText(inputs, 3).toStdString(), "Bearings on springs: A rigid, B 200000 N/mm, C rigid");
    inputs.Fatigue.Bearings[1].Stiffness = 0;
    EXPECT_EQ(BearingStiffnessText(inputs, 3).toStdString(), "");
}

} // namespace
