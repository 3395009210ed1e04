// A shaft with a bore, against the closed forms of a round tube (Shigley's Mechanical Engineering
// Design, 10th ed., table A-18: I = pi (D^4 - d^4) / 64, J = 2 I, W = I / (D / 2)) through the
// strength table, the fatigue rows, the twist and the critical speed; and a bore that does not fit
// in its outline, refused where it stops fitting.
#include "check/critical_speed.h"
#include "check/shaft_geometry.h"
#include "check/twist_angle.h"
#include "check/notch_finder.h"
#include "common/errors.h"
#include "notched_shaft.h"
#include "profile/midpoint_sort.h"
#include "profile/round_section.h"
#include "profile/verification.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
// 60 mm outside, a 40 mm bore, 200 mm long.
const QStringList kTube{"line 0/0/0/30/0/", "line 0/30/200/30/0/", "line 200/30/200/0/0/", "bore 0/20/200/20/"};
const long double kTubeInertia = kPi * (std::pow(60.0L, 4) - std::pow(40.0L, 4)) / 64; // mm^4

QString Refusal(const TContour& contour)
{
    try {
        ShaftGeometry(contour, 0, 200);
    } catch (const KorvelError& error) {
        return error.Text();
    }
    return "not refused";
}

// With the bore ratio d_i / D fixed at 0.8, the tube needs D = d_solid / cbrt(1 - 0.8^4).
TEST(HollowShaft, RequiredOuterDiameterKeepsTheSolidSectionsModulus)
{
    const long double outer = 50 / std::cbrt(1 - std::pow(0.8L, 4));
    EXPECT_NEAR(double(HollowDiameter(50, 0.8L * outer)), double(outer), 1e-10);
    EXPECT_EQ(HollowDiameter(50, 0), 50);
}

// At x = 100 the shaft carries M = 900000 N*mm and MT = 200000 N*mm (alpha 0.273, 3rd theory,
// sigma 90 MPa): the required outer diameter of the tube stresses it to exactly 90 MPa.
TEST(HollowShaft, StrengthRowAsksTheOuterDiameterThatMeetsTheAllowableStress)
{
    const TNotchedShaft shaft;
    const TVerificationRow row = VerifyShaft(shaft.analysis, shaft.data, DrawnContour(kTube, 20)).Rows[1];
    ASSERT_TRUE(row.Required) << row.Reason.toStdString();
    const long double d = *row.Required;
    const long double equivalent = std::hypot(900000.0L, 0.273L * 200000);
    EXPECT_NEAR(double(32 * equivalent * d / (kPi * (std::pow(d, 4) - std::pow(40.0L, 4)))), 90, 1e-9);
    EXPECT_GT(d, std::cbrt(32 * equivalent / (kPi * 90))); // a bore costs diameter
    EXPECT_EQ(VerificationCells(row)[3], "60.00 (bore 40.00)");
}

// A plain section has no notch: sigma_a = 32 M D / (pi (D^4 - d^4)), tau = 16 T D / (pi (D^4 - d^4)).
TEST(HollowShaft, FatigueStressesThroughTheBore)
{
    const TNotchedShaft shaft;
    const TFatigueCheck check = shaft.Check(kTube);
    const auto row = std::find_if(check.Rows.begin(), check.Rows.end(), [](const TFatigueRow& r) { return r.Position == 100; });
    ASSERT_NE(row, check.Rows.end());
    ASSERT_TRUE(row->Computed) << row->Reason.toStdString();
    const long double modulus = kTubeInertia / 30; // mm^3
    EXPECT_NEAR(double(row->SigmaA), double(900000 / modulus), 1e-9);
    EXPECT_NEAR(double(row->TauM), double(200000 / (2 * modulus)), 1e-9);
}

// phi = T L / (G J), J = pi (D^4 - d^4) / 32; and a bore tapering from 20 to 40 mm under 50 mm
// outside against a fine midpoint sum of 1 / J.
TEST(HollowShaft, TwistOfATubeAndOfATaperedBore)
{
    const TTwistAngle tube = TwistAngle(DrawnContour(kTube, 20), 200000, {}, 200, 81000, 1);
    EXPECT_NEAR(double(tube.Degrees), double(200000 * 200 / (81000 * 2 * kTubeInertia) * 180 / kPi), 1e-9);

    long double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const long double ri = 10 + 10 * (i + 0.5L) / 100000;
        sum += 0.001L / (kPi * (std::pow(25.0L, 4) - std::pow(ri, 4)) / 2);
    }
    const TContour tapered = DrawnContour({"line 0/25/100/25/0/", "bore 0/10/100/20/"}, 20);
    EXPECT_NEAR(double(TwistAngle(tapered, 1e5L, {}, 100, 81000, 1).Degrees), double(1e5L * sum / 81000 * 180 / kPi), 1e-9);
}

// Simply supported uniform tube: omega = (pi / L)^2 sqrt(E I / (rho A)).
TEST(HollowShaft, CriticalSpeedOfAUniformTube)
{
    const QStringList tube{"line 0/30/600/30/0/", "bore 0/20/600/20/"};
    const TShaftGeometry shaft = ShaftGeometry(DrawnContour(tube, 20), 0, 600);
    const long double area = kPi * (900 - 400), omega = std::pow(kPi / 600, 2) * std::sqrt(210000 * kTubeInertia / (7850e-12L * area));
    EXPECT_NEAR(double(FirstCriticalSpeed(shaft, 0, 600, 210000, 7850, {}) / (omega * 30 / kPi)), 1.0, 1e-4);
}

TEST(HollowShaft, BoreThatLeavesTheOutlineIsRefusedWhereItDoes)
{
    const TContour stepped = DrawnContour({"line 0/30/100/30/0/", "line 100/15/200/15/0/", "bore 0/20/200/20/"}, 20);
    EXPECT_EQ(Refusal(stepped), "The bore is as wide as the outline or wider at x = 100 mm");
    EXPECT_EQ(Refusal(DrawnContour({"line 0/30/200/30/0/", "bore 0/20/250/20/"}, 20)),
              "The bore runs past the outline's end at x = 250 mm");
    const TNotchedShaft shaft;
    EXPECT_EQ(VerifyShaft(shaft.analysis, shaft.data, stepped).OutlineFault,
              "the bore is as wide as the outline or wider at x = 100 mm");
    // The fatigue row there has no figures, only the reason.
    const TFatigueCheck fatigue = shaft.Check({"line 0/30/100/30/0/", "line 100/15/200/15/0/", "bore 0/20/200/20/"});
    const auto row = std::find_if(fatigue.Rows.begin(), fatigue.Rows.end(), [](const TFatigueRow& r) { return r.Position == 200; });
    ASSERT_NE(row, fatigue.Rows.end());
    EXPECT_FALSE(row->FatigueSafety);
    EXPECT_EQ(row->Reason, "the bore is as wide as the section or wider");
}

// The end faces stop at the bore: no step of the outline goes on from their feet, so they are no
// shoulders; the one shoulder is at 60.
TEST(HollowShaft, EndFacesDownToTheBoreAreNoNotches)
{
    const std::vector<TNotch> notches = FindNotches({"line 0/12/0/20/0/", "line 0/20/60/20/0/", "line 60/20/60/25/0/",
                                                     "line 60/25/100/25/0/", "line 100/25/100/12/0/", "bore 0/12/100/12/"});
    ASSERT_EQ(notches.size(), 1u);
    EXPECT_EQ(notches[0].Position, 60);
    EXPECT_EQ(notches[0].Small, 40);
}

TEST(HollowShaft, BoreLinesFollowTheOutlineInTheSortedText)
{
    QStringList memo{"bore 0/5/50/5/", "line 50/20/100/20/0/", "line 0/20/50/20/0/"};
    MidpointSort(memo);
    EXPECT_EQ(memo, QStringList({"line 0/20/50/20/0/", "line 50/20/100/20/0/", "bore 0/5/50/5/"}));
}

} // namespace
