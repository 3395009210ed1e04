// Profile points to nodes: the scale of ten scene units, the centring, and spans that give no solid.
#include "common/errors.h"
#include "profile/profile_points.h"
#include "profile/revolution_nodes.h"

#include <gtest/gtest.h>

namespace {

QString FailureOf(const TModel& points, long double span)
{
    try {
        ProfileNodes(points, span);
    } catch (const KorvelError& error) {
        return error.Text();
    }
    return {};
}

} // namespace

TEST(RevolutionNodes, TheSteppedProfileBecomesASolidTenUnitsLongCentredOnTheOrigin)
{
    const TModel points{{0, 0}, {0, 15}, {40, 15}, {40, 20}, {100, 20}, {100, 0}};
    EXPECT_EQ(ProfileSpanOf(points), 100);
    const std::vector<QVector3D> expected{{0, -5, 0}, {1.5f, -5, 0}, {1.5f, -1, 0}, {2, -1, 0}, {2, 5, 0}, {0, 5, 0}};
    EXPECT_EQ(ProfileNodes(points, 100), expected);
}

TEST(RevolutionNodes, ALineFromTheDrawingTextGivesTwoNodesAtBothEnds)
{
    QStringList memo{"line 10/5/30/8/0/"};
    TModel points;
    ExtractProfilePoints(memo, points, 20);
    const std::vector<QVector3D> expected{{2.5f, -5, 0}, {4, 5, 0}};
    EXPECT_EQ(ProfileNodes(points, ProfileSpanOf(points)), expected);
}

TEST(RevolutionNodes, ASpanThatIsNoPositiveLengthFailsWithAClearMessage)
{
    const TModel vertical{{0, 0}, {0, 15}};
    const TModel backwards{{0, 8}, {-20, 5}};
    for (const TModel& points : {vertical, backwards, TModel{}}) {
        const QString message = FailureOf(points, ProfileSpanOf(points));
        EXPECT_TRUE(message.startsWith("The profile's length along the axis is ")) << qPrintable(message);
        EXPECT_NE(message, kInvalidOperation);
    }
    EXPECT_TRUE(FailureOf(vertical, 0).contains(" 0 mm"));
}

// "Apply" with a diameter of -40 once gave a solid turned inside out; the STL export refuses the
// same profile.
TEST(RevolutionNodes, AProfileThatCrossesTheAxisIsRefused)
{
    const TModel crossing{{0, 0}, {0, -20}, {100, -20}, {100, 0}};
    EXPECT_EQ(FailureOf(crossing, 100), "The profile crosses the axis: its radius is -20 mm at 0 mm from its left end. "
                                        "Every diameter must be greater than zero.");
}
