#include "profile/verification.h"

#include "profile/strength_profile.h"
#include "profile_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

// A 100 mm shaft on bearings at 0 and 100 with one load at `load`: the moment rises linearly to
// 300000 N*mm (horizontal) and 400000 N*mm (vertical) there, so M = 500000 N*mm at the load.
// MT = 400000 N*mm, alpha = 1, sigma = 80 MPa, 5th theory (k = 3):
//   d(x) = cbrt(16 / (pi * 80) * sqrt(4 * M(x)^2 + 3 * 400000^2)).
// By hand at the load: sqrt(4 * 500000^2 + 3 * 400000^2) = 1216552.5, times 0.0636620 = 77448.2,
// cube root 42.63 mm; at a free end (M = 0) 35.33 mm; at 40 mm from the end of a load at 50
// (M = 400000) 40.69 mm.
struct TLoadedShaft {
    explicit TLoadedShaft(long double load)
    {
        analysis.ShaftLength = 100;
        analysis.Points = {{1, 0}, {0, load}, {1, 100}};
        analysis.HorzDiagram = {{0, 0, 0}, {300000, 300000, load}, {0, 0, 100}};
        analysis.VertDiagram = {{0, 0, 0}, {400000, 400000, load}, {0, 0, 100}};
        analysis.TorsionCoeff = 1;
        analysis.AllowBendStress = 80;
        data.SetMT(400000);
    }

    TVerification Verify(const QStringList& memo) const { return VerifyShaft(analysis, data, DrawnContour(memo, 20)); }

    TAnalysisState analysis;
    TData data;
};

const QStringList kCylinder{"line 0/0/0/25/0/", "line 0/25/100/25/0/", "line 100/25/100/0/0/"};
// 40 mm on the left 40 mm, 50 mm beyond, written in no particular order.
const QStringList kStepped{"line 40/25/100/25/0/", "line 0/0/0/20/0/", "line 0/20/40/20/0/", "line 40/20/40/25/0/",
                           "line 100/25/100/0/0/"};

QStringList Results(const TVerification& verification)
{
    QStringList results;
    for (const TVerificationRow& row : verification.Rows) results << VerificationCells(row).last();
    return results;
}

TEST(Verification, PlainCylinderAgainstTheHandCalculation)
{
    const TLoadedShaft shaft(50);
    const TVerification verification = shaft.Verify(kCylinder);
    ASSERT_EQ(verification.Rows.size(), 3u);
    EXPECT_EQ(VerificationCells(verification.Rows[0]), QStringList({"0", "0.00", "35.33", "50.00", "1.42", "OK"}));
    EXPECT_EQ(VerificationCells(verification.Rows[1]),
              QStringList({"50", "500000.00", "42.63", "50.00", "1.17", "OK"}));
    EXPECT_NEAR(double(*verification.Rows[1].Ratio), 50 / 42.6255825, 1e-8);
    ASSERT_TRUE(verification.WeakestPosition);
    EXPECT_EQ(*verification.WeakestPosition, 50);
    EXPECT_EQ(WeakestSectionText(verification), "Weakest section: x = 50 mm, ratio 1.17");
    EXPECT_EQ(VerificationTableText(verification).section('\n', 2, 2), "50\t500000.00\t42.63\t50.00\t1.17\tOK");
}

// The rows at the analysed positions pass, yet the thin step is too weak at its shoulder, which
// only the millimetre scan finds; at the shoulder the smaller side counts.
TEST(Verification, SteppedShaftIsWeakestAtItsShoulder)
{
    const TLoadedShaft shaft(50);
    const TVerification verification = shaft.Verify(kStepped);
    EXPECT_EQ(Results(verification), QStringList({"OK", "OK", "OK"}));
    EXPECT_EQ(*verification.Rows[0].Drawn, 40);
    ASSERT_TRUE(verification.WeakestPosition);
    EXPECT_EQ(*verification.WeakestPosition, 40);
    EXPECT_NEAR(double(verification.WeakestRatio), 40 / 40.690814029, 1e-8);
}

TEST(Verification, ShoulderExactlyAtALoadTakesTheThinSideUntilItIsThickened)
{
    const TLoadedShaft shaft(40);
    TVerification verification = shaft.Verify(kStepped);
    EXPECT_EQ(VerificationCells(verification.Rows[1]),
              QStringList({"40", "500000.00", "42.63", "40.00", "0.94", "too small"}));
    EXPECT_EQ(verification.Rows[1].Verdict, TVerdict::TooSmall);

    QStringList thickened = kStepped;
    thickened.replaceInStrings("/20/", "/22.5/");
    verification = shaft.Verify(thickened);
    EXPECT_EQ(Results(verification), QStringList({"OK", "OK", "OK"}));
    EXPECT_EQ(*verification.Rows[1].Drawn, 45);
}

// Missing inputs leave values out with the reason instead of numbers that mean nothing.
TEST(Verification, RowsSayWhyAValueIsMissing)
{
    TLoadedShaft shaft(50);
    // The drawing starts at 10 and ends at 80: positions 0 and 100 are not drawn.
    const QStringList shortProfile{"line 10/0/10/25/0/", "line 10/25/80/25/0/", "line 80/25/80/0/0/"};
    TVerification verification = shaft.Verify(shortProfile);
    EXPECT_EQ(Results(verification), QStringList({"not drawn here", "OK", "not drawn here"}));
    EXPECT_EQ(VerificationCells(verification.Rows[0]), QStringList({"0", "0.00", "35.33", "", "", "not drawn here"}));

    shaft.analysis.AllowBendStress = 0;
    verification = shaft.Verify(kCylinder);
    const QString noStress = "no allowable stress stored: apply the initial data";
    EXPECT_EQ(VerificationCells(verification.Rows[1]), QStringList({"50", "", "", "50.00", "", noStress}));
    EXPECT_EQ(WeakestSectionText(verification), "Weakest section: none (" + noStress + ")");

    shaft.analysis.AllowBendStress = 80;
    shaft.analysis.VertDiagram.resize(1);
    verification = shaft.Verify(kCylinder);
    EXPECT_EQ(Results(verification), QStringList(3, "the vertical plane is not calculated"));

    // No load and no twist at the ends: nothing is required there, so no ratio and no weakest.
    shaft.analysis.VertDiagram = shaft.analysis.HorzDiagram;
    shaft.data.SetMT(0);
    verification = shaft.Verify(kCylinder);
    EXPECT_EQ(VerificationCells(verification.Rows[0]), QStringList({"0", "0.00", "0.00", "50.00", "", "OK"}));

    shaft.analysis.Points.clear();
    EXPECT_EQ(WeakestSectionText(shaft.Verify(kCylinder)), "Weakest section: none (no analysed positions)");
}

// The solver's round-off at a bearing beyond the torque's span (1e-10 N*mm against 500000) is
// no load: nothing is required there, so there is no ratio of 190,000.
TEST(Verification, RoundOffIsNoLoad)
{
    TLoadedShaft shaft(50);
    shaft.analysis.TwistSpan = {0, 50};
    for (Tav* diagram : {&shaft.analysis.HorzDiagram, &shaft.analysis.VertDiagram}) diagram->back() = {1e-10L, 1e-10L, 100};
    const TVerification verification = shaft.Verify(kCylinder);
    EXPECT_EQ(VerificationCells(verification.Rows[2]), QStringList({"100", "0.00", "0.00", "50.00", "", "OK"}));
    EXPECT_EQ(*verification.WeakestPosition, 50);
}

// The weakest-section search skips runs of millimetres that cannot hold a weaker section; it must
// find what a look at every millimetre finds, on shafts with jumps in the moment and cones.
TEST(Verification, WeakestSectionIsTheSmallestRatioOfEveryMillimetre)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::mt19937 random(seed);
        const auto uniform = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        TLoadedShaft shaft(50);
        shaft.analysis.ShaftLength = 300;
        shaft.analysis.Points = {{1, 7.5}, {1, 290.5}};
        for (Tav* diagram : {&shaft.analysis.HorzDiagram, &shaft.analysis.VertDiagram}) {
            diagram->clear();
            for (long double x = 0; x < 300; x += uniform(5, 60) + 0.25L) {
                const long double left = uniform(-400, 400) * 1000;
                diagram->push_back({left, uniform(0, 3) == 0 ? -left : left, x});
            }
            diagram->push_back({0, 0, 300});
        }
        shaft.data.SetMM(seed % 2 == 0);
        TContour contour;
        long double x = 0, r = 20;
        while (x < 300) { // cylinders and cones
            const long double nextX = std::min<long double>(300, x + uniform(5, 50)), nextR = uniform(15, 30);
            contour.push_back({x, r, nextX, uniform(0, 1) ? nextR : r});
            x = nextX;
            r = contour.back().R2;
        }

        const TVerification weakest = VerifyShaft(shaft.analysis, shaft.data, contour);
        TAnalysisState everyMillimetre = shaft.analysis;
        everyMillimetre.Points.clear();
        for (int s = 8; s <= 290; ++s) everyMillimetre.Points.push_back({0, (long double)s});
        std::optional<TVerificationRow> expected;
        for (const TVerificationRow& row : VerifyShaft(everyMillimetre, shaft.data, contour).Rows)
            if (row.Ratio && (!expected || *row.Ratio < *expected->Ratio)) expected = row;
        ASSERT_TRUE(weakest.WeakestPosition) << seed;
        EXPECT_EQ(*weakest.WeakestPosition, expected->Position) << seed;
        EXPECT_EQ(weakest.WeakestRatio, *expected->Ratio) << seed;
    }
}

// Steps not yet joined by shoulders are still the steps drawn, not the cones the solid's walk
// would make of them; a rounded corner is read on its circle.
TEST(Verification, DrawnDiameterFollowsTheLinesAndArcsAsDrawn)
{
    TLoadedShaft shaft(20);
    shaft.analysis.Points = {{1, 0}, {0, 20}, {0, 60}, {0, 98}};
    const QStringList steps{"line 0/20/40/20/0/", "line 40/15/96/15/0/", "arc 92/7/100/15/96/15/100/11/"};
    const TVerification verification = shaft.Verify(steps);
    EXPECT_EQ(*verification.Rows[1].Drawn, 40);
    EXPECT_EQ(*verification.Rows[2].Drawn, 30);
    EXPECT_NEAR(double(*verification.Rows[3].Drawn), 2 * (11 + std::sqrt(12.0)), 0.01);

    EXPECT_EQ(FailureOf([] { DrawnContour({"line 0/0/0/x/0/"}, 20); }), "'x' is not a valid floating point value");
    EXPECT_TRUE(DrawnContour({}, 20).empty());
}

// A Modify that moved a step away from its old shoulder leaves a weak section at the shoulder;
// the summary says why and is marked like a failing row.
TEST(Verification, TheSummaryNamesAGapOrAnOverlapOfTheOutline)
{
    const TLoadedShaft shaft(50);
    const TVerification gap = shaft.Verify({"line 0/20/50/20/0/", "line 50/20/50/25/0/", "line 60/25/100/25/0/"});
    EXPECT_EQ(WeakestSectionText(gap).toStdString(),
              "Weakest section: x = 50 mm, ratio 0.94; the outline is not closed between x = 50 and 60 mm");
    EXPECT_TRUE(WeakestSectionFails(gap));
    const TVerification overlap = shaft.Verify({"line 0/25/60/25/0/", "line 50/30/100/30/0/"});
    EXPECT_EQ(overlap.OutlineFault, "the outline overlaps itself between x = 50 and 60 mm");
    EXPECT_EQ(shaft.Verify({"line 0/25/60.004/25/0/", "line 50.123456/30/100/30/0/"}).OutlineFault,
              "the outline overlaps itself between x = 50.12 and 60 mm");
    EXPECT_FALSE(WeakestSectionFails(overlap));
    EXPECT_EQ(shaft.Verify(kStepped).OutlineFault, "");
}

// 10^8 mm are scanned at no more than 100,000 stations, and the editor's check is worked out
// again only when what it reads changes; a drawing that does not read is reported once.
TEST(Verification, TheScanIsBoundedAndRunsOnlyWhenItsInputsChange)
{
    TLoadedShaft shaft(5e7L);
    shaft.analysis.ShaftLength = 1e8L;
    shaft.analysis.Points = {{1, 0}, {0, 5e7L}, {1, 1e8L}};
    for (Tav* diagram : {&shaft.analysis.HorzDiagram, &shaft.analysis.VertDiagram}) diagram->back().Position = 1e8L;
    const TVerification far = shaft.Verify({"line 0/1000/30000000/1000/0/", "line 30000000/900/100000000/900/0/"});
    ASSERT_TRUE(far.WeakestPosition);
    EXPECT_EQ(std::fmod(*far.WeakestPosition, 1000.0L), 0);

    TVerificationCache cache;
    const QStringList memo{"line 0/25/100/25/0/"};
    const TVerification* first = cache.Check(shaft.analysis, shaft.data, memo, 20);
    ASSERT_TRUE(first);
    const QString before = VerificationTableText(*first);
    shaft.analysis.AllowBendStress = 40;
    EXPECT_NE(VerificationTableText(*cache.Check(shaft.analysis, shaft.data, memo, 20)), before);
    EXPECT_TRUE(FailureOf([&] { cache.Check(shaft.analysis, shaft.data, {"line 0/2"}, 20); }).startsWith("'line 0/2'"));
    EXPECT_EQ(cache.Check(shaft.analysis, shaft.data, {"line 0/2"}, 20), nullptr);
}

} // namespace

namespace {

// Elements drive 300 N*m in at 10 mm and 200 N*m more at the load (50 mm); 500 N*m leave at 90.
// At the load, on the element, the larger side counts: T = 500000 N*mm, M = 500000 N*mm, and by
// hand Me = sqrt(M^2 + (3/4)(alpha T)^2) = 661437.83 N*mm, d = cbrt(32 Me / (pi 80)) = 43.83 mm.
// At 30 mm T = 300000 and M = 300000: Me = sqrt(9E10 + 6.75E10) = 396862.70, d = 36.97 mm.
// The typed Mt of 400000 N*mm no longer counts anywhere.
TEST(Verification, ElementsTorqueReplacesMtSectionBySection)
{
    TLoadedShaft shaft(50);
    shaft.analysis.Points.push_back({0, 30});
    shaft.analysis.ElementDrive.Steps = {{10, 300}, {50, 500}, {90, 0}};
    const TVerification verification = shaft.Verify(kCylinder);
    const auto handDiameter = [](long double moment, long double torque) {
        const long double me = std::sqrt(moment * moment + 0.75L * torque * torque);
        return std::cbrt(32 * me / (std::numbers::pi_v<long double> * 80));
    };
    ASSERT_EQ(verification.Rows.size(), 4u);
    EXPECT_NEAR(double(*verification.Rows[1].Required), double(handDiameter(500000, 500000)), 1e-9);
    EXPECT_NEAR(double(*verification.Rows[1].Required), 43.83, 0.005);
    EXPECT_NEAR(double(*verification.Rows[3].Required), double(handDiameter(300000, 300000)), 1e-9);
    EXPECT_NEAR(double(*verification.Rows[3].Required), 36.97, 0.005);
    EXPECT_EQ(*verification.Rows[0].Required, 0) << "no torque and no moment at the bearing";
    // The overlays are kept while their inputs stay equal: a change of elements must tell.
    TLoadedShaft plain(50);
    EXPECT_FALSE(StrengthInputsOf(shaft.analysis, shaft.data) == StrengthInputsOf(plain.analysis, plain.data));
}

} // namespace
