// The steps table read off a drawn shaft: a cylinder, the fillet at its shoulder, the larger
// cylinder and a chamfer at its end.
#include "report/profile_steps.h"

#include "profile/verification.h"

#include <gtest/gtest.h>

namespace {

TEST(ProfileSteps, CylindersFilletsAndChamfersReadAsTheDrawingDimensionsThem)
{
    const QStringList drawing = {"line 0/0/0/20/0/",    "line 0/20/58/20/0/",     "arc 56/24/60/20/60/22/58/20/",
                                 "line 60/22/60/30/0/", "line 60/30/198/30/0/",   "line 198/30/200/28/0/",
                                 "line 200/28/200/0/0/"};
    const std::vector<TProfileStep> steps = ProfileSteps(ShaftGeometry(DrawnContour(drawing, 20), 0, 200));
    std::vector<QStringList> rows;
    for (const TProfileStep& step : steps) rows.push_back(ProfileStepCells(step, false));
    const std::vector<QStringList> expected = {{"0.00", "58.00", "40.00", "cylinder"},
                                               {"58.00", "60.00", "40.00 - 44.00", "fillet R 2"},
                                               {"60.00", "198.00", "60.00", "cylinder"},
                                               {"198.00", "200.00", "60.00 - 56.00", "cone 2 x 45 deg"}};
    EXPECT_EQ(rows, expected);
}

} // namespace

namespace {

// The same shaft bored through: Ø20 to x = 100, a taper to Ø25 at 120, Ø25 on to the end. The
// 60 body is cut at 100 and 120 where the bore changes; the fillet and the chamfer keep the bore
// that runs under them, and the body over the taper is still turned as a cylinder.
TEST(ProfileSteps, ABoredShaftGivesEachStepItsBore)
{
    const QStringList outline = {"line 0/0/0/20/0/",    "line 0/20/58/20/0/",   "arc 56/24/60/20/60/22/58/20/",
                                 "line 60/22/60/30/0/", "line 60/30/198/30/0/", "line 198/30/200/28/0/",
                                 "line 200/28/200/0/0/"};
    const QStringList bore = {"bore 0/10/100/10/", "bore 100/10/120/12.5/", "bore 120/12.5/200/12.5/"};
    const std::vector<TProfileStep> steps = ProfileSteps(ShaftGeometry(DrawnContour(outline + bore, 20), 0, 200));
    std::vector<QStringList> rows;
    for (const TProfileStep& step : steps) rows.push_back(ProfileStepCells(step, AnyHollow(steps)));
    const std::vector<QStringList> expected = {{"0.00", "58.00", "40.00", "20.00", "cylinder"},
                                               {"58.00", "60.00", "40.00 - 44.00", "20.00", "fillet R 2"},
                                               {"60.00", "100.00", "60.00", "20.00", "cylinder"},
                                               {"100.00", "120.00", "60.00", "20.00 - 25.00", "cylinder"},
                                               {"120.00", "198.00", "60.00", "25.00", "cylinder"},
                                               {"198.00", "200.00", "60.00 - 56.00", "25.00", "cone 2 x 45 deg"}};
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(ProfileStepHeadings(true).at(3), "Bore [mm]");

    // The bore as a workshop dimensions it: Ø20 from 0 to 100, the taper to 120, Ø25 to the end.
    const std::vector<TBoreRun> runs = BoreRuns(steps);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_TRUE(runs[0].From == 0 && runs[0].To == 100 && runs[0].DiameterFrom == 20 && runs[0].DiameterTo == 20);
    EXPECT_TRUE(runs[1].From == 100 && runs[1].To == 120 && runs[1].DiameterFrom == 20 && runs[1].DiameterTo == 25);
    EXPECT_TRUE(runs[2].From == 120 && runs[2].To == 200 && runs[2].DiameterFrom == 25 && runs[2].DiameterTo == 25);

    // A blind bore 30 deep from the left: the journal is cut at its bottom, solid beyond it.
    const std::vector<TProfileStep> blind = ProfileSteps(ShaftGeometry(DrawnContour(outline + QStringList{"bore 0/8/30/8/"}, 20), 0, 200));
    ASSERT_GE(blind.size(), 2u);
    EXPECT_EQ(ProfileStepCells(blind[0], true), QStringList({"0.00", "30.00", "40.00", "16.00", "cylinder"}));
    EXPECT_EQ(ProfileStepCells(blind[1], true), QStringList({"30.00", "58.00", "40.00", "", "cylinder"}));
}

} // namespace
