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
    for (const TProfileStep& step : steps) rows.push_back(ProfileStepCells(step));
    const std::vector<QStringList> expected = {{"0.00", "58.00", "40.00", "cylinder"},
                                               {"58.00", "60.00", "40.00 - 44.00", "fillet R 2"},
                                               {"60.00", "198.00", "60.00", "cylinder"},
                                               {"198.00", "200.00", "60.00 - 56.00", "cone 2 x 45 deg"}};
    EXPECT_EQ(rows, expected);
}

} // namespace
