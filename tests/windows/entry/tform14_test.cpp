// The shaft elements window through its real buttons: two gears added and applied move both
// planes' reactions, their entries stay out of the hand entries, the file keeps them, a new shaft
// lets them go only behind the question about unsaved work (and gives them back when left empty),
// and bad data is refused.
#include "tform2_workflow.h"

#include "analysis/load_entry.h"
#include "document/design_journal.h"
#include "elements/machine_elements.h"
#include "windows/entry/tform14.h"
#include "windows/main/design_windows.h"
#include "windows/main/tform1.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

void AddGear(const QString& position, const QString& diameter, const QString& angle, const QString& helix, bool driving)
{
    Form14->KindBox->setCurrentIndex(0);
    Form14->PositionEdit->setText(position);
    Form14->TorqueRadio->setChecked(true);
    Form14->ValueEdit->setText("400");
    (driving ? Form14->DrivingRadio : Form14->DrivenRadio)->setChecked(true);
    Form14->DiameterEdit->setText(diameter);
    Form14->AngleEdit->setText(angle);
    Form14->HelixAngleEdit->setText(helix);
    QTest::mouseClick(Form14->AddButton, Qt::LeftButton);
}

// The gearbox shaft's gears (see the document tests' worked example) over 2000 N up at 150 in
// the vertical plane and 1000 N down at 150 in the horizontal one:
//   vertical: 300 RB = 1507.24 * 100 + 10000 * 220 + 107180 - 2000 * 150 -> RB = 7193.01 N,
//             RA = 1507.24 + 10000 - 2000 - 7193.01 = 2314.23 N
//   horizontal: 300 RB = 1000 * 150 + 4000 * 100 + 3639.70 * 220 -> RB = 4502.45 N,
//             RA = 1000 + 4000 + 3639.70 - 4502.45 = 4137.25 N
void ExpectGearboxReactions()
{
    EXPECT_NEAR(Analysis.VertReactions[0], 2314.2270, 1e-3);
    EXPECT_NEAR(Analysis.VertReactions[1], 7193.0119, 1e-3);
    EXPECT_NEAR(Analysis.HorzReactions[0], 4137.2540, 1e-3);
    EXPECT_NEAR(Analysis.HorzReactions[1], 4502.4484, 1e-3);
}

} // namespace

TEST_F(EntryTest, ShaftElementsApplyToBothPlanesAndComeBackFromTheFile)
{
    CalculateMiddleLoadsInBothPlanes();
    EXPECT_DOUBLE_EQ(Analysis.HorzReactions[0], 500);
    Form6->show();
    QTest::mouseClick(Form6->IBtn7, Qt::LeftButton);
    ASSERT_TRUE(Form14->isVisible());

    AddGear("100", "200", "0", "15", false);
    AddGear("220", "80", "90", "0", true);
    ASSERT_EQ(Form14->ElementList->topLevelItemCount(), 2);
    EXPECT_EQ(Form14->ElementList->topLevelItem(1)->text(0), "gear 2");
    EXPECT_TRUE(DesignJournal.Elements.empty()) << "listed, not yet applied";
    QTest::mouseClick(Form14->ApplyButton, Qt::LeftButton);
    ExpectGearboxReactions();
    EXPECT_TRUE(Analysis.ForceListText.startsWith("FV1 = 2000    FV2 (gear 1) = ")) << Analysis.ForceListText.toStdString();
    EXPECT_NEAR(Analysis.ElementDrive.AxialForce, 1071.7968, 1e-3);
    const TDesign captured = CaptureDesign();
    EXPECT_EQ(captured.Horizontal.Entries.size(), 3u) << "the elements' loads are no hand entries";
    EXPECT_EQ(captured.Vertical.Entries.size(), 1u);

    QTemporaryDir folder;
    const QString file = folder.filePath("gearbox.korvel");
    Form1->SaveFile(file);
    Form1->OpenFile(file);
    ExpectGearboxReactions();
    QTest::mouseClick(Form6->IBtn7, Qt::LeftButton);
    EXPECT_EQ(Form14->ElementList->topLevelItemCount(), 2);
    EXPECT_EQ(Form14->Elements(), captured.Elements);
}

TEST_F(EntryTest, ShaftElementsRefuseBadDataAndGoWithANewShaftOnlyWhenAllowed)
{
    CalculateMiddleLoadsInBothPlanes();
    Form6->show();
    QTest::mouseClick(Form6->IBtn7, Qt::LeftButton);
    MessageRecorder messages;
    AddGear("100", "0", "0", "0", true);
    AddGear("400", "80", "0", "0", true);
    EXPECT_EQ(messages.texts, (QStringList{kElementDiameterInvalid, kPositionOutside}));
    EXPECT_EQ(Form14->ElementList->topLevelItemCount(), 0);

    AddGear("100", "200", "0", "0", true);
    QTest::mouseClick(Form14->ApplyButton, Qt::LeftButton);
    ASSERT_EQ(DesignJournal.Elements.size(), 1u);
    EXPECT_FALSE(Analysis.ElementDrive.Balanced) << "one gear alone drives nothing";

    SetUnsavedQuestion([](const QString&) { return TUnsavedAnswer::Cancel; });
    StartHorizontal();
    EXPECT_EQ(DesignJournal.Elements.size(), 1u) << "kept when the question is cancelled";
    SetUnsavedQuestion([](const QString&) { return TUnsavedAnswer::Discard; });
    StartHorizontal();
    EXPECT_TRUE(DesignJournal.Elements.empty());
    EXPECT_EQ(Form14->ElementList->topLevelItemCount(), 0);
    EXPECT_EQ(Analysis.ElementDrive, TElementDrive{});
    // Left with nothing entered, the new shaft gives the old one back, its elements with it.
    Form2->close();
    EXPECT_EQ(DesignJournal.Elements.size(), 1u);
    EXPECT_EQ(Form14->ElementList->topLevelItemCount(), 1);
}
