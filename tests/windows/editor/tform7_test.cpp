// The profile editor pressed through its real buttons and the real mouse on its drawing: the
// worked corner as fillet and as chamfer, a line between two boxed ends, modify and delete, the
// right-click reset, the refused corners, the settings and the step and point commands.
#include "editor_window_fixture.h"

#include "analysis/analysis_state.h"
#include "windows/main/tform6.h"
#include "windows/main/window_set.h"
#include "profile/corner_tool.h"
#include "profile/editor_commands.h"
#include "windows/editor/tform7.h"
#include "widgets/spin_edit.h"

#include "test_support.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// On a shaft of 200 mm: column 50 + 2.5 x, row 100 + 2.5 y. The worked corner's step runs on
// row 150 from column 75 to 175 and its shoulder on column 175 from row 150 up to row 130.
const QPoint kOnStep(120, 150);
const QPoint kOnStepMirror(120, 50);
const QPoint kOnShoulder(175, 140);
const QStringList kWorkedCorner{"line 10/20/50/20/0/", "line 50/20/50/12/0/"};

class EditorTest : public EditorWindowTest {
protected:
    static QWidget* Image() { return Form7->Frame81->Image1; }
    static QColor Pixel(QPoint p) { return Form7->Frame81->Image1->Picture().pixelColor(p); }
    static QStringList Memo() { return Form7->MemoLines(); }

    static void Type(const QStringList& lines)
    {
        Form7->SetMemoLines(lines);
        QTest::mouseClick(Form7->BitBtn4, Qt::LeftButton);
    }
    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Through the window, which delivers the move at once; a widget's move warps the real cursor.
    static void MoveTo(QPoint p) { QTest::mouseMove(Form7->windowHandle(), Image()->mapTo(Form7, p)); }
    static void PressAt(QPoint p, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {})
    {
        MoveTo(p);
        QTest::mousePress(Image(), button, keys, p);
        QTest::mouseRelease(Image(), button, keys, p);
    }
    static QStringList ReadOuts()
    {
        QStringList texts;
        for (const QLabel* label : {Form7->l1, Form7->l2, Form7->l3, Form7->l4, Form7->l5, Form7->l6})
            texts << label->text();
        return texts;
    }

    MessageRecorder messages;
};

TEST_F(EditorTest, RoundsAndBevelsTheWorkedCornerWithTheMouse)
{
    struct {
        QAbstractButton* tool;
        int d1, d2;
        QStringList result;
    } cases[] = {
        {Form7->SpeedButton1, 2, 2, {"line 10/20/48/20/0/", "line 50/18/50/12/0/", "arc 46/16/50/20/48/20/50/18/"}},
        {Form7->SpeedButton3, 4, 2, {"line 10/20/46/20/0/", "line 50/18/50/12/0/", "line 46/20/50/18/1/"}},
    };
    for (const auto& c : cases) {
        Type(kWorkedCorner);
        Form7->eo1->setValue(c.d1);
        Form7->eo2->setValue(c.d2);
        Click(c.tool);
        PressAt(kOnStep);
        EXPECT_EQ(Memo()[0], "line 10/20/50/20/1/");
        EXPECT_EQ(Pixel({100, 150}), QColor(Qt::red)) << "the first line is drawn red";
        PressAt(kOnShoulder);
        EXPECT_EQ(Memo(), c.result);
        EXPECT_FALSE(Form7->Editor.FirstLinePicked);
    }
    EXPECT_EQ(Pixel({100, 150}), QColor(Qt::black));
    EXPECT_EQ(Pixel({162, 150}), QColor(Qt::red)) << "the chamfer's end mark stays red";
}

TEST_F(EditorTest, RefusesTheMirrorTwoHorizontalsNamingTheShoulderCommandAndACutTooLong)
{
    Type(kWorkedCorner + QStringList{"line 50/30/90/30/0/"});
    Click(Form7->SpeedButton1);
    PressAt(kOnStep);
    PressAt(kOnStepMirror);       // its own mirror image
    EXPECT_TRUE(messages.texts.isEmpty());
    PressAt({250, 175}); // another horizontal line: the message names the command that adds shoulders
    EXPECT_EQ(messages.texts, QStringList("A fillet or a chamfer joins a horizontal line to a vertical one. Steps drawn "
                                          "from the diameter fields have no shoulder lines: \"Draw vertical lines\" (the "
                                          "first button of \"Operations\" in the 2D editor) adds the shoulders and both "
                                          "end faces."));
    messages.texts.clear();
    EXPECT_TRUE(Form7->Editor.FirstLinePicked);
    EXPECT_EQ(Memo()[0], "line 10/20/50/20/1/");

    Form7->eo3->setValue(9); // the shoulder is 8 long
    Click(Form7->SpeedButton1);
    PressAt(kOnShoulder);
    EXPECT_EQ(messages.texts, QStringList{kCutTooLong});
    EXPECT_EQ(Memo(), kWorkedCorner + QStringList{"line 50/30/90/30/0/"});

    Form7->eo3->setValue(-1);
    PressAt(kOnStep);
    PressAt(kOnShoulder);
    EXPECT_EQ(messages.texts.last(), kNegativeCut);
    EXPECT_EQ(Memo(), kWorkedCorner + QStringList{"line 50/30/90/30/0/"});
}

TEST_F(EditorTest, TracksTheLineUnderThePointerAndDrawsBetweenTwoBoxedEnds)
{
    Type({"line 10/20/50/20/0/", "line 60/30/90/30/0/"});
    MoveTo({174, 148}); // near the end of the first step
    EXPECT_EQ(ReadOuts(), (QStringList{"x1: 10.00", "r1: 20.00", "x2: 50.00", "r2: 20.00", "dx: 40.00", "dy: 0.00"}));
    EXPECT_EQ(Pixel(kOnStep), ColorFromValue(16711680));
    EXPECT_EQ(Pixel({169, 145}), ColorFromValue(32768));
    MoveTo({400, 20});
    EXPECT_EQ(ReadOuts(), (QStringList{"x1: 00.00", "r1: 00.00", "x2: 00.00", "r2: 00.00", "dx: 00.00", "dy: 00.00"}));
    EXPECT_EQ(Pixel(kOnStep), QColor(Qt::black));
    EXPECT_EQ(Pixel({169, 145}), QColor(Qt::white));

    Click(Form7->SpeedButton2);
    PressAt({175, 150});
    PressAt({200, 175}, Qt::LeftButton, Qt::ShiftModifier); // a press with Shift does nothing
    EXPECT_EQ(Memo().size(), 2);
    PressAt({200, 175});
    EXPECT_EQ(Memo().last(), "line 50/20/60/30/0/");

    // A double click: its first press ends a line, its second does not start the next one.
    PressAt({275, 175});
    MoveTo({75, 150});
    QTest::mouseDClick(Form7->windowHandle(), Qt::LeftButton, {}, Image()->mapTo(Form7, QPoint(75, 150)));
    EXPECT_EQ(Memo().last(), "line 90/30/10/20/0/");
    EXPECT_FALSE(Form7->Editor.LineStartPicked);
}

TEST_F(EditorTest, ModifiesAPickOfTheMirroredHalfAndDeletesTwice)
{
    Type({"line 10/20/50/20/0/", "line 60/30/90/30/0/", "line 90/30/90/0/0/"});
    Click(Form7->SpeedButton6);
    EXPECT_EQ(Form7->sp7->text(), "Modify");
    EXPECT_FALSE(Form7->eo3->isEnabled());
    PressAt(kOnStepMirror);
    EXPECT_EQ(Memo()[0], "line 10/20/50/20/1/");
    EXPECT_EQ(Form7->Edit2->text(), "20");

    Form7->Edit2->setText("abc");
    Click(Form7->sp7);
    EXPECT_EQ(messages.texts, QStringList{"'abc' is not a valid floating point value"});
    EXPECT_EQ(Memo()[0], "line 10/20/50/20/1/");
    Form7->Edit2->setText("25");
    Form7->Edit4->setText("25");
    Click(Form7->sp7);
    EXPECT_EQ(Memo()[0], "line 10/25/50/25/0/");
    EXPECT_TRUE(Form7->Edit1->text().isEmpty());

    Click(Form7->SpeedButton7);
    EXPECT_FALSE(Form7->SpeedButton6->isChecked());
    PressAt({120, 162}); // the step, now at radius 25
    Click(Form7->sp7);
    Click(Form7->sp7);
    EXPECT_EQ(Memo(), QStringList{"line 90/30/90/0/0/"});
}

TEST_F(EditorTest, RightClickLeavesTheToolsAndUnmarksAllButAChamfer)
{
    Type({"line 10/20/46/20/0/", "line 46/20/50/18/1/"});
    Click(Form7->SpeedButton6);
    PressAt(kOnStep);
    PressAt({300, 300}, Qt::RightButton);
    EXPECT_EQ(Memo(), (QStringList{"line 10/20/46/20/0/", "line 46/20/50/18/1/"}));
    EXPECT_FALSE(Form7->SpeedButton6->isChecked());
    EXPECT_FALSE(Form7->Editor.ModifyMode);
    EXPECT_EQ(Form7->Editor.SelectedIndex, -1);
}

TEST_F(EditorTest, SettingsRedrawWithoutTouchingTheTextAndRefuseAWidthBeyondAByte)
{
    Type(kWorkedCorner);
    Form7->Memo1->setPlainText("line 10/20/50/20/0/\nline 50/20/50/12/0/\n"); // typed, not generated
    Form7->cb2->setCurrentIndex(0);
    EXPECT_EQ(Pixel({72, 147}), QColor(Qt::white)) << "no end marks";
    Form7->ed2->setText("300");
    EXPECT_EQ(messages.texts, QStringList{kWidthOutOfRange});
    EXPECT_EQ(Form7->Editor.LineWidth, 2);
    Form7->ed2->setText("");
    Form7->ed2->setText("1");
    EXPECT_EQ(Form7->Editor.LineWidth, 1);
    EXPECT_EQ(Form7->Memo1->toPlainText(), "line 10/20/50/20/0/\nline 50/20/50/12/0/\n");

    int diameterPasses = 0;
    Form7->Editor.Overlays.Diameters = [&](Canvas&, const QStringList&) { ++diameterPasses; };
    Click(Form7->sp8);
    EXPECT_TRUE(Form7->Editor.ShowDiameters);
    Click(Form7->sp8);
    EXPECT_FALSE(Form7->Editor.ShowDiameters);
    EXPECT_EQ(diameterPasses, 1) << "drawn while the switch was down";
    Click(Form7->sp5);
    Click(Form7->SpeedButton5);
    EXPECT_TRUE(Form7->Editor.ShowRecommended && Form7->Editor.ShowEqualStrength);

    Form7->eo3->setValue(3);
    Click(Form7->SpeedButton1);
    EXPECT_EQ(Form7->Editor.ChamferD1, 3);
    EXPECT_EQ(Form7->Editor.ChamferD2, 3);

    Click(Form7->sp4);
    EXPECT_TRUE(Form7->Panel1->isVisible());
    QTest::mousePress(Form7->Panel1, Qt::LeftButton, {}, {100, 10});
    QTest::mouseMove(Form7->Panel1, {60, 20});
    QTest::mouseRelease(Form7->Panel1, Qt::LeftButton, {}, {60, 20});
    EXPECT_EQ(Form7->Panel1->pos(), QPoint(152, 194));
    Click(Form7->sp4);
    Click(Form7->sp4);
    EXPECT_EQ(Form7->Panel1->pos(), QPoint(152, 194));
}

TEST_F(EditorTest, AppliesAStepAddsAPointAndClosesTheContour)
{
    Form7->c1->setEditText("100");
    Form7->e1->setText("40");
    Form7->e2->setText("-10");
    Form7->e3->setText("15");
    Click(Form7->b1);
    EXPECT_EQ(Memo(), QStringList{"line 90/20/115/20/0/"});

    Form7->Edit5->setText("50");
    Click(Form7->BitBtn2);
    EXPECT_EQ(messages.texts, QStringList{kOutsideShaft});

    Click(Form7->SpeedButton4);
    EXPECT_EQ(Memo(), (QStringList{"line 90/20/115/20/0/", "line 90/0/90/20/0/", "line 115/20/115/0/0/"}));
}

} // namespace

namespace {

bool GreenInColumn(int x, int top, int bottom)
{
    for (int y = top; y <= bottom; ++y)
        if (Form7->Frame81->Image1->Picture().pixelColor(x, y) == QColor(0, 128, 0)) return true;
    return false;
}

// Without a stored stress the curve cannot be worked out: the user hears so once, when the switch
// goes down, and the curve appears by itself once a stress is stored.
TEST_F(EditorTest, EqualStrengthCurveWaitsForAStressWithOneMessage)
{
    Analysis.Points = {{1, 0}, {1, 200}};
    Form6->Data1->SetMT(100000);
    Type({"line 0/10/200/10/0/"});
    Click(Form7->SpeedButton5);
    EXPECT_EQ(messages.texts, QStringList{"Floating point division by zero"});
    MoveTo({300, 125});
    MoveTo({300, 60});
    Click(Form7->BitBtn4);
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_FALSE(GreenInColumn(300, 101, 199));

    Analysis.TorsionCoeff = 1;
    Analysis.AllowBendStress = 80;
    Click(Form7->BitBtn4);
    // d = cbrt(16 / (pi 80) * 2 * 1e5) = 23.35 mm: radius 11.67 mm, row 100 + 29.
    EXPECT_TRUE(GreenInColumn(300, 128, 130));
    EXPECT_EQ(messages.texts.size(), 1);
}

} // namespace
