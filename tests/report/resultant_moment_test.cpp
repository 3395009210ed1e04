// The resultant moment of the stepped design against the statics worked by hand. Horizontal:
// supports at 10 and 190, 1000 N at 60 and 1500 N at 140, all downwards: RB = (1000 * 50 + 1500 *
// 130) / 180 = 1361.11 N, RA = 1138.89 N. Vertical: 1000 N upwards at 60 and a clockwise couple of
// 20000 N*mm at 140: RB = -(1000 * 50 - 20000) / 180 = -166.67 N, RA = -833.33 N.
#include "report_designs.h"

#include "report/plane_pages.h"
#include "report/resultant_moment.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr long double kRA = 2500 - 245000.0L / 180, kRB = 245000.0L / 180; // horizontal
constexpr long double kVA = -1000 + 30000.0L / 180;                       // vertical, A

long double HorizontalMoment(long double x)
{
    long double m = kRA * (x - 10);
    if (x > 60) m -= 1000 * (x - 60);
    if (x > 140) m -= 1500 * (x - 140);
    return m;
}

// Just left of the couple at 140 (`afterCouple` false) or just right of it.
long double VerticalMoment(long double x, bool afterCouple)
{
    long double m = kVA * (x - 10);
    if (x > 60) m += 1000 * (x - 60);
    if (x > 140 || (x == 140 && afterCouple)) m += 20000;
    return m;
}

TEST(ResultantMoment, AgreesWithTheStaticsOfBothPlanesByHand)
{
    const TPlanePages pages = ReplayPlanePages(SteppedDesign());
    ASSERT_EQ(pages.Planes.size(), 2u);
    // Each plane keeps its bearings under its own names, though the vertical plane renames them.
    EXPECT_EQ(pages.Planes[0].Bearings.front().Name, "RHA");
    EXPECT_EQ(pages.Planes[1].Bearings.back().Name, "RVB");
    const std::vector<TDiagramPoint> horizontal = MomentLine(pages.Planes[0].MomentPoints, pages.Planes[0].MomentTerms);
    const std::vector<TDiagramPoint> vertical = MomentLine(pages.Planes[1].MomentPoints, pages.Planes[1].MomentTerms);
    EXPECT_NEAR(double(kRB * 50), double(MomentAt(horizontal, 140, true)), 1e-6);
    const std::vector<TDiagramPoint> resultant = ResultantMoment(horizontal, vertical);
    const auto value = [&](long double x, bool right) {
        const auto hit = std::find_if(resultant.begin(), resultant.end(), [&](const TDiagramPoint& p) { return p.X == x; });
        EXPECT_NE(hit, resultant.end()) << double(x);
        return double((right && (hit + 1)->X == x ? hit + 1 : hit)->Value);
    };
    for (long double x : {10.0L, 60.0L, 190.0L})
        EXPECT_NEAR(value(x, false), double(std::hypot(HorizontalMoment(x), VerticalMoment(x, false))), 1e-6) << double(x);
    // The couple makes the resultant jump at 140: 73717.95 N*mm on its left, 68563.93 on its right.
    EXPECT_NEAR(value(140, false), double(std::hypot(HorizontalMoment(140), VerticalMoment(140, false))), 1e-6);
    EXPECT_NEAR(value(140, true), double(std::hypot(HorizontalMoment(140), VerticalMoment(140, true))), 1e-6);
    EXPECT_NEAR(value(140, false), 73717.95, 0.01);
    // Between the loads the resultant is no straight line: it is sampled, each sample exact.
    int samples = 0;
    for (const TDiagramPoint& point : resultant) {
        if (!(point.X > 60 && point.X < 140)) continue;
        ++samples;
        EXPECT_NEAR(double(point.Value), double(std::hypot(HorizontalMoment(point.X), VerticalMoment(point.X, true))), 1e-6);
        EXPECT_FALSE(point.Labelled);
    }
    EXPECT_GE(samples, 4);
}

} // namespace
