// Taking a load back in the initial-data window: the plane is entered again without it, and
// everything that follows is what the plane would have given had the load never been added.
#include "tform2_workflow.h"

#include "document/design_journal.h"
#include "document/entry_removal.h"
#include "windows/results/tform3.h"

#include <QAction>

#include <QTest>
#include <QTreeWidget>

namespace {

QStringList ListedNames()
{
    QStringList names;
    for (int i = 0; i < Form2->EntryList->topLevelItemCount(); ++i) names << Form2->EntryList->topLevelItem(i)->text(0);
    return names;
}

void SelectRow(int row) { Form2->EntryList->setCurrentItem(Form2->EntryList->topLevelItem(row)); }

struct TPlaneOutcome {
    QImage Page;
    double RHA, RHB;
    long double Mmax;
    size_t Points;
    TPlaneEntries Journal;
};

TPlaneOutcome Outcome()
{
    return {Form3->Page().copy(), Analysis.HorzReactions[0], Analysis.HorzReactions[1], Analysis.Mmax, Analysis.Points.size(),
            DesignJournal.Horizontal};
}

} // namespace

TEST_F(EntryTest, RemovingAForceGivesThePageAndReactionsOfThePlaneEnteredWithoutIt)
{
    EnterShaft("400", {"0", "400"});
    AddForceAt("100", "2000", false);
    AddForceAt("200", "20000", false); // meant 2000, and at 250
    AddForceAt("300", "1500", true);
    Form2->BitBtn5->click();
    AddMomentAt("250", "60000", true);
    EXPECT_EQ(ListedNames(), QStringList({"L", "RHA", "RHB", "FH1", "FH2", "FH3", "MH1"}));

    MessageRecorder messages;
    SelectRow(0);
    QTest::keyClick(Form2->EntryList, Qt::Key_Delete);
    EXPECT_EQ(messages.texts, QStringList({kLengthStays}));
    SelectRow(4);
    Form2->RemoveButton->click();
    EXPECT_EQ(ListedNames(), QStringList({"L", "RHA", "RHB", "FH1", "FH2", "MH1"}));
    EXPECT_EQ(Form2->EntryList->topLevelItem(4)->text(1), "300");
    EXPECT_EQ(Form2->EntryList->currentIndex().row(), 4);
    EXPECT_EQ(Form2->focusWidget(), Form2->EntryList);
    // The entry resumes where it stood, with what was typed.
    EXPECT_TRUE(Form2->BitBtn6->isEnabled());
    EXPECT_EQ(Form2->Edit5->text(), "250");
    Form2->BitBtn7->click();
    Form2->BitBtn8->click();
    const TPlaneOutcome removed = Outcome();

    EnterShaft("400", {"0", "400"});
    AddForceAt("100", "2000", false);
    AddForceAt("300", "1500", true);
    Form2->BitBtn5->click();
    AddMomentAt("250", "60000", true);
    Form2->BitBtn7->click();
    Form2->BitBtn8->click();
    const TPlaneOutcome fresh = Outcome();

    EXPECT_TRUE(removed.Page == fresh.Page);
    EXPECT_EQ(removed.RHA, fresh.RHA);
    EXPECT_EQ(removed.RHB, fresh.RHB);
    EXPECT_EQ(removed.Mmax, fresh.Mmax);
    EXPECT_EQ(removed.Points, fresh.Points);
    EXPECT_EQ(removed.Journal, fresh.Journal); // what a save writes
}

TEST_F(EntryTest, TakingBackInTheVerticalPlaneKeepsTheHorizontalResults)
{
    CalculateCompleteExample();
    const TAnalysisState horizontal = Analysis;
    const long double horizontalMmax = Form6->Data1->HorzMom();
    StartVertical();
    AddForceAt("30", "400", true);
    const QImage pageWithOneForce = Form3->Page().copy();
    AddForceAt("70", "900", false);
    EXPECT_EQ(ListedNames(), QStringList({"L", "FV1", "FV2"}));

    QTest::keyClick(Form2->Edit4, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ListedNames(), QStringList({"L", "FV1"}));
    EXPECT_EQ(Form2->Edit4->text(), "900"); // the field's own undo did not take the key
    EXPECT_TRUE(Form3->Page() == pageWithOneForce);
    EXPECT_EQ(Form3->windowTitle(), "Vertical plane");
    EXPECT_TRUE(Form2->BitBtn4->isEnabled());
    EXPECT_EQ(Analysis.HorzReactions[0], horizontal.HorzReactions[0]);
    EXPECT_EQ(Analysis.HorzDiagram.size(), horizontal.HorzDiagram.size());
    EXPECT_EQ(Form6->Data1->HorzMom(), horizontalMmax);
    EXPECT_EQ(Analysis.Reactions[0].Name, "RVA");
    EXPECT_EQ(DesignJournal.Vertical.Entries.size(), 1u);
    EXPECT_EQ(DesignJournal.Horizontal.Step, TPlaneStep::Calculated);
}

TEST_F(EntryTest, ACalculatedPlaneReopenedFromThePageTakesALoadBackAndIsCalculatedAgain)
{
    EnterShaft("100", {"0", "100"});
    AddForceAt("50", "1000", false);
    AddForceAt("20", "5000", false);
    Calculate();
    EXPECT_FALSE(Form2->BitBtn8->isEnabled()); // calculated once

    Form3->InitialData1->trigger();
    ASSERT_TRUE(Form2->isVisible());
    SelectRow(4);
    Form2->RemoveButton->click();
    EXPECT_EQ(DesignJournal.Horizontal.Step, TPlaneStep::Calculate);
    ASSERT_TRUE(Form2->BitBtn8->isEnabled());
    Form2->BitBtn8->click();
    // The complete example again: 500 N on each bearing, Mmax at the middle.
    EXPECT_EQ(Analysis.HorzReactions[0], 500);
    EXPECT_EQ(Analysis.HorzReactions[1], 500);
    EXPECT_EQ(Form6->Data1->HorzMom(), 25000);
    EXPECT_FALSE(Form2->isVisible());
}
