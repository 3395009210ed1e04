// The "Fatigue" page of the shaft check, pressed through the windows: a shaft entered in both
// planes, dimensioned for alloyed steel of 1000 MPa and drawn with a sharp shoulder fails in
// fatigue there; the fillet drawn in the corner mends it. The bearings' lives and the twist follow.
#include "../../document/design_samples.h"
#include "../entry/tform2_workflow.h"

#include "document/design_file.h"
#include "document/own_materials.h"
#include "windows/dimensioning/tform10.h"
#include "windows/editor/deflection_tab.h"
#include "windows/editor/fatigue_tab.h"
#include "windows/editor/own_material_dialog.h"
#include "windows/editor/speed_tab.h"
#include "windows/editor/suggestions_tab.h"
#include "windows/editor/tform7_undo.h"
#include "windows/editor/tform13.h"
#include "windows/editor/tform7.h"
#include "windows/editor/waiting_note.h"
#include "windows/main/design_windows.h"
#include "windows/main/tform6.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

namespace {

const QStringList kSharp{"line 0/0/0/20/0/", "line 0/20/60/20/0/", "line 60/20/60/30/0/", "line 60/30/200/30/0/",
                         "line 200/30/200/0/0/"};
const QStringList kFilleted{"line 0/0/0/20/0/", "line 0/20/58/20/0/", "line 60/22/60/30/0/", "line 60/30/200/30/0/",
                            "line 200/30/200/0/0/", "arc 56/24/60/20/60/22/58/20/"};

class FatigueTabTest : public EntryTest {
protected:
    // 10800 N and 14400 N at the middle of 200 mm: 900000 N*mm combined there.
    void SetUp() override
    {
        EntryTest::SetUp();
        EnterShaft("200", {"0", "200"});
        AddForceAt("100", "10800", false);
        Calculate();
        StartVertical();
        AddForceAt("100", "14400", true);
        Calculate();
        Form10->c2->setCurrentIndex(5);
        Form10->c1->setCurrentIndex(0);
        Form10->BitBtn3->click();
        Form10->Edit1->setText("200000");
        Form10->BitBtn2->click();
        Form6->BitBtn4->click();
        Draw(kSharp);
        Form7->VerificationButton->click();
        Window()->ShowPage(Tab());
    }

    static TForm13* Window() { return &Form7->VerificationWindow(); }
    static TFatigueTab* Tab() { return Window()->FatigueTab; }
    static QString Cell(int row, int column) { return Tab()->Rows->index(row, column).data().toString(); }
    static bool Red(int row) { return Tab()->Rows->index(row, 0).data(Qt::BackgroundRole).isValid(); }
    static void Draw(const QStringList& memo)
    {
        Form7->SetMemoLines(memo);
        Form7->BitBtn4->click();
    }

    MessageRecorder messages;
};

TEST_F(FatigueTabTest, SharpShoulderFailsAndItsFilletPasses)
{
    EXPECT_EQ(Window()->Tabs->tabText(3), "Fatigue");
    ASSERT_EQ(Tab()->Rows->rowCount(), 4);
    EXPECT_EQ(Cell(1, 0), "60");
    EXPECT_EQ(Cell(1, 8), "1.12");
    EXPECT_TRUE(Red(1));
    EXPECT_FALSE(Red(2));
    EXPECT_EQ(Tab()->WeakestLabel->text(), "Weakest notch: shoulder at x = 60 mm, n_f = 1.12");

    Draw(kFilleted);
    EXPECT_EQ(Cell(1, 3), "2.00");
    EXPECT_EQ(Cell(1, 8), "1.61");
    EXPECT_FALSE(Red(1));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// The failing sharp shoulder gets a fillet from the "What to change" page: Apply draws it, the
// row passes, one undo puts the sharp corner back. "Use" of a grade makes a weaker steel pass.
TEST_F(FatigueTabTest, WhatToChangeAppliesAFilletAsOneUndoStep)
{
    TSuggestionsTab* page = Window()->SuggestionsTab;
    Window()->ShowPage(page);
    EXPECT_EQ(Window()->Tabs->tabText(4), "What to change");
    ASSERT_GE(page->Table->rowCount(), 3);
    EXPECT_TRUE(page->Table->item(0, 0)->text().startsWith("Shoulder at x = 60 mm (d 40, D 60"));
    EXPECT_FALSE(page->ApplyButtonAt(0));
    const QString fillet = page->Table->item(1, 0)->text().trimmed();
    EXPECT_TRUE(fillet.startsWith("Fillet r = ")) << fillet.toStdString();
    ASSERT_TRUE(page->ApplyButtonAt(1));
    const int steps = Form7->History->Stack->index();
    page->ApplyButtonAt(1)->click();
    EXPECT_EQ(Form7->History->Stack->index(), steps + 1);
    EXPECT_NE(Form7->MemoLines(), kSharp);
    EXPECT_EQ(Cell(1, 0), "60");
    EXPECT_GE(Cell(1, 8).toDouble(), 1.5);
    EXPECT_FALSE(Red(1));

    Form7->History->Stack->undo();
    EXPECT_EQ(Form7->MemoLines(), kSharp);
    EXPECT_EQ(Cell(1, 8), "1.12");
    EXPECT_TRUE(Red(1));

    // Typed but not generated: the suggestion was made for the text before, which it would undo.
    Form7->SetMemoLines(kSharp + QStringList{"line 200/0/210/0/0/"});
    page->ApplyButtonAt(1)->click();
    EXPECT_EQ(messages.texts.value(0), "The drawing has changed since this suggestion was made: press Generate to have it worked out again");
    EXPECT_EQ(Form7->MemoLines().size(), kSharp.size() + 1);
    messages.texts.clear();
    Form7->SetMemoLines(kSharp);

    // With the fillet back, a weaker typed steel fails again, and the page's grade mends it.
    Form7->History->Stack->redo();
    Tab()->UltimateEdit->setText("500");
    Tab()->YieldEdit->setText("300");
    Tab()->FatigueSafetyEdit->setText("1.2");
    Tab()->ApplyButton->click();
    EXPECT_TRUE(Red(1));
    ASSERT_TRUE(page->Table->item(3, 0)->text().trimmed().startsWith("Grade "));
    page->ApplyButtonAt(3)->click();
    EXPECT_EQ(Tab()->GradeBox->currentText(), "C60E +QT");
    EXPECT_FALSE(Red(1));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// Bearing A carries half of 18000 N: with C = 30 kN, (30000 / 9000)^3 = 37.04 million
// revolutions, 617 h at 1000 rpm, short of 20,000 h. Typed strengths and a bad field.
TEST_F(FatigueTabTest, BearingLivesAndTypedInputs)
{
    Window()->SpeedTab->SpeedEdit->setText("1000");
    Window()->SpeedTab->ApplyButton->click();
    Tab()->RatingEdits[0]->setText("30");
    Tab()->BearingKindBoxes[1]->setCurrentIndex(1);
    Tab()->RatingEdits[1]->setText("300");
    Tab()->ApplyButton->click();
    EXPECT_EQ(Tab()->LifeLabels[0]->text(), "P = 9000.00 N, L10 = 37.04 million revolutions, L10h = 617 h");
    EXPECT_FALSE(Tab()->LifeLabels[0]->styleSheet().isEmpty());
    EXPECT_TRUE(Tab()->LifeLabels[1]->styleSheet().isEmpty());
    EXPECT_TRUE(Tab()->TwistLabel->text().startsWith("Twist over x = 0 ... 200 mm: "));
    EXPECT_EQ(Window()->CheckInputs().Fatigue.Bearings[1].Kind, TBearingKind::Roller);

    Tab()->UltimateEdit->setText("1200");
    Tab()->YieldEdit->setText("x");
    Tab()->ApplyButton->click();
    EXPECT_EQ(messages.texts.last(), "'x' is not a valid floating point value");
    EXPECT_FALSE(Window()->CheckInputs().Fatigue.UltimateStrength);
    Tab()->YieldEdit->setText("");
    Tab()->ApplyButton->click();
    EXPECT_EQ(*Window()->CheckInputs().Fatigue.UltimateStrength, 1200);
    EXPECT_NE(Cell(1, 8), "1.12");
}

// Loads near the largest double on a wire of a shaft: the window refuses the checks whose figures
// no double can hold, with the reason the command line gives, instead of rows of endless digits.
TEST_F(FatigueTabTest, ResultsBeyondADoubleAreRefusedWithTheirReason)
{
    TDesign design = Cylinder("0.05");
    design.Horizontal.Entries[2].Value = design.Vertical.Entries[0].Value = 1e306L;
    OpenDesignDocument(DesignToJson(design));
    Form7->VerificationButton->click();
    Window()->ShowPage(Tab());
    const QString refusal = "Results too large to represent (beyond 1.8E308): check the loads";
    EXPECT_EQ(Tab()->WeakestLabel->text(), refusal);
    EXPECT_EQ(Tab()->Rows->rowCount(), 0);
}

// A shaft on three bearings: the pages show the inputs of A, B and C and no more; what one page
// applies leaves the other page's inputs of the same bearing as they were.
TEST_F(FatigueTabTest, EveryEnteredBearingHasItsInputsAndNoPageClearsAnother)
{
    TDesign design = Cylinder("20");
    design.Horizontal.Entries.insert(design.Horizontal.Entries.begin() + 2, {TEntryKind::Bearing, 30, 0, 1});
    OpenDesignDocument(DesignToJson(design));
    Form7->VerificationButton->click();
    Window()->ShowPage(Tab());
    TDeflectionTab* deflection = Window()->DeflectionTab;
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Tab()->RatingEdits[i]->isHidden(), i == 3) << i;
        EXPECT_EQ(Tab()->BearingNameLabels[i]->isHidden(), i == 3) << i;
        EXPECT_EQ(deflection->StiffnessEdits[i]->isHidden(), i == 3) << i;
    }

    deflection->StiffnessEdits[2]->setText("50000");
    deflection->ApplyButton->click();
    Tab()->BearingKindBoxes[2]->setCurrentIndex(1);
    Tab()->RatingEdits[2]->setText("25");
    Tab()->LocatingBox->setCurrentIndex(2);
    Tab()->ApplyButton->click();
    const TFatigueInputs& applied = Window()->CheckInputs().Fatigue;
    EXPECT_EQ(applied.Bearings[2], (TBearingInputs{TBearingKind::Roller, 25, 50000}));
    EXPECT_EQ(applied.LocatingBearing, 2);
    EXPECT_TRUE(Tab()->LifeLabels[2]->text().startsWith("P = ")) << Tab()->LifeLabels[2]->text().toStdString();
    EXPECT_TRUE(Tab()->LifeLabels[3]->text().isEmpty());
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// A standard grade fills Sut and Sy from its band at the ruling diameter: the largest drawn one
// (60 mm) when none is typed, else the typed one; a bar beyond the grade's table is refused and
// the strengths stay as they were.
TEST_F(FatigueTabTest, AGradeFillsTheStrengthsOfItsBand)
{
    const auto choose = [](const QString& grade) {
        QComboBox* box = Tab()->GradeBox;
        box->setCurrentIndex(box->findText(grade));
        emit box->activated(box->currentIndex());
    };
    const auto typeRulingDiameter = [](const QString& text) {
        Tab()->RulingDiameterEdit->clear();
        QTest::keyClicks(Tab()->RulingDiameterEdit, text);
        QTest::keyClick(Tab()->RulingDiameterEdit, Qt::Key_Return);
    };
    EXPECT_EQ(Tab()->GradeBox->itemText(0), "as typed / the dimensioning's material");
    choose("C45E +QT"); // EN 10083-2, 40 < d <= 100: Rm 630-780, Re 370
    EXPECT_EQ(Tab()->UltimateEdit->text(), "630");
    EXPECT_EQ(Tab()->YieldEdit->text(), "370");
    EXPECT_TRUE(Window()->FatigueWaiting->Waiting());
    Tab()->ApplyButton->click();
    EXPECT_EQ(*Window()->CheckInputs().Fatigue.UltimateStrength, 630);
    EXPECT_EQ(*Window()->CheckInputs().Fatigue.YieldStrength, 370);

    typeRulingDiameter("20"); // 16 < d <= 40: Rm 650-800, Re 430
    EXPECT_EQ(Tab()->UltimateEdit->text(), "650");
    EXPECT_EQ(Tab()->YieldEdit->text(), "430");

    typeRulingDiameter("120");
    ASSERT_FALSE(messages.texts.isEmpty());
    EXPECT_TRUE(messages.texts.last().endsWith("up to a diameter of 100 mm")) << messages.texts.last().toStdString();
    EXPECT_EQ(Tab()->UltimateEdit->text(), "650");
    choose("42CrMo4 +QT"); // 100 < d <= 160: Rm 800-950, Re 550
    EXPECT_EQ(Tab()->UltimateEdit->text(), "800");
    EXPECT_EQ(Tab()->YieldEdit->text(), "550");
    choose("as typed / the dimensioning's material");
    EXPECT_EQ(Tab()->UltimateEdit->text(), "800");
}

} // namespace

// Elements drive 150 N*m in at 30 mm and 100 N*m more at 100, and 250 N*m leave at 170: the
// fatigue page plots T(x), and the pre-sizing takes the largest |T|, 250000 N*mm, for the typed
// 200000: d0 = cbrt(16 * 250000 / (pi * 30)) = 34.88 mm, so 35 mm. Torques that do not add up
// stop the pre-sizing with their sum.
TEST_F(FatigueTabTest, ElementsTorqueIsPlottedAndSizesTheShaft)
{
    EXPECT_TRUE(Tab()->TorquePlot->isHidden()) << "no elements, no T(x)";
    Analysis.ElementDrive.Steps = {{30, 150}, {100, 250}, {170, 0}};
    Draw(kSharp);
    ASSERT_FALSE(Tab()->TorquePlot->isHidden());
    EXPECT_EQ(Tab()->TorquePlot->Content().Steps, Analysis.ElementDrive.Steps);
    const QImage plot = Tab()->TorquePlot->grab().toImage();
    int curve = 0;
    for (int y = 0; y < plot.height(); ++y)
        for (int x = 0; x < plot.width(); ++x) curve += plot.pixelColor(x, y) == kTorqueCurveColor;
    EXPECT_GT(curve, 50) << "the staircase is drawn";

    Form6->IBtn5->click();
    EXPECT_TRUE(Form10->Edit1->isHidden());
    EXPECT_EQ(Form10->LabelElementTorque->text(), "250000");
    Form10->Edit2->setText("30");
    Form10->BitBtn1->click();
    EXPECT_EQ(Form10->Label7->text(), "35 mm");
    EXPECT_EQ(Form10->Edit1->text(), "200000") << "the typed Mt is kept for a shaft without elements";

    Analysis.ElementDrive = {{}, false, 12.5L, 0};
    Form10->BitBtn1->click();
    ASSERT_FALSE(messages.texts.isEmpty());
    EXPECT_EQ(messages.texts.last(), "Momentele de torsiune ale elementelor nu se echilibreaza: suma lor este 12.5 N*m !");
    EXPECT_EQ(Form10->LabelElementTorque->text(), "unbalanced");
}

// The elements push 6000 N along the shaft into the locating bearing A, which carries 9000 N
// radially. With the maker's X = 0.56, Y = 1.6 beyond e = 0.3 typed beside its rating:
// Fa/Fr = 0.67 > e, P = 0.56 * 9000 + 1.6 * 6000 = 14640 N, L10 = (30000 / 14640)^3 = 8.60
// million revolutions, at 1000 rpm 143 h.
TEST_F(FatigueTabTest, TheLocatingBearingsLifeCountsTheAxialLoad)
{
    Analysis.ElementDrive.AxialForce = 6000;
    Window()->SpeedTab->SpeedEdit->setText("1000");
    Window()->SpeedTab->ApplyButton->click();
    Tab()->RatingEdits[0]->setText("30");
    Tab()->XBeyondEEdits[0]->setText("0.56");
    Tab()->YBeyondEEdits[0]->setText("1.6");
    Tab()->EEdits[0]->setText("0.3");
    Tab()->ApplyButton->click();
    EXPECT_EQ(Tab()->LifeLabels[0]->text(),
              "P = 14640.00 N (Fa = 6000.00 N), L10 = 8.60 million revolutions, L10h = 143 h");
    EXPECT_EQ(Window()->CheckInputs().Fatigue.Bearings[0].YBeyondE, 1.6L);
    Tab()->LocatingBox->setCurrentIndex(1);
    Tab()->ApplyButton->click();
    EXPECT_EQ(Tab()->LifeLabels[0]->text(), "P = 9000.00 N, L10 = 37.04 million revolutions, L10h = 617 h");
}
namespace {

// "New material..." keeps an own material beside the settings: a wrong one is held back with its
// reason, a sound one is listed and chosen at once and gives Sut, Sy, G, and with Apply E and the
// density. The design names it, and opens with its values where the material is not kept; typing
// a strength by hand leaves the grade.
TEST_F(FatigueTabTest, AnOwnMaterialIsKeptChosenAndCarriedByTheDesign)
{
    QFile::remove(OwnMaterialsPath());
    QStringList problems;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TOwnMaterialDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->NameEdit->setText("Bronze shaft stock");
        dialog->UltimateEdit->setText("500");
        dialog->YieldEdit->setText("600");
        dialog->ModulusEdit->setText("110000");
        dialog->ShearEdit->setText("41000");
        dialog->DensityEdit->setText("8800");
        dialog->accept();
        problems << dialog->ProblemLabel->text();
        dialog->YieldEdit->setText("300");
        dialog->accept();
    });
    Tab()->NewMaterialButton->click();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0], "Sy (600 MPa) cannot be above Sut (500 MPa)");
    EXPECT_EQ(Tab()->GradeBox->currentText(), "Bronze shaft stock");
    EXPECT_EQ(Tab()->UltimateEdit->text(), "500");
    EXPECT_EQ(Tab()->ShearModulusEdit->text(), "41000");
    Tab()->ApplyButton->click();
    const TCheckInputs applied = Window()->CheckInputs();
    EXPECT_EQ(applied.Fatigue.Grade, "Bronze shaft stock");
    EXPECT_EQ(applied.Modulus, 110000);
    EXPECT_EQ(applied.Density, 8800);
    EXPECT_EQ(ReadOwnMaterials(OwnMaterialsPath()).size(), 1u);

    QFile::remove(OwnMaterialsPath()); // another computer: the design alone names it
    TFatigueTab elsewhere;
    elsewhere.ShowInputs(applied);
    EXPECT_EQ(elsewhere.GradeBox->currentText(), "Bronze shaft stock");
    TCheckInputs read;
    elsewhere.ReadInputs(read);
    EXPECT_EQ(read.Fatigue.Grade, "Bronze shaft stock");
    EXPECT_EQ(*read.Fatigue.YieldStrength, 300);
    QTest::keyClicks(elsewhere.UltimateEdit, "0");
    EXPECT_EQ(elsewhere.GradeBox->currentIndex(), 0);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

} // namespace
