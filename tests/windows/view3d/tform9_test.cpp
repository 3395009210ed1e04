// The 3D window: the 3D build from drawing text, and every control pressed through the window.
#include "analysis/analysis_state.h"
#include "windows/main/window_set.h"
#include "common/errors.h"
#include "windows/editor/tform7.h"
#include "scene/gl_support.h"
#include "scene/scene_viewer.h"
#include "test_support.h"
#include "windows/view3d/tform9.h"
#include "windows/view3d/tform9_build.h"
#include "windows/view3d/tform9_panel.h"
#include "widgets/async_timer.h"
#include "widgets/image_button.h"
#include "widgets/image_switch.h"
#include "widgets/spin_edit.h"
#include "widgets/track_bar.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <QtMath>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QStringList kSteppedText{"line 100/20/100/0/0/", "line 40/20/100/20/0/", "line 0/0/0/15/0/",
                               "line 40/15/40/20/0/", "line 0/15/40/15/0/"};
const std::vector<QVector3D> kSteppedNodes{{0, -5, 0}, {1.5f, -5, 0}, {1.5f, -1, 0}, {2, -1, 0}, {2, 5, 0}, {0, 5, 0}};

float Azimuth(const QVector3D& offset)
{
    return qRadiansToDegrees(std::atan2(offset.x(), offset.z()));
}

class Form9Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        Analysis = TAnalysisState();
        CreateWindowSet();
    }
    void TearDown() override { DestroyWindowSet(); }

    static void Build(QStringList memo) { RunGuarded([&] { Build3DModel(memo, 20); }); }

    static void Drag(Qt::MouseButton button, QPoint from, QPoint to, Qt::KeyboardModifiers keys = {})
    {
        QWidget* viewer = Form9->GLSceneViewer1;
        QTest::mousePress(viewer, button, keys, from);
        QMouseEvent move(QEvent::MouseMove, to, viewer->mapToGlobal(to), Qt::NoButton, button, keys);
        QApplication::sendEvent(viewer, &move);
        QTest::mouseRelease(viewer, button, keys, to);
    }

    static void Wheel(int delta)
    {
        QWidget* viewer = Form9->GLSceneViewer1;
        const QPoint at(100, 100);
        QWheelEvent wheel(at, viewer->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewer, &wheel);
    }

    static QVector3D Offset() { return Form9->GLCamera1->Position() - Form9->DummyCube1->Position; }
};

TEST_F(Form9Test, TheBuildSortsTheTextFillsTheNodesAndBringsUpTheWindow)
{
    Form7->show();
    QStringList memo = kSteppedText;
    Build3DModel(memo, 20);
    EXPECT_EQ(memo.first(), "line 0/0/0/15/0/");
    EXPECT_EQ(Analysis.ProfilePoints.size(), 6u);
    EXPECT_EQ(Analysis.ProfileSpan, 100);
    EXPECT_EQ(Form9->RevolutionSolid1->Nodes(), kSteppedNodes);
    EXPECT_FALSE(Form7->isVisible());
    EXPECT_TRUE(Form9->isVisible());

    // A second text replaces the first profile whole: one line gives a band of two nodes.
    Build({"line 10/5/30/8/0/"});
    EXPECT_EQ(Form9->RevolutionSolid1->Nodes(), (std::vector<QVector3D>{{2.5f, -5, 0}, {4, 5, 0}}));

    // A tube open at both ends shows its inner face as well as its outer one.
    Build({"line 0/15/40/15/0/"});
    EXPECT_EQ(Form9->RevolutionSolid1->Nodes().size(), 2u);
    EXPECT_EQ(Form9->RevolutionSolid1->Mesh().size(), 32u * 2 * 2);
}

TEST_F(Form9Test, AFailedBuildLeavesTheNodesAndBothWindowsAsTheyWere)
{
    Build(kSteppedText);
    Form9->hide();
    Form7->show();
    MessageRecorder messages;
    Build({"line 0/0/0/15/0/"}); // all points at one position: no length to scale by
    Build({});
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_TRUE(messages.texts[0].startsWith("The profile's length along the axis is 0 mm"));
    EXPECT_EQ(messages.texts[1], "List index out of bounds (0)");
    EXPECT_EQ(Form9->RevolutionSolid1->Nodes(), kSteppedNodes);
    EXPECT_TRUE(Form7->isVisible());
    EXPECT_FALSE(Form9->isVisible());
}

TEST_F(Form9Test, MouseDragsOrbitOrPanAndTheCameraLightFollows)
{
    Form9->show();
    const QVector3D start = Offset();
    Drag(Qt::LeftButton, {100, 100}, {110, 100}); // ten pixels right: turn by -10
    EXPECT_NEAR(Azimuth(Offset()), Azimuth(start) - 10, 1e-3);
    Drag(Qt::LeftButton, {100, 100}, {100, 90}); // ten pixels up: pitch by +10
    EXPECT_NEAR(qRadiansToDegrees(std::asin(Offset().y() / Offset().length())),
                qRadiansToDegrees(std::asin(start.y() / start.length())) + 10, 1e-3);
    EXPECT_EQ(Form9->LC->Position, Form9->GLCamera1->Position());
    EXPECT_EQ(Form9->LastMouseX, 100);
    EXPECT_EQ(Form9->LastMouseY, 90);

    const QVector3D beforePan = Offset();
    Drag(Qt::RightButton, {100, 100}, {80, 100});
    EXPECT_GT(Form9->DummyCube1->Position.length(), 0.1f);
    EXPECT_NEAR(Form9->DummyCube1->Position.y(), 0, 1e-6);
    EXPECT_TRUE(qFuzzyCompare(Offset(), beforePan)); // the camera followed its target

    const QVector3D camera = Form9->GLCamera1->Position();
    Drag(Qt::LeftButton, {100, 100}, {150, 150}, Qt::ShiftModifier);
    EXPECT_EQ(Form9->GLCamera1->Position(), camera);
    Form9->SpeedButton6->click();
    EXPECT_EQ(Form9->DummyCube1->Position, QVector3D(0, 0, 0));
}

TEST_F(Form9Test, WheelZoomButtonsAndViewPointsPlaceTheCamera)
{
    Form9->show();
    const float distance = Form9->GLCamera1->DistanceToTarget();
    for (int notch = 0; notch < 3; ++notch) Wheel(-120);
    EXPECT_NEAR(Form9->GLCamera1->DistanceToTarget(), distance * std::pow(1.1, -3), 1e-4);
    Form9->SpeedButton5->click();
    Form9->Button2->click();
    Form9->Button1->click();
    EXPECT_NEAR(Form9->GLCamera1->DistanceToTarget(), distance * 0.99, 1e-4);

    const std::pair<QToolButton*, QVector3D> viewPoints[] = {
        {Form9->SpeedButton3, {0, 10, 0.01f}}, {Form9->SpeedButton4, {-10, 0, 0.01f}}, {Form9->SpeedButton5, {6, 6, 10}}};
    for (const auto& [button, position] : viewPoints) {
        button->click();
        EXPECT_EQ(Form9->GLCamera1->Position(), position);
        EXPECT_EQ(Form9->LC->Position, position);
    }
    Form9->SpeedButton2->click();
    EXPECT_EQ(Form9->GLCamera1->Projection, TProjection::Orthogonal);
    EXPECT_TRUE(Form9->SpeedButton2->isChecked() && !Form9->SpeedButton1->isChecked());
    EXPECT_TRUE(Form9->RadioButton2->isChecked()); // the view type is a group of its own
    Form9->SpeedButton1->click();
    EXPECT_EQ(Form9->GLCamera1->Projection, TProjection::Perspective);
}

TEST_F(Form9Test, SlicesAndTheRevolutionAngleShapeTheSolid)
{
    Build(kSteppedText);
    TRevolutionSolid* solid = Form9->RevolutionSolid1;
    EXPECT_EQ(solid->Slices(), 32);
    Form9->se1->setValue(20); // counts only with the third radio button
    EXPECT_EQ(solid->Slices(), 32);
    Form9->RadioButton3->click();
    EXPECT_EQ(solid->Slices(), 20);
    Form9->se1->setValue(24);
    EXPECT_EQ(solid->Slices(), 24);
    Form9->RadioButton1->click();
    EXPECT_EQ(solid->Slices(), 16);
    Form9->RadioButton2->click();

    Form9->ExTrackBar1->setValue(90);
    EXPECT_EQ(solid->StopAngle(), 90);
    EXPECT_TRUE(solid->Parts().Start && solid->Parts().Stop);
    EXPECT_EQ(solid->Mesh().size(), 2u * 8 * 8 + 2 * 4); // eight steps, both sides, two sections
    Form9->ExTrackBar1->setValue(360);
    EXPECT_FALSE(solid->Parts().Start || solid->Parts().Stop);
    EXPECT_EQ(solid->Mesh().size(), 2u * 32 * 8);
}

TEST_F(Form9Test, LightBarsSwitchAndMarkers)
{
    EXPECT_EQ(Form9->L1->QuadraticAttenuation, 0);
    EXPECT_FLOAT_EQ(Form9->L2->QuadraticAttenuation, 0.008f);
    EXPECT_EQ(Form9->LC->QuadraticAttenuation, 1);
    EXPECT_TRUE(Form9->LC->Shining);
    Form9->t3->setValue(160); // the switch is off: LC keeps its attenuation
    EXPECT_EQ(Form9->LC->QuadraticAttenuation, 1);
    Form9->t3->setValue(80);
    Form9->Iswitch2->click();
    EXPECT_FLOAT_EQ(Form9->LC->QuadraticAttenuation, 0.016f);
    Form9->t3->setValue(40);
    EXPECT_FLOAT_EQ(Form9->LC->QuadraticAttenuation, 0.008f);
    EXPECT_EQ(Form9->focusWidget(), Form9->Edit1);
    Form9->t1->setValue(10);
    EXPECT_FLOAT_EQ(Form9->L1->QuadraticAttenuation, 0.002f);
    Form9->Iswitch2->click();
    EXPECT_FALSE(Form9->LC->Shining);

    Form9->show();
    Form9->IBtn1->click();
    EXPECT_TRUE(Form9->Sphere1->Visible && Form9->Sphere2->Visible && Form9->Panel1->isVisible());
    // Dragging the picture drags its panel.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form9));
    const QPoint panelAt = Form9->Panel1->pos();
    QTest::mousePress(Form9->Image1, Qt::LeftButton, {}, QPoint(60, 60));
    QTest::mouseMove(Form9->Image1, QPoint(90, 70));
    QTest::mouseRelease(Form9->Image1, Qt::LeftButton, {}, QPoint(90, 70));
    EXPECT_EQ(Form9->Panel1->pos(), panelAt + QPoint(30, 10));
    Form9->IBtn2->click(); // closes the panel only
    EXPECT_FALSE(Form9->Panel1->isVisible());
    EXPECT_TRUE(Form9->Sphere1->Visible);
    Form9->IBtn1->click(); // the toggle had not changed: this click hides
    EXPECT_FALSE(Form9->Sphere1->Visible || Form9->Sphere2->Visible || Form9->Panel1->isVisible());
}

TEST_F(Form9Test, TurntableAxesAndFrameRate)
{
    Build(kSteppedText);
    const QVector3D start = Offset();
    Form9->Iswitch1->click();
    EXPECT_TRUE(Form9->Timer1->IsEnabled());
    Form9->Timer1Timer();
    EXPECT_NEAR(Azimuth(Offset()), Azimuth(start) + 1.5f, 1e-3);
    EXPECT_EQ(Form9->LC->Position, Form9->GLCamera1->Position());
    Form9->Iswitch1->click();
    EXPECT_FALSE(Form9->Timer1->IsEnabled());

    Form9->c1->click();
    EXPECT_FALSE(Form9->RevolutionSolid1->ShowAxes);
    Form9->c2->click();
    EXPECT_TRUE(Form9->Timer2->IsEnabled() && Form9->Panel2->isVisible());
    QTest::qWait(200);
    Form9->Timer2Timer();
    EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d FPS$").match(Form9->Panel2->Caption()).hasMatch())
        << qPrintable(Form9->Panel2->Caption());
    EXPECT_GT(Form9->GLSceneViewer1->FramesRendered(), 0);
    Form9->c2->click();
    EXPECT_FALSE(Form9->Timer2->IsEnabled() || Form9->Panel2->isVisible());
}

// Under a display without OpenGL (the offscreen platform) the other branch runs.
TEST_F(Form9Test, WithoutAUsableOpenGLTheWindowSaysSoOnceAndItsControlsStillWork)
{
    MessageRecorder messages;
    Build(kSteppedText);
    Form9->hide();
    Form9->show();
    QTest::qWait(50);
    Form9->Button2->click();
    Form9->c2->click();
    Form9->Timer2Timer();
    Form9->c2->click();
    EXPECT_EQ(Form9->GLSceneViewer1 != nullptr, ViewerContextAvailable());
    ASSERT_EQ(messages.texts.size(), Form9->GLSceneViewer1 ? 0 : 1);
    if (!messages.texts.isEmpty()) EXPECT_TRUE(messages.texts[0].startsWith("The 3D view needs OpenGL 2.1"));
}

TEST_F(Form9Test, TheShaftIsDrawnLitWhereItProjectsAndTheBackgroundElsewhere)
{
    Build(kSteppedText);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form9));
    const QImage frame = Form9->GLSceneViewer1->grabFramebuffer();
    ASSERT_EQ(frame.size(), QSize(561, 449));
    const QColor background = Form9->Scene.Background;
    // The middle of the thick step (scene (1, 2, 0) lies on its surface facing up) and a corner.
    const QMatrix4x4 clip = Form9->GLCamera1->ProjectionMatrix(561.f / 449) * Form9->GLCamera1->ViewMatrix();
    const QVector3D onShaft = clip.map(QVector3D(2, 1.9f, 0));
    const QPoint pixel(int((onShaft.x() + 1) / 2 * 561), int((1 - onShaft.y()) / 2 * 449));
    const QColor lit = frame.pixelColor(pixel);
    EXPECT_GT(lit.lightness(), background.lightness() + 60) << pixel.x() << "," << pixel.y();
    EXPECT_EQ(frame.pixelColor(5, 5), background);
}

} // namespace
