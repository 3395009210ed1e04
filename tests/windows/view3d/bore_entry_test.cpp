// "Bore..." pressed through the real button: the dialog refuses a bore that runs right to left,
// a sound one is drawn and mirrored as one undo step, and the 3D build revolves the tube.
// It runs in the 3D view's test program, since the tube is built on Mesa's GL (see leak_check.cpp).
#include "../editor/editor_window_fixture.h"

#include "analysis/analysis_state.h"
#include "profile/editor_commands.h"
#include "scene/revolution_solid.h"
#include "windows/editor/bore_dialog.h"
#include "windows/editor/tform7.h"
#include "windows/editor/tform7_undo.h"
#include "windows/view3d/tform9.h"
#include "widgets/image_button.h"

#include "test_support.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

// A stepped shaft of 200 mm closed down to the axis: column 50 + 2.5 x, row 100 + 2.5 y.
const QStringList kClosedShaft{"line 0/0/0/15/0/", "line 0/15/80/15/0/", "line 80/15/80/20/0/",
                               "line 80/20/200/20/0/", "line 200/20/200/0/0/"};

class BoreEntryTest : public EditorWindowTest {
protected:
    static QColor Pixel(int x, int y) { return Form7->Frame81->Image1->Picture().pixelColor(x, y); }

    // Fills the dialog that "Bore..." opens and presses OK once per set of fields; Cancel after
    // the last if the dialog is still open. Returns the problems shown under the fields.
    static QStringList EnterBores(const QList<QStringList>& tries)
    {
        QStringList problems;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TBoreDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            for (const QStringList& fields : tries) {
                dialog->FromEdit->setText(fields[0]);
                dialog->ToEdit->setText(fields[1]);
                dialog->DiameterEdit->setText(fields[2]);
                dialog->accept();
                problems << dialog->ProblemLabel->text();
            }
            if (dialog->isVisible()) dialog->reject();
        });
        QTest::mouseClick(Form7->BoreButton, Qt::LeftButton);
        return problems;
    }

    MessageRecorder messages;
};

TEST_F(BoreEntryTest, ABoreIsRefusedRightToLeftThenDrawnAsOneUndoStepAndRevolvedAsATube)
{
    Form7->SetMemoLines(kClosedShaft);
    QTest::mouseClick(Form7->BitBtn4, Qt::LeftButton);
    const int steps = Form7->History->Stack->count();

    EXPECT_EQ(EnterBores({{"60", "20", "10"}}), QStringList{kBoreEndsReversed});
    EXPECT_EQ(Form7->MemoLines(), kClosedShaft) << "Cancel after a refusal changes nothing";

    EXPECT_EQ(EnterBores({{"0", "x", "10"}, {"0", "200", "10"}}),
              (QStringList{"To: 'x' is not a valid floating point value", ""}));
    EXPECT_EQ(Form7->MemoLines(), kClosedShaft + QStringList{"bore 0/5/200/5/"});
    // Radius 5 mm on rows 112 and 88 (12.5 rounds to 12), from column 50 to 550.
    for (int x : {100, 300, 500}) {
        EXPECT_EQ(Pixel(x, 112), QColor(Qt::black)) << x;
        EXPECT_EQ(Pixel(x, 88), QColor(Qt::black)) << x;
    }
    EXPECT_EQ(Form7->History->Stack->count(), steps + 1);

    QTest::mouseClick(Form7->History->UndoButton, Qt::LeftButton);
    EXPECT_EQ(Form7->MemoLines(), kClosedShaft);
    EXPECT_EQ(Pixel(300, 112), QColor(Qt::white));
    QTest::mouseClick(Form7->History->RedoButton, Qt::LeftButton);
    ASSERT_EQ(Form7->MemoLines().last(), "bore 0/5/200/5/");

    // The faces drawn to the axis before the bore stop at it: the nodes run round the section
    // of the tube and end where they began, 10 scene units long.
    Form7->IBtn2->click();
    ASSERT_TRUE(messages.texts.isEmpty()) << messages.texts.join("\n").toStdString();
    ASSERT_TRUE(Form9->isVisible());
    const std::vector<QVector3D> tube{{0.25f, -5, 0}, {0.75f, -5, 0}, {0.75f, -1, 0}, {1, -1, 0},
                                      {1, 5, 0},      {0.25f, 5, 0},  {0.25f, -5, 0}};
    EXPECT_EQ(Form9->RevolutionSolid1->Nodes(), tube);
}

} // namespace
