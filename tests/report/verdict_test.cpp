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

namespace {

TMachineElement Coupling(long double position, long double torque, TPowerFlow flow)
{
    TMachineElement coupling;
    coupling.Kind = TElementKind::Coupling;
    coupling.Position = position;
    coupling.Diameter = 100;
    coupling.Torque = torque;
    coupling.Flow = flow;
    return coupling;
}

// The design's own elements reach every check without a window: 200 N*m driven in at 20 mm and
// taken out at 80 twist the shaft between them only; when 150 N*m leave instead, the checks that
// read the torque are not made and say the elements' torques miss by 50 N*m.
TEST(ChecksVerdict, TheDesignsElementsGiveTheTorqueOrStopItsChecks)
{
    TDesign design = Cylinder("80");
    design.Elements = {Coupling(20, 200, TPowerFlow::Driving), Coupling(80, 200, TPowerFlow::Driven)};
    const TDesignChecks balanced = CheckDesignWithoutWindows(design);
    EXPECT_EQ(balanced.Inputs.TwistingMoment, 200000);
    ASSERT_TRUE(balanced.Fatigue.TwistProblem.isEmpty()) << balanced.Fatigue.TwistProblem.toStdString();
    EXPECT_EQ(balanced.Fatigue.Twist.From, 20);
    EXPECT_EQ(balanced.Fatigue.Twist.To, 80);

    design.Elements[1].Torque = 150;
    const TChecksVerdict verdict = ChecksVerdict(CheckDesignWithoutWindows(design));
    const QString reason = "momentele de torsiune ale elementelor nu se echilibreaza: suma lor este 50 N*m !";
    EXPECT_TRUE(verdict.NotChecked.contains("Strength: not checked: " + reason)) << verdict.NotChecked.join('\n').toStdString();
    EXPECT_TRUE(verdict.NotChecked.contains("Twist: not checked: " + reason)) << verdict.NotChecked.join('\n').toStdString();
}

} // namespace
