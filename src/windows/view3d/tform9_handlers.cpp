// TForm9's handlers: camera moves by mouse, wheel, buttons and turntable; lights; markers;
// axes, frame rate, slices and the revolution angle.
#include "windows/view3d/tform9.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "scene/scene_viewer.h"
#include "windows/view3d/tform9_panel.h"
#include "widgets/async_timer.h"
#include "widgets/image_switch.h"
#include "widgets/spin_edit.h"
#include "widgets/track_bar.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QWheelEvent>
#include <cmath>

namespace {

constexpr float kPanFactor = 0.12f;
constexpr float kTurntableStep = 1.5f; // degrees per tick of the turntable
constexpr float kAttenuationScale = 5000;
const QVector3D kTopView(0, 10, 0.01f);
const QVector3D kLeftView(-10, 0, 0.01f);
const QVector3D kStartView(6, 6, 10);

bool NoModifierKeys(Qt::KeyboardModifiers modifiers)
{
    return !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

void TForm9::FormCreate()
{
    L1->QuadraticAttenuation = t1->value() / kAttenuationScale;
    L2->QuadraticAttenuation = t2->value() / kAttenuationScale;
    LC->Position = GLCamera1->Position();
    LC->QuadraticAttenuation = 1;
    LightMarkersToggle = true;
}

void TForm9::CameraMoved()
{
    LC->Position = GLCamera1->Position();
    SceneChanged();
}

void TForm9::SceneChanged()
{
    if (GLSceneViewer1) GLSceneViewer1->update();
}

bool TForm9::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == GLSceneViewer1) {
        if (event->type() == QEvent::MouseButtonPress) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            RunGuarded([&] { GLSceneViewer1MouseDown(at.x(), at.y()); });
        } else if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            RunGuarded([&] { GLSceneViewer1MouseMove(mouse->buttons(), mouse->modifiers(), at.x(), at.y()); });
        } else if (event->type() == QEvent::Wheel) {
            // The wheel zooms wherever it turns over the viewport.
            wheelEvent(static_cast<QWheelEvent*>(event));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm9::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    RunGuarded([&] { FormMouseWheel(delta); });
    event->accept();
}

void TForm9::GLSceneViewer1MouseDown(int x, int y)
{
    LastMouseX = int16_t(x);
    LastMouseY = int16_t(y);
}

void TForm9::GLSceneViewer1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y)
{
    const int dx = LastMouseX - x;
    const int dy = LastMouseY - y;
    LastMouseX = int16_t(x);
    LastMouseY = int16_t(y);
    if (!NoModifierKeys(modifiers)) return;
    if (buttons == Qt::LeftButton) {
        GLCamera1->MoveAroundTarget(float(dy), float(dx));
        CameraMoved();
    } else if (buttons == Qt::RightButton) {
        const float scale = kPanFactor * GLCamera1->DistanceToTarget() / GLCamera1->FocalLength;
        GLCamera1->MoveTargetWithCamera(GLCamera1->HorizontalPan(dx * scale, -dy * scale));
        CameraMoved();
    }
}

void TForm9::FormMouseWheel(int delta)
{
    GLCamera1->AdjustDistanceToTarget(float(std::pow(1.1, delta / 120.0)));
    CameraMoved();
}

void TForm9::Button2Click()
{
    GLCamera1->AdjustDistanceToTarget(0.9f);
    CameraMoved();
}

void TForm9::Button1Click()
{
    GLCamera1->AdjustDistanceToTarget(1.1f);
    CameraMoved();
}

void TForm9::Iswitch1Click()
{
    Timer1->SetEnabled(Iswitch1->IsOn());
}

void TForm9::Timer1Timer()
{
    GLCamera1->MoveAroundTarget(0, kTurntableStep);
    CameraMoved();
}

void TForm9::SpeedButton6Click()
{
    DummyCube1->Position = RevolutionSolid1->Position;
    CameraMoved();
}

void TForm9::SpeedButton3Click()
{
    GLCamera1->SetPosition(kTopView);
    CameraMoved();
}

void TForm9::SpeedButton4Click()
{
    GLCamera1->SetPosition(kLeftView);
    CameraMoved();
}

void TForm9::SpeedButton5Click()
{
    GLCamera1->SetPosition(kStartView);
    CameraMoved();
}

void TForm9::SpeedButton1Click()
{
    GLCamera1->Projection = TProjection::Perspective;
    SceneChanged();
}

void TForm9::SpeedButton2Click()
{
    GLCamera1->Projection = TProjection::Orthogonal;
    SceneChanged();
}

void TForm9::t1Change()
{
    L1->QuadraticAttenuation = t1->value() / kAttenuationScale;
    Edit1->setFocus();
    SceneChanged();
}

void TForm9::t2Change()
{
    L2->QuadraticAttenuation = t2->value() / kAttenuationScale;
    Edit1->setFocus();
    SceneChanged();
}

void TForm9::t3Change()
{
    if (Iswitch2->IsOn()) {
        LC->QuadraticAttenuation = t3->value() / kAttenuationScale;
        SceneChanged();
    }
    Edit1->setFocus();
}

void TForm9::Iswitch2Click()
{
    LC->Shining = Iswitch2->IsOn();
    if (LC->Shining) LC->QuadraticAttenuation = t3->value() / kAttenuationScale;
    SceneChanged();
}

void TForm9::IBtn1Click()
{
    Sphere1->Visible = LightMarkersToggle;
    Sphere2->Visible = LightMarkersToggle;
    Panel1->setVisible(LightMarkersToggle);
    if (LightMarkersToggle) Panel1->raise();
    LightMarkersToggle = !LightMarkersToggle;
    SceneChanged();
}

void TForm9::IBtn2Click()
{
    Panel1->hide();
}

void TForm9::c1Click()
{
    RevolutionSolid1->ShowAxes = c1->isChecked();
    SceneChanged();
}

void TForm9::c2Click()
{
    const bool on = c2->isChecked();
    Timer2->SetEnabled(on);
    Panel2->setVisible(on);
    if (on) Panel2->raise();
    if (!GLSceneViewer1) return;
    GLSceneViewer1->ResetFrameCounter();
    GLSceneViewer1->SetContinuousRendering(on);
}

void TForm9::Timer2Timer()
{
    const double framesPerSecond = GLSceneViewer1 ? GLSceneViewer1->FramesPerSecond() : 0;
    Panel2->SetCaption(FormatFloat("0.0", framesPerSecond) + " FPS");
    if (GLSceneViewer1) GLSceneViewer1->ResetFrameCounter();
}

void TForm9::RadioButton2Click()
{
    RevolutionSolid1->SetSlices(32);
    SceneChanged();
}

void TForm9::RadioButton1Click()
{
    RevolutionSolid1->SetSlices(16);
    SceneChanged();
}

void TForm9::RadioButton3Click()
{
    RevolutionSolid1->SetSlices(se1->value());
    SceneChanged();
}

void TForm9::se1Change()
{
    if (!RadioButton3->isChecked()) return;
    RevolutionSolid1->SetSlices(se1->value());
    SceneChanged();
}

void TForm9::ExTrackBar1Change()
{
    const int angle = ExTrackBar1->value();
    RevolutionSolid1->SetStartAngle(0);
    RevolutionSolid1->SetStopAngle(float(angle));
    TRevolutionParts parts = RevolutionSolid1->Parts();
    parts.Start = parts.Stop = angle != 360;
    RevolutionSolid1->SetParts(parts);
    SceneChanged();
}
