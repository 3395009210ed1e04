// Figures that stand on the screen follow their inputs at once, or say that they wait for
// "Apply": the required diameters on the drawing after a new material, and the critical speed
// after a mass is taken off.
#include "../entry/tform2_workflow.h"

#include "windows/dimensioning/tform10.h"
#include "windows/editor/speed_tab.h"
#include "windows/editor/tform13.h"
#include "windows/editor/tform7.h"
#include "windows/editor/waiting_note.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace {

class FiguresFollowTest : public EntryTest {
protected:
    // 300 mm on bearings at both ends, loaded in both planes, drawn as a 40 mm cylinder.
    void SetUp() override
    {
        EntryTest::SetUp();
        CalculateMiddleLoadsInBothPlanes();
        ApplyMaterial(0);
        Click(Form6->BitBtn4);
        Form7->SetMemoLines({"line 0/0/0/20/0/", "line 0/20/300/20/0/", "line 300/20/300/0/0/"});
        Click(Form7->BitBtn4);
    }

    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static void ApplyMaterial(int item)
    {
        Form10->show();
        Form10->Edit1->setText("300000");
        Form10->c2->setCurrentIndex(item);
        Click(Form10->BitBtn3);
        Click(Form10->BitBtn2);
    }
    static QImage DrawingBand() { return Form7->Frame81->Image1->Picture().copy(0, 0, 650, 200); }

    MessageRecorder messages;
};

TEST_F(FiguresFollowTest, ANewMaterialRedrawsTheRequiredDiametersAtApply)
{
    Click(Form7->sp5);
    const QImage carbonSteel = DrawingBand();
    ApplyMaterial(5); // alloyed steel: a smaller diameter is required everywhere
    const QImage alloyed = DrawingBand();
    EXPECT_NE(alloyed, carbonSteel);
    Click(Form7->BitBtn4);
    EXPECT_EQ(DrawingBand(), alloyed) << "Generate changed what Apply had left";
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

TEST_F(FiguresFollowTest, ThePreDimensionedDiameterIsGreyedFromAnEditOfItsInputsUntilCalculate)
{
    Form10->show();
    Form10->Edit2->setText("30");
    Click(Form10->BitBtn1);
    const QString diameter = Form10->Label7->text();
    EXPECT_TRUE(Form10->Label7->isEnabled());
    QTest::keyClicks(Form10->Edit1, "0");
    EXPECT_FALSE(Form10->Label7->isEnabled());
    EXPECT_EQ(Form10->Label7->text(), diameter);
    Click(Form10->BitBtn1);
    EXPECT_TRUE(Form10->Label7->isEnabled());
    EXPECT_NE(Form10->Label7->text(), diameter);
}

TEST_F(FiguresFollowTest, RemovingAMassMarksTheCriticalSpeedAsWaitingUntilApply)
{
    Click(Form7->VerificationButton);
    TForm13& window = Form7->VerificationWindow();
    TSpeedTab* tab = window.SpeedTab;
    window.ShowPage(tab);
    const QString bare = tab->CriticalSpeedLabel->text();
    EXPECT_FALSE(window.SpeedWaiting->Waiting());

    Click(tab->AddMassButton);
    EXPECT_TRUE(window.SpeedWaiting->Waiting());
    tab->MassTable->item(0, 0)->setText("150");
    tab->MassTable->item(0, 1)->setText("20");
    Click(tab->ApplyButton);
    EXPECT_FALSE(window.SpeedWaiting->Waiting());
    const QString loaded = tab->CriticalSpeedLabel->text();
    EXPECT_NE(loaded, bare);
    EXPECT_TRUE(tab->CriticalSpeedLabel->isEnabled());

    tab->MassTable->setCurrentCell(0, 0);
    Click(tab->RemoveMassButton);
    EXPECT_TRUE(window.SpeedWaiting->isVisible());
    EXPECT_FALSE(tab->CriticalSpeedLabel->isEnabled()); // greyed: still the figure with the mass
    EXPECT_FALSE(window.DeflectionWaiting->Waiting());  // the other pages' inputs are untouched
    Click(tab->ApplyButton);
    EXPECT_FALSE(window.SpeedWaiting->Waiting());
    EXPECT_EQ(tab->CriticalSpeedLabel->text(), bare);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

} // namespace
