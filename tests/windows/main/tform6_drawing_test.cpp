// "2D Drawing" of the navigation panel after both planes: the page and the reactions panel make
// way for the editor, which shows the distance chain and the markers of the analysed positions.
#include "../entry/tform2_workflow.h"

#include "windows/results/tform11.h"
#include "windows/results/tform3.h"
#include "windows/editor/tform7.h"
#include "scene/revolution_solid.h"
#include "windows/view3d/tform9.h"

#include <QTest>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);

TEST_F(EntryTest, TwoDDrawingOpensTheEditorOverTheAnalysedPositions)
{
    EnterShaft("100", {"0", "100"});
    AddForceAt("50", "1000", false);
    Calculate();
    StartVertical();
    AddForceAt("30", "400", true);
    Calculate();
    ASSERT_TRUE(Form11->isVisible());
    Form7->Frame81->Image1->DrawingCanvas().Image().setPixelColor(10, 10, Qt::red);

    QTest::mouseClick(Form6->BitBtn4, Qt::LeftButton);

    EXPECT_FALSE(Form11->isVisible());
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_TRUE(Form7->isVisible());
    EXPECT_EQ(Form7->focusWidget(), Form7->Frame81);
    const QImage& drawing = Form7->Frame81->Image1->Picture();
    EXPECT_EQ(drawing.pixelColor(10, 10), QColor(Qt::red)) << "drawn over what the editor shows";
    // Markers: the axis, bearing circles at both ends, crosses at 30 (column 200) and 50 (300).
    EXPECT_EQ(drawing.pixelColor(120, 100), kBlack);
    EXPECT_EQ(drawing.pixelColor(50, 96), kBlue);
    EXPECT_EQ(drawing.pixelColor(550, 96), kBlue);
    EXPECT_EQ(drawing.pixelColor(197, 97), kBlue);
    EXPECT_EQ(drawing.pixelColor(303, 97), kBlue);
    EXPECT_EQ(drawing.pixelColor(300, 60), QColor(128, 128, 128));
    // The chain on row 210 with the length of each link above it: 30, 20 and 50.
    for (const int x : {120, 250, 420}) EXPECT_EQ(drawing.pixelColor(x, 210), kBlack) << x;
    int labelInk = 0;
    for (int y = 195; y < 209; ++y)
        for (int x = 100; x < 125; ++x) labelInk += drawing.pixelColor(x, y) == kBlack;
    EXPECT_GT(labelInk, 5) << "\"30\" ends at the middle of its link, column 125";

    const QImage first = drawing.copy();
    Form6->BitBtn4->click();
    EXPECT_EQ(Form7->Frame81->Image1->Picture(), first);
}

// "3D model" sweeps what the editor holds, sorted as the user then sees it, and swaps the editor
// for the 3D window.
TEST_F(EntryTest, ThreeDModelSweepsTheEditorsProfile)
{
    const QStringList stepped{"line 40/20/100/20/0/", "line 0/15/40/15/0/", "line 40/15/40/20/0/",
                              "line 0/0/0/15/0/", "line 100/20/100/0/0/"};
    Form7->SetMemoLines(stepped);
    Form7->show();

    QTest::mouseClick(Form6->IBtn6, Qt::LeftButton);

    EXPECT_EQ(Form7->MemoLines(), (QStringList{"line 0/0/0/15/0/", "line 0/15/40/15/0/", "line 40/15/40/20/0/",
                                               "line 40/20/100/20/0/", "line 100/20/100/0/0/"}));
    const std::vector<QVector3D> nodes{{0, -5, 0}, {1.5, -5, 0}, {1.5, -1, 0}, {2, -1, 0}, {2, 5, 0}, {0, 5, 0}};
    EXPECT_EQ(Form9->RevolutionSolid1->Nodes(), nodes);
    EXPECT_FALSE(Form7->isVisible());
    EXPECT_TRUE(Form9->isVisible());
    Form9->close();
}

} // namespace
