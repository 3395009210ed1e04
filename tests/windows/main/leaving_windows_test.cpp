// Leaving windows by the keys a desktop user reaches for: Escape out of the dimensioning and the
// 3D windows without applying anything, Ctrl+Q behind the question about unsaved work, and
// Ctrl+Shift+S from every window in which Ctrl+S saves.
#include "../entry/tform2_workflow.h"

#include "windows/dimensioning/tform10.h"
#include "windows/editor/tform13.h"
#include "windows/editor/tform7.h"
#include "windows/entry/tform4.h"
#include "windows/entry/tform5.h"
#include "windows/main/file_questions.h"
#include "windows/main/tform1.h"
#include "windows/results/tform11.h"
#include "windows/results/tform3.h"
#include "windows/view3d/tform9.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QTest>

namespace {

class LeavingWindowsTest : public EntryTest {
protected:
    void SetUp() override
    {
        EntryTest::SetUp();
        previousUnsaved_ = SetUnsavedQuestion([this](const QString&) {
            ++unsavedQuestions;
            return answer;
        });
        previousFileName_ = SetFileNameQuestion([this](TFileUse use, const QString&) {
            if (use == TFileUse::Save) ++saveQuestions;
            return QString(); // the user gives up: nothing is written
        });
    }
    void TearDown() override
    {
        SetUnsavedQuestion(previousUnsaved_);
        SetFileNameQuestion(previousFileName_);
        EntryTest::TearDown();
    }

    // Keys go to the window that has the keyboard, as they do for a user.
    static void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        window->raise();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->windowTitle().toStdString();
        // The focus may still sit in the window left before, until its focus events are through.
        QWidget* focus = QApplication::focusWidget();
        QWidget* target = focus && focus->window() == window ? focus : window;
        QTest::keyClick(target, key, modifiers);
    }
    static void Type(QLineEdit* field, const QString& text)
    {
        field->clear();
        QTest::keyClicks(field, text);
    }

    MessageRecorder messages;
    TUnsavedAnswer answer = TUnsavedAnswer::Cancel;
    int unsavedQuestions = 0;
    int saveQuestions = 0;

private:
    TUnsavedQuestion previousUnsaved_;
    TFileNameQuestion previousFileName_;
};

TEST_F(LeavingWindowsTest, EscapeHidesTheDimensioningWindowKeepingTheLastApply)
{
    QTest::mouseClick(Form6->IBtn5, Qt::LeftButton);
    Type(Form10->Edit1, "300000");
    Type(Form10->Edit3, "0.5");
    Type(Form10->Edit5, "40");
    QTest::mouseClick(Form10->BitBtn2, Qt::LeftButton);
    ASSERT_FALSE(Form10->isVisible());

    QTest::mouseClick(Form6->IBtn5, Qt::LeftButton);
    Type(Form10->Edit3, "0.9");
    Type(Form10->Edit5, "70");
    Press(Form10, Qt::Key_Escape);
    EXPECT_FALSE(Form10->isVisible());
    EXPECT_EQ(double(Analysis.TorsionCoeff), 0.5);
    EXPECT_EQ(double(Analysis.AllowBendStress), 40);
    EXPECT_TRUE(Form10->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(LeavingWindowsTest, EscapeHidesThe3DWindow)
{
    Press(Form9, Qt::Key_Escape);
    EXPECT_FALSE(Form9->isVisible());
    EXPECT_TRUE(Form9->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(LeavingWindowsTest, CtrlQEndsTheProgramOnlyOnceTheUnsavedWorkIsSettled)
{
    Form1->show();
    CalculateCompleteExample();
    Press(Form1, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(unsavedQuestions, 1);
    EXPECT_TRUE(Form1->isVisible()) << "Cancel keeps the program running";

    answer = TUnsavedAnswer::Discard;
    Press(Form3, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(unsavedQuestions, 2);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_EQ(Form1->ExitAction->shortcut(), QKeySequence(QKeySequence::Quit));
}

TEST_F(LeavingWindowsTest, CtrlShiftSSavesAsWhereverCtrlSSaves)
{
    CalculateCompleteExample();
    Form1->show();
    Form7->show();
    QTest::mouseClick(Form7->VerificationButton, Qt::LeftButton);
    QWidget* checkWindow = &Form7->VerificationWindow();
    for (QWidget* window : std::initializer_list<QWidget*>{Form1, Form6, Form2, Form3, Form11, Form7, checkWindow, Form9,
                                                          Form10, Form4, Form5}) {
        saveQuestions = 0;
        Press(window, Qt::Key_S, Qt::ControlModifier);
        const int bySave = saveQuestions;
        Press(window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(bySave, 1) << window->windowTitle().toStdString();
        EXPECT_EQ(saveQuestions - bySave, 1) << window->windowTitle().toStdString();
    }
    // Typing in the drawing text, where Ctrl+S saves the design too.
    QTest::mouseClick(Form7->sp4, Qt::LeftButton);
    Form7->Memo1->setFocus();
    saveQuestions = 0;
    QTest::keyClick(Form7->Memo1, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(Form7->Memo1, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(saveQuestions, 2);
}

} // namespace
