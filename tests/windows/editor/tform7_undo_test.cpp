// Undo and redo of the editor's drawing with the real keys and buttons, over a run of mixed
// tool actions.
#include "editor_window_fixture.h"

#include "analysis/analysis_state.h"
#include "windows/main/window_set.h"
#include "windows/editor/tform7.h"
#include "windows/editor/tform7_undo.h"
#include "windows/main/tform6.h"
#include "windows/view3d/tform9.h"
#include "widgets/image_button.h"

#include "test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

// On a shaft of 200 mm: column 50 + 2.5 x, row 100 + 2.5 y.
const QPoint kOnStep(120, 150);     // line 10/20/50/20
const QPoint kOnShoulder(175, 140); // line 50/20/50/12

class EditorUndoTest : public EditorWindowTest {
protected:
    void SetUp() override
    {
        EditorWindowTest::SetUp();
        Form7->activateWindow(); // the keys go to the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form7));
    }

    static QStringList Memo() { return Form7->MemoLines(); }
    static std::string Shown(const QStringList& memo) { return memo.join(" | ").toStdString(); }
    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static void PressAt(QPoint p)
    {
        QWidget* image = Form7->Frame81->Image1;
        // From elsewhere: a pointer that is already there gets no move.
        QTest::mouseMove(Form7->windowHandle(), image->mapTo(Form7, QPoint(1, 1)));
        QTest::mouseMove(Form7->windowHandle(), image->mapTo(Form7, p));
        QTest::mousePress(image, Qt::LeftButton, {}, p);
        QTest::mouseRelease(image, Qt::LeftButton, {}, p);
    }
    static void Undo() { QTest::keyClick(Form7, Qt::Key_Z, Qt::ControlModifier); }
    static void Redo() { QTest::keyClick(Form7, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }

    MessageRecorder messages;
};

TEST_F(EditorUndoTest, UndoAndRedoGiveBackEveryEarlierTextOfAMixedRun)
{
    QList<QStringList> texts{Memo()};
    const auto step = [&] { texts << Memo(); };

    Form7->SetMemoLines({"line 10/20/50/20/0/", "line 50/20/50/12/0/"});
    Click(Form7->BitBtn4); // Generate after typing
    step();
    Click(Form7->SpeedButton1);
    PressAt(kOnStep);
    PressAt(kOnShoulder); // the fillet: one step, the pick of the first line none of its own
    step();
    Form7->c1->setEditText("150");
    Form7->e1->setText("30");
    Form7->e2->setText("-10");
    Form7->e3->setText("10");
    Click(Form7->b1); // a step line
    step();
    Click(Form7->SpeedButton4); // a vertical-lines run
    step();
    Form7->ed2->setText("3"); // a setting: the text stays, the step is the width
    const QString widened = Form7->ed2->text();
    Click(Form7->SpeedButton7);
    PressAt({425, 137}); // the step line at radius 15
    Click(Form7->sp7);
    step();
    ASSERT_TRUE(messages.texts.isEmpty()) << messages.texts.join("\n").toStdString();
    ASSERT_EQ(Form7->History->Stack->count(), 6);
    for (int i = 1; i < texts.size(); ++i) ASSERT_NE(texts[i], texts[i - 1]) << "step " << i;

    Undo();
    EXPECT_EQ(Shown(Memo()), Shown(texts[4]));
    Undo();
    EXPECT_EQ(Form7->ed2->text(), "2");
    EXPECT_EQ(Form7->Editor.LineWidth, 2);
    for (int i = 4; i >= 0; --i) {
        EXPECT_EQ(Shown(Memo()), Shown(texts[i])) << "undone to " << i;
        if (i > 0) Undo();
    }
    EXPECT_FALSE(Form7->History->Stack->canUndo());
    for (int i = 1; i <= 4; ++i) {
        Redo();
        EXPECT_EQ(Shown(Memo()), Shown(texts[i])) << "redone to " << i;
    }
    Click(Form7->History->RedoButton);
    EXPECT_EQ(Form7->ed2->text(), widened);
    Click(Form7->History->RedoButton);
    EXPECT_EQ(Shown(Memo()), Shown(texts[5]));
}

TEST_F(EditorUndoTest, UndoDropsAPendingFirstCornerLineAndItsMark)
{
    Form7->SetMemoLines({"line 10/20/50/20/0/", "line 50/20/50/12/0/"});
    Click(Form7->BitBtn4);
    Form7->SetMemoLines({"line 10/20/50/20/0/", "line 50/20/50/12/0/", "line 50/12/90/12/0/"});
    Click(Form7->BitBtn4);
    Click(Form7->SpeedButton1);
    PressAt(kOnStep);
    ASSERT_TRUE(Form7->Editor.FirstLinePicked);
    EXPECT_FALSE(Form7->History->UndoButton->toolTip().isEmpty());
    Click(Form7->History->UndoButton);
    EXPECT_FALSE(Form7->Editor.FirstLinePicked);
    EXPECT_EQ(Memo(), (QStringList{"line 10/20/50/20/0/", "line 50/20/50/12/0/"}));
    EXPECT_EQ(Form7->Frame81->Image1->Picture().pixelColor(100, 150), QColor(Qt::black)) << "redrawn unmarked";
    EXPECT_TRUE(Form7->SpeedButton1->isChecked()) << "the tool stays chosen";
}

// A number typed key by key into one settings field is one step; another field is the next.
TEST_F(EditorUndoTest, KeystrokesIntoOneSettingsFieldAreOneStep)
{
    Form7->ed2->clear();
    QTest::keyClicks(Form7->ed2, "12");
    Form7->ed4->setText("3");
    Undo();
    EXPECT_EQ(Form7->ed4->text(), "1");
    EXPECT_EQ(Form7->ed2->text(), "12");
    Undo();
    EXPECT_EQ(Form7->ed2->text(), "2");
    Redo();
    EXPECT_EQ(Form7->ed2->text(), "12");
    EXPECT_EQ(Form7->Editor.LineWidth, 12);
}

// The stack's buttons run outside a handler's guard: a text that cannot be drawn any more is
// reported, and the earlier text comes back all the same.
TEST_F(EditorUndoTest, AnUndoThatCannotDrawSaysWhyAndStillRestoresTheText)
{
    Form7->SetMemoLines({"line 10/20/50/20/0/"});
    Click(Form7->BitBtn4);
    Form7->SetMemoLines({"line 10/20/50/20/0/", "line 50/20/50/12/0/"});
    Click(Form7->BitBtn4);
    Analysis.ShaftLength = 0;
    Click(Form7->History->UndoButton);
    EXPECT_EQ(Memo(), QStringList{"line 10/20/50/20/0/"});
    EXPECT_EQ(messages.texts, QStringList{"Floating point division by zero"});
}

// After an undo the line picked for Modify is gone: "Modify" then changes nothing, where it once
// wrote the picked line over the statement that took its place.
TEST_F(EditorUndoTest, AfterAnUndoModifyChangesNothingThatWasNotPicked)
{
    const QStringList three{"line 10/20/50/20/0/", "line 50/20/50/12/0/", "line 50/12/90/12/0/"};
    Form7->SetMemoLines(three);
    Click(Form7->BitBtn4);
    Click(Form7->SpeedButton7);
    PressAt(kOnStep);
    Click(Form7->sp7);
    ASSERT_EQ(Memo().size(), 2);
    Click(Form7->SpeedButton6);
    PressAt({225, 130}); // line 50/12/90/12
    ASSERT_EQ(Form7->Edit3->text(), "90");
    Click(Form7->History->UndoButton);
    ASSERT_EQ(Memo(), three);
    Click(Form7->sp7);
    EXPECT_EQ(Memo(), three);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join("\n").toStdString();
}

// The 3D build sorts the text; back in the editor, the Delete tool deletes the line picked and not
// the statement that the sort moved into its place in the table.
TEST_F(EditorUndoTest, AfterThe3DModelDeleteTakesTheLinePicked)
{
    Form7->SetMemoLines({"line 60/20/100/20/0/", "line 60/15/60/20/0/"});
    Click(Form7->BitBtn4);
    Form7->c1->setEditText("0");
    Form7->e1->setText("30");
    Form7->e2->setText("0");
    Form7->e3->setText("60");
    Click(Form7->b1); // line 0/15/60/15, last in the text, first once sorted
    Click(Form7->IBtn2);
    ASSERT_TRUE(Form9->isVisible());
    Form9->close();
    Form6->BitBtn4->click(); // "2D Drawing"
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form7));
    Click(Form7->SpeedButton7);
    PressAt({250, 150}); // line 60/20/100/20
    Click(Form7->sp7);
    EXPECT_EQ(Memo(), (QStringList{"line 0/15/60/15/0/", "line 60/15/60/20/0/"}));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join("\n").toStdString();
}

} // namespace
