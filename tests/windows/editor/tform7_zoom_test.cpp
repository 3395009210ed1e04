// The editor's zoom through its real controls: Ctrl + wheel about the pointer, the plain wheel
// still scrolling, the buttons and keys, a pan with the middle button and with Space, a pick that
// outlives them, and the whole shaft given back pixel for pixel without an undo step.
#include "editor_window_fixture.h"

#include "windows/editor/tform7_undo.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QMouseEvent>
#include <QToolButton>
#include <QUndoStack>
#include <QWheelEvent>

namespace {

// On the shaft of 200 mm the step runs on row 150 from column 75 to 175.
const QPoint kOnStep(120, 150);

class ZoomWindowTest : public EditorWindowTest {
protected:
    static QWidget* Image() { return Form7->Frame81->Image1; }
    static QImage Picture() { return Form7->Frame81->Image1->Picture(); }
    static void MoveTo(QPoint p) { QTest::mouseMove(Form7->windowHandle(), Image()->mapTo(Form7, p)); }
    // Whether the image took the turn; one it leaves goes on to the frame, which scrolls.
    static bool Turn(QPoint at, int delta, Qt::KeyboardModifiers keys)
    {
        QWheelEvent wheel(at, Image()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, keys,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(Image(), &wheel);
        return wheel.isAccepted();
    }
    static void Drag(QPoint from, QPoint to, Qt::MouseButton button)
    {
        MoveTo(from);
        QTest::mousePress(Image(), button, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, Image()->mapToGlobal(to), Qt::NoButton, button, {});
        QApplication::sendEvent(Image(), &move);
        QTest::mouseRelease(Image(), button, {}, to);
    }
};

TEST_F(ZoomWindowTest, ZoomsAndPansTheViewOnlyAndGivesTheWholeShaftBack)
{
    Form7->SetMemoLines({"line 10/20/50/20/0/", "line 50/20/50/12/0/"});
    QTest::mouseClick(Form7->BitBtn4, Qt::LeftButton);
    QTest::mouseClick(Form7->SpeedButton6, Qt::LeftButton); // "Modify lines"
    MoveTo(kOnStep);
    QTest::mousePress(Image(), Qt::LeftButton, {}, kOnStep);
    QTest::mouseRelease(Image(), Qt::LeftButton, {}, kOnStep);
    const QImage whole = Picture();
    const int steps = Form7->History->Stack->count();
    const QStringList picked = Form7->MemoLines();

    // Two notches with Ctrl: twice the size, the step still under the pointer.
    EXPECT_TRUE(Turn(kOnStep, 240, Qt::ControlModifier));
    EXPECT_EQ(Form7->Editor.Zoom.Scale, 2);
    EXPECT_EQ(Picture().pixelColor(kOnStep), QColor(Qt::red));
    EXPECT_EQ(Picture().pixelColor(kOnStep + QPoint(0, 5)), QColor(Qt::white)) << "the pen is not widened";
    EXPECT_TRUE(Form7->ZoomNote->isVisibleTo(Form7));
    EXPECT_FALSE(Turn(kOnStep, -120, {})) << "without Ctrl the wheel is the frame's";
    EXPECT_EQ(Form7->Editor.Zoom.Scale, 2);

    QTest::mouseClick(Form7->ZoomInButton, Qt::LeftButton);
    EXPECT_EQ(Form7->Editor.Zoom.Scale, 4);
    const long double shift = Form7->Editor.Zoom.ShiftX;
    Drag({300, 100}, {260, 100}, Qt::MiddleButton);
    EXPECT_EQ(Form7->Editor.Zoom.ShiftX, shift - 40);
    QTest::keyPress(Image(), Qt::Key_Space);
    Drag({300, 100}, {310, 100}, Qt::LeftButton);
    QTest::keyRelease(Image(), Qt::Key_Space);
    EXPECT_EQ(Form7->Editor.Zoom.ShiftX, shift - 30);
    EXPECT_EQ(Form7->MemoLines(), picked) << "a pan is no press of the tool";

    Form7->activateWindow(); // the keys go to the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form7));
    QTest::keyClick(Form7, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(Form7->Editor.Zoom, TViewZoom());
    EXPECT_FALSE(Form7->ZoomNote->isVisibleTo(Form7));
    EXPECT_EQ(Picture(), whole);
    EXPECT_EQ(Form7->History->Stack->count(), steps) << "a view is not undone";

    // The pick made before the zoom still names its statement.
    Form7->Edit2->setText("25");
    Form7->Edit4->setText("25");
    QTest::mouseClick(Form7->sp7, Qt::LeftButton);
    EXPECT_EQ(Form7->MemoLines(), (QStringList{"line 10/25/50/25/0/", "line 50/20/50/12/0/"}));
}

} // namespace
