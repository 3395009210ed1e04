// TForm9: the 3D model window. The shaft as a lit solid of revolution in an OpenGL viewport, with
// the controls that turn, move and zoom the camera, dim and switch the lights, cut the solid open
// and set its angular resolution.
#pragma once

#include "widgets/save_dialog.h"
#include "scene/scene.h"

#include <QWidget>
#include <cstdint>

class AsyncTimer;
class ImageButton;
class ImageSwitch;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class SpinEdit;
class TDragPanel;
class TSceneViewer;
class TrackBar;

class TForm9 : public QWidget {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

    // The scene and its objects; the window's scene owns them.
    TScene Scene;
    TRevolutionSolid* RevolutionSolid1;
    TCamera* GLCamera1;
    TDummyCube* DummyCube1;
    TLightSource* L1;
    TLightSource* L2;
    TLightSource* LC; // follows the camera
    TSphere* Sphere1; // marks L2
    TSphere* Sphere2; // marks L1

    TSceneViewer* GLSceneViewer1; // none on a machine without a usable OpenGL
    int16_t LastMouseX = 0;
    int16_t LastMouseY = 0;
    bool LightMarkersToggle = true; // what the next click on IBtn1 does to the markers

    QGroupBox* GroupBox1; // lights
    QGroupBox* GroupBox2; // view type
    QGroupBox* GroupBox3; // view points
    QGroupBox* GroupBox4; // rotation, zoom and centring
    TrackBar* t1;
    TrackBar* t2;
    TrackBar* t3;
    ImageSwitch* Iswitch2;
    ImageButton* IBtn1;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton5;
    ImageSwitch* Iswitch1;
    QPushButton* Button2; // "+"
    QPushButton* Button1; // "-"
    ImageButton* SpeedButton6;
    QCheckBox* c1;
    QCheckBox* c2;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton3;
    SpinEdit* se1;
    TrackBar* ExTrackBar1;
    TDragPanel* Panel1;
    QLabel* Image1; // the light-position picture on Panel1
    ImageButton* IBtn2;
    TDragPanel* Panel2;
    QLineEdit* Edit1;
    AsyncTimer* Timer1;
    AsyncTimer* Timer2;
    QPushButton* ExportStlButton; // "Export STL..."
    TAskFileName AskStlFileName;  // the save dialog, or a test's answer

    void FormCreate();
    void GLSceneViewer1MouseDown(int x, int y);
    void GLSceneViewer1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void FormMouseWheel(int delta);
    void Button2Click();
    void Button1Click();
    void Iswitch1Click();
    void Timer1Timer();
    void SpeedButton6Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void t1Change();
    void t2Change();
    void t3Change();
    void Iswitch2Click();
    void IBtn1Click();
    void IBtn2Click();
    void c1Click();
    void c2Click();
    void Timer2Timer();
    void RadioButton2Click();
    void RadioButton1Click();
    void RadioButton3Click();
    void se1Change();
    void ExTrackBar1Change();
    void ExportStlButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateViewport();
    void CreateScene();
    void CreateLightControls();
    void CreateViewControls();
    void CreateSolidControls();
    void CreatePanels();
    void CreateExportButton();
    void ConnectHandlers();
    // LC lights the scene from the viewer's eye; every camera move ends here.
    void CameraMoved();
    void SceneChanged();

    bool noViewerReported_ = false;
};

extern TForm9* Form9;
