// The plane buttons of the navigation panel: a new shaft on a cleared page, and the vertical
// plane of the same shaft with its bearings renamed and drawn again.
#include "../entry/tform2_workflow.h"

#include "windows/results/tform11.h"
#include "windows/results/tform3.h"
#include "widgets/led.h"

namespace {

bool IsWhitePage(const QImage& page)
{
    QImage white(page.size(), page.format());
    white.fill(Qt::white);
    return page == white;
}

} // namespace

TEST_F(EntryTest, LoadInHorizontalPlaneTwiceStartsAnEmptyShaftOnAClearedPage)
{
    EnterShaft("100", {"0", "100"});
    AddForceAt("50", "1000", false);
    Calculate();
    StartVertical();
    AddForceAt("30", "200", true);
    Calculate();
    ASSERT_TRUE(Form11->isVisible());

    StartHorizontal();
    ApplyLength("200");
    AddBearingAt("20");
    StartHorizontal();

    EXPECT_TRUE(IsWhitePage(Form3->Page()));
    EXPECT_EQ(Form3->windowTitle(), "Horizontal plane");
    EXPECT_EQ(Form3->geometry().top(), 425);
    EXPECT_EQ(Form3->height(), 170);
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_FALSE(Form11->isVisible());
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_TRUE(Form2->Led1->IsOn());
    EXPECT_FALSE(Form2->BitBtn1->icon().isNull());
    EXPECT_TRUE(Form6->Data1->Oriz());
    EXPECT_TRUE(Analysis.Reactions.empty());
    EXPECT_TRUE(Analysis.Forces.empty());
    EXPECT_TRUE(Analysis.Points.empty());
    EXPECT_EQ(Analysis.HorzReactions[0], 0);
    EXPECT_EQ(Analysis.HorzReactions[1], 0);
    EXPECT_EQ(Analysis.HorzDiagram.size(), 1u);
    EXPECT_TRUE(Analysis.VertDiagram.empty()); // the old shaft's vertical plane went with the new length
}

TEST_F(EntryTest, LoadInVerticalPlaneRedrawsTheShaftWithItsBearingsRenamed)
{
    MessageRecorder messages; // the third bearing carries no load
    EnterShaft("100", {"0", "100", "60"});
    AddForceAt("50", "1000", false);
    Calculate();
    const double horizontalA = Analysis.HorzReactions[0];
    StartVertical();

    const QImage& page = Form3->Page();
    EXPECT_EQ(Form3->windowTitle(), "Vertical plane");
    EXPECT_EQ(Form3->height(), 170);
    EXPECT_EQ(page.pixelColor(300, 65), QColor(Qt::black)); // the axis
    for (const int column : {50, 550, 350}) EXPECT_EQ(page.pixelColor(column, 100), QColor(Qt::black)); // reactions
    EXPECT_EQ(page.pixelColor(300, 30), QColor(Qt::white)); // the horizontal force is gone
    EXPECT_EQ(page.pixelColor(400, 140), QColor(Qt::black)); // the dimension chain
    ASSERT_EQ(Analysis.Reactions.size(), 3u);
    EXPECT_EQ(Analysis.Reactions[0].Name, "RVA");
    EXPECT_EQ(Analysis.Reactions[1].Name, "RVB");
    EXPECT_EQ(Analysis.Reactions[2].Name, "RVC");
    EXPECT_EQ(Analysis.ReactionSumText, "RVA+RVB+RVC");
    EXPECT_FALSE(Form6->Data1->Oriz());
    EXPECT_EQ(Analysis.HorzReactions[0], horizontalA);
    EXPECT_EQ(Analysis.VertDiagram.size(), 0u);
    EXPECT_EQ(Form2->focusWidget(), Form2->Edit3);
    EXPECT_FALSE(Form2->BitBtn4->icon().isNull());
    EXPECT_EQ(Analysis.ShaftLength, 100);
    EXPECT_EQ(Analysis.PointCount, 4);
}
