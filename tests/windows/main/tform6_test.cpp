// The navigation panel: its settings of Data1, its buttons and the hidden results block, and
// "Initial data" pressed through the real button.
#include "windows/main/tform6.h"
#include "windows/main/window_set.h"
#include "canvas/canvas.h"
#include "windows/dimensioning/tform10.h"
#include "widgets/image_button.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override { CreateWindowSet(); }
    void TearDown() override { DestroyWindowSet(); }
};

TEST_F(PanelTest, CreationSetsThePlaneAndTheCombinationFlags)
{
    EXPECT_FALSE(Form6->Data1->Oriz());
    EXPECT_FALSE(Form6->Data1->MM());
    EXPECT_TRUE(Form6->Data1->T3());
    EXPECT_EQ(Form6->Data1->MaxMom(), 2);
    EXPECT_EQ(Form6->Data1->SP(), 6);
}

TEST_F(PanelTest, ButtonsHaveTheirSizesAndTheResultsBlockStaysHidden)
{
    for (const ImageButton* button : {Form6->IBtn5, Form6->Bitbtn2, Form6->BitBtn3, Form6->BitBtn4, Form6->IBtn6}) {
        EXPECT_EQ(button->size(), QSize(40, 40));
        EXPECT_TRUE(button->HasPicture());
    }
    for (const ImageButton* button : {Form6->IBtn1, Form6->IBtn2, Form6->IBtn3, Form6->IBtn4})
        EXPECT_EQ(button->size(), QSize(25, 25));

    Form6->show();
    EXPECT_EQ(Form6->Label9->text(), "Rezultate");
    for (const QLabel* label : {Form6->Label9, Form6->l1, Form6->l2}) EXPECT_FALSE(label->isVisible());
    EXPECT_EQ(Form6->Label2->palette().color(QPalette::Window), ColorFromValue(15263976));
    EXPECT_TRUE(Form6->Label2->font().bold());
}

TEST_F(PanelTest, InitialDataOpensTheDimensioningWindowAtItsFirstField)
{
    Form6->show();
    QTest::mouseClick(Form6->IBtn5, Qt::LeftButton);
    EXPECT_TRUE(Form10->isVisible());
    EXPECT_EQ(Form10->focusWidget(), Form10->Edit1);
}

} // namespace
