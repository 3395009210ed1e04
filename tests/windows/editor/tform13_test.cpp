// The strength check and the DXF export pressed through the editor's buttons, on a shaft entered
// through the load windows: a step too thin at the load shows red until the editor thickens it.
#include "../entry/tform2_workflow.h"

#include "windows/main/tform1.h"
#include "windows/editor/tform13.h"
#include "windows/editor/tform7.h"
#include "windows/dimensioning/tform10.h"

#include <QApplication>
#include <QClipboard>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// 25 mm over the bearings, a step of 20 mm from 40 to 60 around the load at 50.
const QStringList kThinAtTheLoad{"line 0/0/0/12.5/0/",    "line 0/12.5/40/12.5/0/",  "line 40/12.5/40/10/0/",
                                 "line 40/10/60/10/0/",   "line 60/10/60/12.5/0/",   "line 60/12.5/100/12.5/0/",
                                 "line 100/12.5/100/0/0/"};

class VerificationWindowTest : public EntryTest {
protected:
    // 100 mm on bearings at both ends, 1500 N down at 50 in the horizontal plane and 2000 N in
    // the vertical one: M(50) = sqrt(37500^2 + 50000^2) = 62500 N*mm. With MT = 50000 N*mm,
    // alpha = 1, sigma = 80 MPa and the 3rd theory, by hand:
    //   d(50) = cbrt(16 / (pi * 80) * sqrt(4 * 62500^2 + 4 * 50000^2))
    //         = cbrt(0.0636620 * 160078.1) = cbrt(10190.9) = 21.68 mm,
    // so the 20 mm step gives 20 / 21.68 = 0.92 there; at the free ends d = cbrt(6366.2) = 18.53 mm.
    void SetUp() override
    {
        EntryTest::SetUp();
        EnterShaft("100", {"0", "100"});
        AddForceAt("50", "1500", false);
        Calculate();
        StartVertical();
        AddForceAt("50", "2000", false);
        Calculate();
        Analysis.TorsionCoeff = 1;
        Analysis.AllowBendStress = 80;
        Form6->Data1->SetMT(50000);
        Form6->Data1->SetT3(true);
        Click(Form6->BitBtn4);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form7));
        Click(Form7->sp4);
        Form7->SetMemoLines(kThinAtTheLoad);
        Click(Form7->BitBtn4);
        Click(Form7->sp4); // the DHL panel out of the drawing's way
    }

    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static QTableWidget* Table() { return Form7->VerificationWindow().Table1; }
    static QStringList Row(int row)
    {
        QStringList cells;
        for (int column = 0; column < Table()->columnCount(); ++column) cells << Table()->item(row, column)->text();
        return cells;
    }
    // A pixel of the row as the table shows it, left of the position written at the cell's right.
    static QColor RowPixel(int row)
    {
        const QRect cell = Table()->visualItemRect(Table()->item(row, 0));
        return Table()->viewport()->grab().toImage().pixelColor(cell.left() + 3, cell.center().y());
    }

    MessageRecorder messages;
};

TEST_F(VerificationWindowTest, ThinStepShowsRedUntilTheEditorThickensIt)
{
    Click(Form7->VerificationButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form7->VerificationWindow()));
    ASSERT_EQ(Table()->rowCount(), 3);
    EXPECT_EQ(Row(0), QStringList({"0", "0.00", "18.53", "25.00", "1.35", "OK"}));
    EXPECT_EQ(Row(1), QStringList({"50", "62500.00", "21.68", "20.00", "0.92", "too small"}));
    EXPECT_EQ(RowPixel(1), kFailingColor);
    EXPECT_NE(RowPixel(0), kFailingColor);
    EXPECT_EQ(Form7->VerificationWindow().Label1->text().toStdString(), "Weakest section: x = 50 mm, ratio 0.92");

    // The Modify tool on the step (column 300, row 150 on a 100 mm shaft): both radii to 11.5.
    Click(Form7->SpeedButton6);
    QWidget* image = Form7->Frame81->Image1;
    const QPoint onStep(300, 150);
    QTest::mouseMove(Form7->windowHandle(), image->mapTo(Form7, onStep));
    QTest::mouseClick(image, Qt::LeftButton, {}, onStep);
    ASSERT_EQ(Form7->Edit2->text().toStdString(), "10");
    Form7->Edit2->setText("11.5");
    Form7->Edit4->setText("11.5");
    Click(Form7->sp7);

    EXPECT_EQ(Row(1), QStringList({"50", "62500.00", "21.68", "23.00", "1.06", "OK"}));
    EXPECT_NE(RowPixel(1), kFailingColor);
    EXPECT_EQ(Form7->VerificationWindow().Label1->text().toStdString(), "Weakest section: x = 50 mm, ratio 1.06");
    Click(Form7->VerificationWindow().CopyButton);
    EXPECT_EQ(QApplication::clipboard()->text().split('\n').value(2), "50\t62500.00\t21.68\t23.00\t1.06\tOK");
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// A new calculation while the table is open shows in it at once: 3000 N in the vertical plane give
// M(50) = sqrt(37500^2 + 75000^2) = 83852.55 N*mm.
TEST_F(VerificationWindowTest, ANewCalculationRefreshesTheOpenTable)
{
    Click(Form7->VerificationButton);
    ASSERT_EQ(Row(1).value(1), "62500.00");
    StartVertical();
    AddForceAt("50", "3000", false);
    Calculate();
    EXPECT_EQ(Row(1).value(1), "83852.55");
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// "Apply" of the dimensioning window stores a new allowable stress: the open table shows it at
// once. A shoulder left behind by a Modify breaks the outline: the summary says where and is
// marked like a failing row.
TEST_F(VerificationWindowTest, DimensioningApplyRefreshesTheTableAndABrokenOutlineIsNamed)
{
    Click(Form7->VerificationButton);
    ASSERT_EQ(Row(1).value(2), "21.68");
    Form10->Edit1->setText("50000");
    Form10->Edit3->setText("1");
    Form10->Edit5->setText("40");
    Form10->rg2Items->button(0)->setChecked(true);
    Form10->BitBtn2->click();
    ASSERT_EQ(Analysis.AllowBendStress, 40);
    EXPECT_GT(Row(1).value(2).toDouble(), 27);

    QLabel* summary = Form7->VerificationWindow().Label1;
    EXPECT_EQ(summary->grab().toImage().pixelColor(2, 2), kFailingColor);
    Form7->SetMemoLines({"line 0/0/0/20/0/", "line 0/20/50/20/0/", "line 50/20/50/25/0/", "line 60/25/100/25/0/",
                         "line 100/25/100/0/0/"});
    Click(Form7->BitBtn4);
    EXPECT_TRUE(summary->text().endsWith("; the outline is not closed between x = 50 and 60 mm"))
        << summary->text().toStdString();
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// ezdxf, Debian's independent reader, lists the layers and the lines it finds.
QStringList ReadBackDxf(const QString& fileName)
{
    const char* const script = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print("audit", len(doc.audit().errors))
for e in doc.modelspace():
    d = e.dxf
    print(e.dxftype(), d.layer, d.start.x, d.start.y, d.end.x, d.end.y)
)";
    QProcess python;
    python.start("/usr/bin/python3", {"-c", script, fileName});
    EXPECT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

TEST_F(VerificationWindowTest, ExportDxfWritesTheDrawingThroughTheSaveDialog)
{
    QTemporaryDir folder;
    int asked = 0;
    Form7->AskDxfFileName = [&] {
        ++asked;
        return folder.filePath("shaft");
    };
    Form1->ExportDxfAction->trigger(); // the File menu's entry runs the same export
    const QStringList entities = ReadBackDxf(folder.filePath("shaft.dxf"));
    ASSERT_EQ(entities.size(), 1 + 2 * kThinAtTheLoad.size() + 1);
    EXPECT_EQ(entities[0], "audit 0");
    EXPECT_EQ(entities[1], "LINE CONTOUR 0.0 0.0 0.0 12.5");
    EXPECT_EQ(entities[8], "LINE CONTOUR 40.0 -10.0 60.0 -10.0");
    EXPECT_EQ(entities.last(), "LINE AXIS -5.0 0.0 105.0 0.0");

    // Cancelled: nothing written. An empty drawing: refused before any file is asked for.
    Form7->AskDxfFileName = [&] {
        ++asked;
        return QString();
    };
    Click(Form7->ExportDxfButton);
    Form7->SetMemoLines({});
    Click(Form7->ExportDxfButton);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList("shaft.dxf"));
    EXPECT_EQ(messages.texts, QStringList("The drawing is empty: there is nothing to export."));
}

} // namespace
