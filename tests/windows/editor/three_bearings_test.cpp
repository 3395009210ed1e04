// A shaft on three bearings through the real buttons: calculated before it is drawn, on a
// uniform beam; the Shaft check then says its reactions were made for another section, and
// "Recalculate" solves both planes with the drawing, as opening the saved design does.
#include "../entry/tform2_workflow.h"

#include "windows/editor/tform13.h"
#include "windows/editor/tform7.h"
#include "windows/main/design_windows.h"

#include <QLabel>
#include <QTest>

namespace {

// Radius 20 mm from 0 to 100, 30 mm from 100 to 200.
const QStringList kStepped = {"line 0/0/0/20/0/", "line 0/20/100/20/0/", "line 100/20/100/30/0/",
                              "line 100/30/200/30/0/", "line 200/30/200/0/0/"};

class ThreeBearingsTest : public EntryTest {
protected:
    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static TForm13* CheckWindow() { return &Form7->VerificationWindow(); }

    // 1000 N down at the middle of the left span, then 2000 N up there in the vertical plane.
    static void CalculateBothPlanes()
    {
        EnterShaft("200", {"0", "100", "200"});
        AddForceAt("50", "1000", false);
        Calculate();
        StartVertical();
        AddForceAt("50", "2000", true);
        Calculate();
    }

    MessageRecorder messages;
};

TEST_F(ThreeBearingsTest, RecalculateSolvesBothPlanesWithTheDrawingAsOpeningDoes)
{
    CalculateBothPlanes();
    messages.texts.clear(); // the entry's note on the third bearing
    // Two equal uniform spans L, P in the middle of the first. The three-moment equation (Clapeyron)
    // gives M_B = -3PL/32, so the far bearing takes -3P/32 and the middle one 11P/16.
    EXPECT_NEAR(Analysis.HorzReactions[1], 687.5, 1e-9);
    EXPECT_NEAR(Analysis.VertReactions[2], 187.5, 1e-9);
    EXPECT_EQ(Analysis.VertSection.Name, "uniform section");

    Click(Form6->BitBtn4);
    Form7->SetMemoLines(kStepped);
    Click(Form7->BitBtn4);
    Click(Form7->VerificationButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(CheckWindow()));
    EXPECT_TRUE(CheckWindow()->ReactionsNote->isVisible());
    EXPECT_TRUE(CheckWindow()->ReactionsNote->text().contains("(uniform section)"));

    Click(CheckWindow()->RecalculateButton);
    ASSERT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    EXPECT_FALSE(CheckWindow()->ReactionsNote->isVisible());
    EXPECT_EQ(Analysis.HorzSection.Name, "drawn section");
    EXPECT_EQ(Analysis.VertSection.Name, "drawn section");
    EXPECT_LT(Analysis.HorzReactions[2], -150) << "the stiffer right span holds the beam down harder";
    EXPECT_NEAR(Analysis.VertReactions[2] / Analysis.HorzReactions[2], -2, 1e-12);
    const auto recalculated = Analysis.HorzReactions;

    ReplaceDesign(CaptureDesign());
    EXPECT_EQ(Analysis.HorzReactions, recalculated) << "an opened design is solved with its drawing";
    EXPECT_EQ(Analysis.VertSection.Name, "drawn section");
}

} // namespace
