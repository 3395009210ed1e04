// TForm9: the scene of the 3D model and the window's controls, as the window is created.
#include "windows/view3d/tform9.h"

#include "canvas/canvas_painting.h"
#include "common/errors.h"
#include "common/messages.h"
#include "scene/gl_support.h"
#include "scene/scene_viewer.h"
#include "windows/view3d/tform9_panel.h"
#include "windows/view3d/tform9_pictures.h"
#include "widgets/async_timer.h"
#include "widgets/image_button.h"
#include "widgets/image_switch.h"
#include "widgets/spin_edit.h"
#include "widgets/track_bar.h"
#include "widgets/window_setup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

TForm9* Form9 = nullptr;

namespace {

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& geometry, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

// The captions of the crowded bottom group.
void SetSmallFont(QLabel* label)
{
    QFont small = label->font();
    small.setPixelSize(10);
    label->setFont(small);
}

TrackBar* AddLightBar(QWidget* parent, const QRect& geometry, int minimum, int maximum, int tick, int position)
{
    auto* bar = new TrackBar(Qt::Vertical, parent);
    bar->setGeometry(geometry);
    bar->setRange(minimum, maximum);
    bar->setTickInterval(tick);
    bar->setTickPosition(QSlider::TicksRight);
    // The smallest value at the top, as on the light dimmers of the other programs of its kind.
    bar->setInvertedAppearance(true);
    bar->setInvertedControls(true);
    bar->setValue(position);
    bar->setToolTip("Regrare intensitate ");
    return bar;
}

QToolButton* AddSpeedButton(QWidget* parent, const QString& caption, const QRect& geometry)
{
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setGeometry(geometry);
    return button;
}

TSurfaceMaterial MarkerMaterial(const QVector4D& emission)
{
    TSurfaceMaterial material;
    material.Ambient = material.Diffuse = {1, 1, 0, 1};
    material.Emission = material.Specular = emission;
    return material;
}

TSurfaceMaterial SteelMaterial()
{
    TSurfaceMaterial material;
    material.Ambient = {0.22f, 0.23f, 0.26f, 1};
    material.Diffuse = {0.72f, 0.74f, 0.78f, 1};
    material.Specular = {0.55f, 0.55f, 0.55f, 1};
    material.Shininess = 40;
    return material;
}

} // namespace

TForm9::TForm9(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    PlaceFixedWindow(*this, "3D Model", QRect(9, 29, 782, 541));
    setFont(ScreenFont(TFont()));
    CreateScene();
    CreateViewport();
    CreateLightControls();
    CreateViewControls();
    CreateSolidControls();
    CreatePanels();
    CreateExportButton();
    ConnectHandlers();
    CloseOnEscape(*this);
    FormCreate();
}

// Without a usable OpenGL context the viewport says so and every control still works on the scene.
void TForm9::CreateViewport()
{
    const QRect viewport(8, 8, 561, 449);
    if (!ViewerContextAvailable()) {
        GLSceneViewer1 = nullptr;
        auto* note = AddLabel(this, OpenGLSupportProblem(QSurfaceFormat(), false), viewport.adjusted(40, 0, -40, 0),
                              Qt::AlignHCenter);
        note->setWordWrap(true);
        return;
    }
    GLSceneViewer1 = new TSceneViewer(&Scene, this);
    GLSceneViewer1->setGeometry(viewport);
    GLSceneViewer1->installEventFilter(this);
    GLSceneViewer1->setFocusPolicy(Qt::StrongFocus);
}

void TForm9::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (GLSceneViewer1 || noViewerReported_) return;
    noViewerReported_ = true;
    // Shown after the window has come up, not in the middle of showing it.
    QTimer::singleShot(0, this, [] { ShowMessage(OpenGLSupportProblem(QSurfaceFormat(), false)); });
}

void TForm9::CreateScene()
{
    GLCamera1 = Scene.Camera();
    DummyCube1 = GLCamera1->Target();
    GLCamera1->SetPosition({6, 6, 10});
    RevolutionSolid1 = Scene.AddRevolutionSolid();
    RevolutionSolid1->Up = {1, 0, 0};
    RevolutionSolid1->Direction = {0, 0, 1};
    RevolutionSolid1->ShowAxes = true;
    RevolutionSolid1->Material = SteelMaterial();
    L1 = Scene.AddLight();
    L1->Position = {10, 10, 10};
    L2 = Scene.AddLight();
    L2->Position = {-10, -5, -10};
    LC = Scene.AddLight();
    Sphere2 = Scene.AddSphere();
    Sphere2->Position = L1->Position;
    Sphere2->Material = MarkerMaterial({1, 1, 0, 1});
    Sphere1 = Scene.AddSphere();
    Sphere1->Position = L2->Position;
    Sphere1->Material = MarkerMaterial({1, 1, 0.502f, 1});
    Sphere1->Visible = Sphere2->Visible = false;
}

void TForm9::CreateLightControls()
{
    GroupBox1 = new QGroupBox("Light souces", this);
    GroupBox1->setGeometry(576, 8, 193, 161);
    t1 = AddLightBar(this, QRect(584, 32, 25, 121), 0, 40, 2, 0);
    t2 = AddLightBar(this, QRect(614, 32, 20, 121), 0, 40, 2, 40);
    AddLabel(this, "L1   L2", QRect(586, 152, 50, 14));
    t3 = AddLightBar(this, QRect(648, 72, 25, 81), 1, 160, 16, 80);
    AddLabel(this, "LC", QRect(652, 152, 24, 14));
    Iswitch2 = new ImageSwitch(this);
    Iswitch2->move(640, 40);
    Iswitch2->resize(Iswitch2->sizeHint());
    IBtn1 = new ImageButton(this);
    IBtn1->setGeometry(704, 60, 41, 41);
    IBtn1->SetPictureDrawer(DrawLightBulb);
    IBtn1->setToolTip("Show the position of light sources");
    auto* caption = AddLabel(this, "Show the position of light sources", QRect(684, 104, 80, 44), Qt::AlignHCenter);
    caption->setWordWrap(true);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(648, 80, 0, 21);
}

void TForm9::CreateViewControls()
{
    GroupBox2 = new QGroupBox("View type", this);
    GroupBox2->setGeometry(576, 180, 193, 76);
    SpeedButton1 = AddSpeedButton(this, "Perspective", QRect(592, 212, 161, 20));
    SpeedButton2 = AddSpeedButton(this, "Orthogonal", QRect(592, 232, 161, 20));
    // A group of its own: buttons exclusive by parent alone would also release the radio buttons.
    auto* viewType = new QButtonGroup(this);
    for (QToolButton* button : {SpeedButton1, SpeedButton2}) {
        button->setCheckable(true);
        viewType->addButton(button);
    }
    SpeedButton1->setChecked(true);
    GroupBox3 = new QGroupBox("View points", this);
    GroupBox3->setGeometry(576, 268, 193, 97);
    SpeedButton3 = AddSpeedButton(this, "UP", QRect(592, 296, 81, 25));
    SpeedButton4 = AddSpeedButton(this, "Left", QRect(680, 296, 81, 25));
    SpeedButton5 = AddSpeedButton(this, "SE ", QRect(632, 328, 81, 25));
    GroupBox4 = new QGroupBox(this);
    GroupBox4->setGeometry(576, 376, 193, 65);
    SetSmallFont(AddLabel(this, "Rotation :", QRect(584, 386, 52, 14)));
    Iswitch1 = new ImageSwitch(this);
    Iswitch1->move(584, 404);
    Iswitch1->resize(Iswitch1->sizeHint());
    SetSmallFont(AddLabel(this, "Zoom :", QRect(640, 386, 50, 14)));
    Button2 = new QPushButton("+", this);
    Button2->setGeometry(640, 408, 25, 25);
    Button1 = new QPushButton("-", this);
    Button1->setGeometry(664, 408, 25, 25);
    SetSmallFont(AddLabel(this, "Center the view", QRect(686, 386, 82, 14), Qt::AlignHCenter));
    SpeedButton6 = new ImageButton(this);
    SpeedButton6->setGeometry(704, 408, 49, 25);
    SpeedButton6->SetPictureDrawer(DrawCentreMark);
    SpeedButton6->setToolTip("Center the view");
}

void TForm9::CreateSolidControls()
{
    c1 = new QCheckBox("Show axes", this);
    c1->setGeometry(24, 476, 90, 20);
    c1->setChecked(true);
    c2 = new QCheckBox("Display FPS", this);
    c2->setGeometry(120, 476, 100, 20);
    AddLabel(this, "No. of steps of revolution algorithm", QRect(300, 459, 249, 14), Qt::AlignRight);
    RadioButton2 = new QRadioButton("32", this);
    RadioButton2->setGeometry(408, 476, 40, 20);
    RadioButton2->setChecked(true);
    RadioButton1 = new QRadioButton("16", this);
    RadioButton1->setGeometry(448, 476, 40, 20);
    RadioButton3 = new QRadioButton(this);
    RadioButton3->setGeometry(488, 476, 20, 20);
    auto* steps = new QButtonGroup(this);
    for (QRadioButton* radio : {RadioButton2, RadioButton1, RadioButton3}) steps->addButton(radio);
    se1 = new SpinEdit(this);
    se1->setGeometry(508, 472, 41, 22);
    se1->setRange(3, 100);
    se1->setValue(12);
    se1->SetTypingEnabled(false);
    AddLabel(this, "Revolution angle", QRect(600, 459, 150, 14), Qt::AlignHCenter);
    ExTrackBar1 = new TrackBar(Qt::Horizontal, this);
    ExTrackBar1->setGeometry(600, 472, 150, 33);
    ExTrackBar1->setRange(90, 360);
    ExTrackBar1->setValue(360);
    ExTrackBar1->setTickInterval(90);
    ExTrackBar1->setTickPosition(QSlider::TicksBelow);
    ExTrackBar1->SetLabelInterval(90);
}

void TForm9::CreatePanels()
{
    Panel1 = new TDragPanel(this);
    Panel1->setGeometry(112, 124, 457, 332);
    auto* title = AddLabel(Panel1, "Positions of light souces in scene (LC - light source atached to the camera )",
                           QRect(8, 2, 420, 30));
    title->setWordWrap(true);
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image1 = new QLabel(Panel1);
    Image1->setGeometry(8, 34, 441, 290);
    Image1->setPixmap(LightPositionsPicture(Image1->size()));
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents); // dragging the picture drags the panel
    const struct { const char* text; QVector3D at; QPoint shift; } labels[] = {
        {"L1", {10, 10, 10}, {10, -18}}, {"L2", {-10, -5, -10}, {10, -18}}, {"LC", {6, 6, 10}, {14, -26}}};
    for (const auto& label : labels) {
        const QPointF spot = LightPicturePoint(Image1->size(), label.at.x(), label.at.y(), label.at.z());
        auto* text = AddLabel(Image1, label.text, QRect(spot.toPoint() + label.shift, QSize(24, 16)));
        text->setStyleSheet("font-weight: bold; color: #000080");
    }
    IBtn2 = new ImageButton(Panel1);
    IBtn2->setGeometry(457 - 18 - 4, 4, 18, 18);
    IBtn2->SetPictureDrawer(DrawCloseMark);
    Panel1->hide();
    Panel2 = new TDragPanel(this);
    Panel2->setGeometry(504, 16, 57, 17);
    Panel2->hide();
    Timer1 = new AsyncTimer(this);
    Timer1->SetInterval(50);
    Timer2 = new AsyncTimer(this);
    Timer2->SetInterval(100);
}

void TForm9::ConnectHandlers()
{
    connect(Button2, &QPushButton::clicked, this, Guarded(this, &TForm9::Button2Click));
    connect(Button1, &QPushButton::clicked, this, Guarded(this, &TForm9::Button1Click));
    connect(Iswitch1, &QAbstractButton::clicked, this, Guarded(this, &TForm9::Iswitch1Click));
    connect(SpeedButton6, &QAbstractButton::clicked, this, Guarded(this, &TForm9::SpeedButton6Click));
    connect(SpeedButton3, &QToolButton::clicked, this, Guarded(this, &TForm9::SpeedButton3Click));
    connect(SpeedButton4, &QToolButton::clicked, this, Guarded(this, &TForm9::SpeedButton4Click));
    connect(SpeedButton5, &QToolButton::clicked, this, Guarded(this, &TForm9::SpeedButton5Click));
    connect(SpeedButton1, &QToolButton::clicked, this, Guarded(this, &TForm9::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, Guarded(this, &TForm9::SpeedButton2Click));
    connect(t1, &QSlider::valueChanged, this, Guarded(this, &TForm9::t1Change));
    connect(t2, &QSlider::valueChanged, this, Guarded(this, &TForm9::t2Change));
    connect(t3, &QSlider::valueChanged, this, Guarded(this, &TForm9::t3Change));
    connect(Iswitch2, &QAbstractButton::clicked, this, Guarded(this, &TForm9::Iswitch2Click));
    connect(IBtn1, &QAbstractButton::clicked, this, Guarded(this, &TForm9::IBtn1Click));
    connect(IBtn2, &QAbstractButton::clicked, this, Guarded(this, &TForm9::IBtn2Click));
    connect(c1, &QCheckBox::toggled, this, Guarded(this, &TForm9::c1Click));
    connect(c2, &QCheckBox::toggled, this, Guarded(this, &TForm9::c2Click));
    const auto onCheck = [this](QRadioButton* radio, void (TForm9::*handler)()) {
        connect(radio, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked) RunGuarded([&] { (this->*handler)(); });
        });
    };
    onCheck(RadioButton2, &TForm9::RadioButton2Click);
    onCheck(RadioButton1, &TForm9::RadioButton1Click);
    onCheck(RadioButton3, &TForm9::RadioButton3Click);
    connect(se1, &QSpinBox::valueChanged, this, Guarded(this, &TForm9::se1Change));
    connect(ExTrackBar1, &QSlider::valueChanged, this, Guarded(this, &TForm9::ExTrackBar1Change));
    Timer1->SetHandler([this] { Timer1Timer(); });
    Timer2->SetHandler([this] { Timer2Timer(); });
}
