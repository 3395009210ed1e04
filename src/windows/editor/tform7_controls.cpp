// The profile editor's controls: each at its place with its caption and hint, the floating panels,
// and the connections of their handlers.
#include "windows/editor/tform7.h"

#include "canvas/canvas_painting.h"
#include "common/errors.h"
#include "windows/editor/tform7_pictures.h"
#include "windows/editor/tform7_undo.h"
#include "widgets/image_button.h"
#include "widgets/panel_dragger.h"
#include "widgets/panel_skin.h"
#include "widgets/spin_edit.h"
#include "widgets/window_setup.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QWheelEvent>
#include <limits>

namespace {

const QSize kClientSize(670, 578);
const QSize kDrawingSize(605, 725);
const QStringList kMarkTypes{"None", "Square", "Circle"};
const QString kStepLineOnlyHint = "Draws the step's line only; \"Draw vertical lines\" (the first button of "
                                  "\"Operations\") then adds the shoulders and both end faces";

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

// The 9-pixel font of the read-outs and of the captions that must fit a narrow place.
QFont SmallFont()
{
    QFont small = ScreenFont(TFont{"Small Fonts", 7});
    small.setPixelSize(9);
    small.setLetterSpacing(QFont::AbsoluteSpacing, -0.5); // "x1: 120.00" within its column
    return small;
}

// Wrapped onto two lines in the small font, centred on the row of the field beside it.
QLabel* AddWrappedLabel(QWidget* parent, const QString& text, int left, int fieldTop, int width)
{
    QLabel* label = AddLabel(parent, text, QRect(left, fieldTop - 5, width, 32));
    label->setFont(SmallFont());
    label->setWordWrap(true);
    return label;
}

// A caption whose words stand in the gaps between fields, its blanks counted for a narrower
// font than ours: the characters are spaced so that the second word starts `secondWordLeft`
// pixels from the caption's left.
void SpaceWords(QLabel* label, int secondWordLeft)
{
    const QString text = label->text();
    const int secondWord = text.indexOf(QRegularExpression("\\S"), text.indexOf(' '));
    const int natural = label->fontMetrics().horizontalAdvance(text.left(secondWord));
    QFont font = label->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, qreal(secondWordLeft - natural) / secondWord);
    label->setFont(font);
}

QLineEdit* AddEdit(QWidget* parent, const QRect& place)
{
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(place);
    return edit;
}

QComboBox* AddMarkTypes(QWidget* parent, const QRect& place)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(kMarkTypes);
    box->setGeometry(place);
    return box;
}

SpinEdit* AddCornerSize(QWidget* parent, int left)
{
    auto* spin = new SpinEdit(parent);
    spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    spin->setGeometry(left, 20, 41, 22);
    spin->setEnabled(false);
    return spin;
}

} // namespace

TDrawingImage::TDrawingImage(QWidget* parent)
    : QWidget(parent), picture_(kDrawingSize, QImage::Format_RGB32), canvas_(picture_)
{
    setFixedSize(kDrawingSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus); // for Space, which pans while held
    picture_.fill(Qt::white);
}

Canvas& TDrawingImage::DrawingCanvas()
{
    update();
    return canvas_;
}

void TDrawingImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}

void TDrawingImage::mouseMoveEvent(QMouseEvent* event) { emit MouseMoved(event); }
void TDrawingImage::mousePressEvent(QMouseEvent* event) { emit MousePressed(event); }
void TDrawingImage::mouseReleaseEvent(QMouseEvent* event) { emit MouseReleased(event); }
void TDrawingImage::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void TDrawingImage::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) return event->ignore();
    emit ZoomWheeled(event);
    event->accept();
}

void TDrawingImage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) return QWidget::keyPressEvent(event);
    spaceHeld_ = true;
}

void TDrawingImage::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) return QWidget::keyReleaseEvent(event);
    if (!event->isAutoRepeat()) spaceHeld_ = false;
}

// The release would go to the widget that took the keyboard.
void TDrawingImage::focusOutEvent(QFocusEvent* event)
{
    spaceHeld_ = false;
    QWidget::focusOutEvent(event);
}

TFrame8::TFrame8(QWidget* parent) : QScrollArea(parent)
{
    Image1 = new TDrawingImage(this);
    setWidget(Image1);
}

TForm7::TForm7(QWidget* parent) : SkinnedWindow(parent, Qt::WindowStaysOnTopHint)
{
    setGeometry(QRect(QPoint(111, 15), kClientSize));
    setFixedSize(kClientSize);
    SetSkin(KeptSkin("editor",
                     [] { return RoundedPanelSkin(kClientSize, QColor(236, 240, 247), QColor(204, 214, 230)); }));
    setFont(ScreenFont(TFont()));
    Frame81 = new TFrame8(this);
    Frame81->setGeometry(19, 136, 622, 377);
    CreateInputs();
    CreateOperations();
    CreateLineFields();
    CreateDhlPanel();
    CreateSettingsPanel();
    CreateVerificationControls();
    CreateZoomControls();
    CreateBoreButton();
    FormCreate();
    ConnectHandlers();
    History = new TDrawingHistory(this);
}

void TForm7::CreateInputs()
{
    Label14 = AddWrappedLabel(this, "Add points for dimensioning/verification", 16, 22, 122);
    Edit5 = AddEdit(this, QRect(140, 22, 38, 21));
    BitBtn2 = new QPushButton("Add", this);
    BitBtn2->setGeometry(180, 24, 50, 22);
    sp5 = AddToggle("Show recomended diameters", QString(), 264, 24, 186);
    SpeedButton5 = AddToggle("Show equal strength profile", QString(), 456, 24, 190);
    Label1 = AddWrappedLabel(this, "The forces application points (X) :", 16, 53, 102);
    c1 = new QComboBox(this);
    c1->setEditable(true);
    c1->setInsertPolicy(QComboBox::NoInsert);
    c1->setGeometry(120, 53, 100, 21);
    Label2 = AddLabel(this, "Diameter :", QRect(230, 54, 56, 20));
    e1 = AddEdit(this, QRect(286, 53, 48, 21));
    Label3 = AddWrappedLabel(this, "Distance to the left:", 340, 53, 60);
    e2 = AddEdit(this, QRect(400, 53, 48, 21));
    Label4 = AddWrappedLabel(this, "Distance to the right:", 452, 53, 60);
    e3 = AddEdit(this, QRect(512, 53, 48, 21));
    const QString leftHint = "Added to X as typed: a negative value reaches left of X (X 100, -10: the step starts at 90)";
    Label3->setToolTip(leftHint);
    e2->setToolTip(leftHint);
    e2->setPlaceholderText("<0: left");
    b1 = new QPushButton("Apply", this);
    b1->setGeometry(568, 54, 75, 22);
    b1->setToolTip(kStepLineOnlyHint);
    sp8 = AddToolButton(this, DiametersGlyph(), "Show diameters", 488, 96);
    sp8->setCheckable(true);
    sp4 = AddToggle("DHL", "Drawing Helper Language", 560, 96, 40);
    sp6 = AddToggle("Settings", QString(), 600, 96, 60);
}

void TForm7::CreateOperations()
{
    GroupBox2 = new QGroupBox("Operations", this);
    GroupBox2->setGeometry(42, 80, 431, 49);
    SetPlainBackground(*GroupBox2, ColorFromValue(13091527));
    SpeedButton4 = AddToolButton(GroupBox2, VerticalLinesGlyph(), "Draw vertical lines", 10, 18);
    SpeedButton2 = AddToolButton(GroupBox2, DrawLinesGlyph(), "Draw lines", 42, 18);
    SpeedButton6 = AddToolButton(GroupBox2, ModifyLinesGlyph(), "Modify lines", 74, 18);
    SpeedButton7 = AddToolButton(GroupBox2, DeleteLinesGlyph(), "Delete lines", 106, 18);
    SpeedButton3 = AddToolButton(GroupBox2, ChamferGlyph(), "Chamfer", 168, 18);
    SpeedButton1 = AddToolButton(GroupBox2, FilletGlyph(), "Fillet", 392, 18);
    for (QToolButton* tool : {SpeedButton2, SpeedButton6, SpeedButton7, SpeedButton3, SpeedButton1})
        tool->setCheckable(true);
    Label5 = AddLabel(GroupBox2, "D1                                D2   R", QRect(200, 24, 144, 16));
    SpaceWords(Label5, 110); // D2 after its editor, R before its own
    Label5->lower();
    eo1 = AddCornerSize(GroupBox2, 216);
    eo2 = AddCornerSize(GroupBox2, 264);
    eo3 = AddCornerSize(GroupBox2, 344);
}

void TForm7::CreateLineFields()
{
    Label13 = AddLabel(this, "X1             R1              X2             R2", QRect(32, 532, 224, 16));
    SpaceWords(Label13, 54); // each caption in the gap before its field
    std::array<QLineEdit**, 4> edits{&Edit1, &Edit2, &Edit3, &Edit4};
    const int lefts[] = {48, 101, 156, 208};
    for (int i = 0; i < 4; ++i) *edits[i] = AddEdit(this, QRect(lefts[i], 529, 37, 21));
    sp7 = AddToggle("Modify", QString(), 256, 530, 60);
    sp7->setCheckable(false);
    EnableLineFields(false);
    Shape1 = new QFrame(this);
    Shape1->setGeometry(440, 526, 145, 30);
    Shape1->setFrameShape(QFrame::Box);
    SetPlainBackground(*Shape1, ColorFromValue(14145495));
    const QFont small = SmallFont();
    std::array<QLabel**, 6> readOuts{&l1, &l2, &l3, &l4, &l5, &l6};
    const QString texts[] = {"x1: 00.00", "y1: 00.00", "x2: 00.00", "y2: 00.00", "dx: 00.00", "dy: 00.00"};
    for (int i = 0; i < 6; ++i) {
        *readOuts[i] = AddLabel(this, texts[i], QRect(448 + 48 * (i / 2), 530 + 10 * (i % 2), 46, 10));
        (*readOuts[i])->setFont(small);
    }
    IBtn2 = new ImageButton(this);
    IBtn2->setGeometry(608, 520, 41, 41);
    IBtn2->SetPicture(SolidPicture(41));
}

void TForm7::CreateDhlPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setGeometry(192, 184, 257, 249);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    SetPlainBackground(*Panel1, QColor(212, 218, 230));
    AddLabel(Panel1, "DHL code :", QRect(8, 6, 120, 16));
    Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setGeometry(7, 24, 242, 209);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette colours = Memo1->palette();
    colours.setColor(QPalette::Base, ColorFromValue(15724527));
    Memo1->setPalette(colours);
    BitBtn4 = new QPushButton("Generate", Panel1);
    BitBtn4->setGeometry(176, 224, 73, 17);
    Panel1->hide();
    new PanelDragger(Panel1, Panel1);
}

void TForm7::CreateSettingsPanel()
{
    Panel2 = new QFrame(this);
    Panel2->setGeometry(312, 376, 313, 121);
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Raised);
    SetPlainBackground(*Panel2, QColor(212, 218, 230));
    GroupBox1 = new QGroupBox("Settings", Panel2);
    GroupBox1->setGeometry(6, 4, 301, 111);
    AddLabel(GroupBox1, "Thickness", QRect(60, 22, 70, 16));
    AddLabel(GroupBox1, "Mark thickness", QRect(130, 22, 90, 16));
    AddLabel(GroupBox1, "Mark type", QRect(222, 22, 70, 16));
    AddLabel(GroupBox1, "Arcs", QRect(10, 46, 46, 16));
    AddLabel(GroupBox1, "Lines", QRect(10, 78, 46, 16));
    ed1 = AddEdit(GroupBox1, QRect(60, 44, 50, 21));
    ed3 = AddEdit(GroupBox1, QRect(130, 44, 50, 21));
    cb1 = AddMarkTypes(GroupBox1, QRect(222, 44, 70, 22));
    ed2 = AddEdit(GroupBox1, QRect(60, 76, 50, 21));
    ed4 = AddEdit(GroupBox1, QRect(130, 76, 50, 21));
    cb2 = AddMarkTypes(GroupBox1, QRect(222, 76, 70, 22));
    Panel2->hide();
    new PanelDragger(Panel2, Panel2);
    new PanelDragger(GroupBox1, Panel2);
}

QToolButton* TForm7::AddToolButton(QWidget* parent, const QIcon& glyph, const QString& hint, int left, int top)
{
    auto* button = new QToolButton(parent);
    button->setIcon(glyph);
    button->setIconSize(QSize(18, 18));
    button->setToolTip(hint);
    button->setGeometry(left, top, 25, 25);
    button->setAutoRaise(false);
    return button;
}

QToolButton* TForm7::AddToggle(const QString& caption, const QString& hint, int left, int top, int width)
{
    auto* button = new QToolButton(this);
    button->setText(caption);
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setGeometry(left, top, width, 23);
    return button;
}

void TForm7::ConnectHandlers()
{
    const std::pair<QAbstractButton*, void (TForm7::*)()> clicks[] = {
        {sp4, &TForm7::sp4Click},
        {sp6, &TForm7::sp6Click},
        {BitBtn4, &TForm7::BitBtn4Click},
        {SpeedButton1, &TForm7::SpeedButton1Click},
        {SpeedButton2, &TForm7::SpeedButton2Click},
        {SpeedButton3, &TForm7::SpeedButton3Click},
        {SpeedButton6, &TForm7::SpeedButton6Click},
        {SpeedButton7, &TForm7::SpeedButton7Click},
        {sp7, &TForm7::sp7Click},
        {b1, &TForm7::b1Click},
        {BitBtn2, &TForm7::BitBtn2Click},
        {sp8, &TForm7::sp8Click},
        {sp5, &TForm7::sp5Click},
        {SpeedButton5, &TForm7::SpeedButton5Click},
        {SpeedButton4, &TForm7::SpeedButton4Click},
        {IBtn2, &TForm7::IBtn2Click}};
    for (const auto& [button, handler] : clicks) connect(button, &QAbstractButton::clicked, this, Guarded(this, handler));
    const std::pair<QLineEdit*, void (TForm7::*)()> edits[] = {
        {ed1, &TForm7::ed1Change}, {ed2, &TForm7::ed2Change}, {ed3, &TForm7::ed3Change}, {ed4, &TForm7::ed4Change}};
    for (const auto& [edit, handler] : edits) connect(edit, &QLineEdit::textChanged, this, Guarded(this, handler));
    connect(cb1, &QComboBox::editTextChanged, this, Guarded(this, &TForm7::cb1Change));
    connect(cb2, &QComboBox::editTextChanged, this, Guarded(this, &TForm7::cb2Change));
    // A spin editor reports a value only for a text that is a whole number.
    connect(eo1, &QSpinBox::valueChanged, this, Guarded(this, &TForm7::eo1Change));
    connect(eo2, &QSpinBox::valueChanged, this, Guarded(this, &TForm7::eo2Change));
    connect(eo3, &QSpinBox::valueChanged, this, Guarded(this, &TForm7::eo3Change));
    TDrawingImage* image = Frame81->Image1;
    connect(image, &TDrawingImage::MouseMoved, this,
            [this](QMouseEvent* event) { RunGuarded([&] { Frame81Image1MouseMove(event); }); });
    connect(image, &TDrawingImage::MousePressed, this,
            [this](QMouseEvent* event) { RunGuarded([&] { Frame81Image1MouseDown(event); }); });
    connect(image, &TDrawingImage::MouseReleased, this,
            [this](QMouseEvent* event) { RunGuarded([&] { Frame81Image1MouseUp(event); }); });
    connect(image, &TDrawingImage::ZoomWheeled, this,
            [this](QWheelEvent* event) { RunGuarded([&] { Frame81Image1ZoomWheel(event); }); });
}
