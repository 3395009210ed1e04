// The verdict on the report's first page, which the command line's exit status follows: what
// holds, what fails and why.
#include "../document/design_samples.h"

#include "report/verdict.h"

#include <gtest/gtest.h>

namespace {

TEST(ChecksVerdict, AThinShaftFailsByItsWeakestSectionAndAnAmpleOneHolds)
{
    const TChecksVerdict thin = ChecksVerdict(CheckDesignWithoutWindows(Cylinder("20")));
    EXPECT_FALSE(thin.Holds());
    EXPECT_TRUE(thin.Headline().startsWith("These checks fail: strength")) << thin.Headline().toStdString();
    ASSERT_FALSE(thin.Figures.empty());
    EXPECT_EQ(thin.Figures.front().Figure.toStdString(), "Weakest section: x = 50 mm, ratio 0.93");
    EXPECT_TRUE(thin.Figures.front().Fails);

    const TDesignChecks ample = CheckDesignWithoutWindows(Cylinder("80"));
    const TChecksVerdict verdict = ChecksVerdict(ample);
    EXPECT_EQ(verdict.Headline(), "All checks hold");
    QStringList checks;
    for (const TGoverningFigure& figure : verdict.Figures) checks << figure.Check;
    EXPECT_EQ(checks, QStringList({"Strength", "Slope", "Deflection", "Critical speed", "Fatigue", "Yield", "Twist"}));
}

TEST(ChecksVerdict, ACheckThatCannotBeMadeFailsTheVerdict)
{
    TDesign undrawn = SmallDesign();
    undrawn.Profile.clear();
    const TChecksVerdict verdict = ChecksVerdict(CheckDesignWithoutWindows(undrawn));
    EXPECT_FALSE(verdict.Holds());
    EXPECT_TRUE(verdict.Headline().endsWith("not every check could be made")) << verdict.Headline().toStdString();
}

} // namespace
