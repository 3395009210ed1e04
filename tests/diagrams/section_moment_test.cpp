// The section moment at points, between them and off the shaft, in both combination modes, and
// the fast lookup against a plain scan of every pair on random diagrams.
#include "diagrams/section_moment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// Left and right moment at 0, 100 and 200 mm, the middle point given.
Tav ThreePoints(long double left, long double right, long double end = 0)
{
    return {{0, 0, 0}, {left, right, 100}, {end, end, 200}};
}

// Every neighbouring pair in turn; a later match overwrites an earlier one.
long double PairScan(const Tav& d, long double x)
{
    const auto atPoint = [](const TMomentPoint& p) { return std::fabs(p.Right) > std::fabs(p.Left) ? p.Right : p.Left; };
    long double m = 0;
    for (size_t i = 0; i + 1 < d.size(); ++i) {
        if (x == d[i].Position) m = atPoint(d[i]);
        else if (x == d[i + 1].Position) m = atPoint(d[i + 1]);
        else if (x > d[i].Position && x < d[i + 1].Position)
            m = d[i].Right + (x - d[i].Position) * (d[i + 1].Left - d[i].Right) / (d[i + 1].Position - d[i].Position);
    }
    return m;
}

} // namespace

TEST(PlaneMoment, PointsJumpsCoursesAndPositionsOffTheDiagram)
{
    struct TCase {
        const char* what;
        Tav diagram;
        long double x;
        long double expected;
    };
    const TCase cases[] = {
        {"jump to the larger magnitude", ThreePoints(200, -300), 100, -300},
        {"equal magnitudes keep the left", ThreePoints(300, -300), 100, 300},
        {"halfway along a course", {{0, 1000, 0}, {3000, 0, 100}}, 50, 2000},
        {"from the right moment to the next left", ThreePoints(-500, 1000, 3000), 150, 2000},
        {"the origin", ThreePoints(200, -300), 0, 0},
        {"the shaft end", ThreePoints(0, 0, 700), 200, 700},
        {"before the shaft", ThreePoints(200, -300, 700), -1, 0},
        {"beyond the shaft", ThreePoints(200, -300, 700), 200.5L, 0},
        {"a plane not yet calculated", {{0, 0, 0}}, 0, 0},
        {"no diagram", {}, 10, 0},
        {"not a position", ThreePoints(200, -300), NAN, 0},
    };
    for (const TCase& c : cases) EXPECT_EQ(PlaneMoment(c.diagram, c.x), c.expected) << c.what;
}

TEST(SectionMoment, ResultantOrTheLargerPlaneWithItsSign)
{
    struct TCase {
        long double horz;
        long double vert;
        bool combine;
        long double expected;
    };
    for (const TCase& c : {TCase{3000, 4000, false, 5000}, TCase{3000, 4000, true, 4000},
                           TCase{-4000, 4000, true, -4000}, TCase{-3000, -4000, false, 5000},
                           TCase{-3000, 2000, true, -3000}}) {
        const Tav horz = ThreePoints(c.horz, c.horz);
        const Tav vert = ThreePoints(c.vert, c.vert);
        EXPECT_EQ(SectionMoment(horz, vert, c.combine, 100), c.expected)
            << double(c.horz) << " " << double(c.vert) << " " << c.combine;
    }
}

TEST(SectionMoment, APlaneNotYetCalculatedContributesNothing)
{
    const Tav horz = ThreePoints(-3000, -3000);
    const Tav uncalculated = {{0, 0, 0}};
    EXPECT_EQ(SectionMoment(horz, uncalculated, false, 100), 3000);
    EXPECT_EQ(SectionMoment(horz, uncalculated, true, 100), -3000);
    EXPECT_EQ(SectionMoment(uncalculated, horz, true, 100), -3000);
    EXPECT_EQ(SectionMoment(horz, horz, false, 250), 0);
}

TEST(PlaneMoment, EqualsAScanOfEveryPairOnRandomDiagrams)
{
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> moment(-1e6, 1e6);
    std::uniform_int_distribution<int> step(0, 40);
    for (int round = 0; round < 200; ++round) {
        Tav diagram;
        long double position = 0;
        const int count = 1 + round % 30;
        for (int i = 0; i < count; ++i) {
            // A step of 0 now and then: two points at one position must still agree.
            diagram.push_back({moment(random), moment(random), position});
            position += step(random) * 2.5L;
        }
        for (long double x = -5; x <= position + 5; x += 0.625L)
            ASSERT_EQ(PlaneMoment(diagram, x), PairScan(diagram, x)) << round << " at " << double(x);
    }
}
