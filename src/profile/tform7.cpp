// TForm7: the 2D profile editor. The window reads its controls and the pointer, calls the drawing
// logic and writes the results back; the drawing itself is the text of Memo1.
#include "profile/tform7.h"

#include "analysis/analysis_state.h"
#include "app/tform6.h"
#include "canvas/canvas_painting.h"
#include "common/errors.h"
#include "common/messages.h"
#include "common/number_text.h"
#include "document/design_journal.h"
#include "profile/corner_tool.h"
#include "profile/dhl_rendering.h"
#include "profile/editor_commands.h"
#include "profile/editor_tools.h"
#include "profile/memo_text.h"
#include "profile/strength_overlays.h"
#include "widgets/panel_dragger.h"
#include "profile/tform7_pictures.h"
#include "profile/tform7_undo.h"
#include "profile/vertical_lines.h"
#include "view3d/tform9_build.h"
#include "widgets/image_button.h"
#include "widgets/panel_skin.h"
#include "widgets/spin_edit.h"
#include "widgets/window_setup.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <limits>

TForm7* Form7 = nullptr;

namespace {

const QSize kClientSize(670, 578);
const QSize kDrawingSize(605, 725);
constexpr int kSchemeRows = 130; // page rows 0 to 130: the load scheme
constexpr int kMomentTop = 285;  // page rows 285 to 385: the moment diagram
constexpr int kMomentRows = 100;
constexpr int kHorizontalTop = 210;
constexpr int kVerticalTop = 485;
const QStringList kMarkTypes{"None", "Square", "Circle"};

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

// The item whose text the box shows; -1 (no marks) for a text of the user's own.
uint8_t MarkType(const QComboBox* box) { return uint8_t(box->findText(box->currentText(), Qt::MatchExactly)); }

bool Alone(const QMouseEvent* event)
{
    return (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0 &&
           event->buttons() == event->button();
}

} // namespace

TDrawingImage::TDrawingImage(QWidget* parent)
    : QWidget(parent), picture_(kDrawingSize, QImage::Format_RGB32), canvas_(picture_)
{
    setFixedSize(kDrawingSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
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
void TDrawingImage::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

TFrame8::TFrame8(QWidget* parent) : QScrollArea(parent)
{
    Image1 = new TDrawingImage(this);
    setWidget(Image1);
}

TForm7::TForm7(QWidget* parent) : SkinnedWindow(parent, Qt::WindowStaysOnTopHint)
{
    setGeometry(QRect(QPoint(111, 15), kClientSize));
    setFixedSize(kClientSize);
    SetSkin(RoundedPanelSkin(kClientSize, QColor(236, 240, 247), QColor(204, 214, 230)));
    setFont(ScreenFont(TFont()));
    Frame81 = new TFrame8(this);
    Frame81->setGeometry(19, 136, 622, 377);
    CreateInputs();
    CreateOperations();
    CreateLineFields();
    CreateDhlPanel();
    CreateSettingsPanel();
    CreateVerificationControls();
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
    b1 = new QPushButton("Apply", this);
    b1->setGeometry(568, 54, 75, 22);
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
}

QStringList TForm7::MemoLines() const { return TextLines(Memo1->toPlainText()); }

void TForm7::SetMemoLines(const QStringList& lines) { Memo1->setPlainText(LinesText(lines)); }

bool TForm7::EditMemo(const std::function<bool(QStringList&)>& edit)
{
    const QStringList before = MemoLines();
    QStringList memo = before;
    bool redraw = false;
    try {
        redraw = edit(memo);
    } catch (...) {
        if (memo != before) SetMemoLines(memo);
        if (History) History->NoteChange();
        throw;
    }
    if (memo != before) SetMemoLines(memo);
    if (redraw) Redraw();
    if (History) History->NoteChange();
    return redraw;
}

void TForm7::Redraw()
{
    Generate(MemoLines(), Frame81->Image1->DrawingCanvas(), Editor, Analysis);
    RefreshVerification();
    if (History) History->NoteChange();
}

// 1:1 over the page's width: both images place a shaft position in the same column.
void TForm7::ReceiveDiagrams(const Canvas& page, bool horizontal)
{
    Canvas& drawing = Frame81->Image1->DrawingCanvas();
    const int top = horizontal ? kHorizontalTop : kVerticalTop;
    const int width = page.Width();
    drawing.CopyRect(QRect(0, top, width, kSchemeRows), page, QRect(0, 0, width, kSchemeRows));
    drawing.CopyRect(QRect(0, top + kSchemeRows, width, kMomentRows), page,
                     QRect(0, kMomentTop, width, kMomentRows));
    if (!horizontal) {
        drawing.TextOut(20, 265, "[H]");
        drawing.TextOut(20, 540, "[V]");
    }
    // A new calculation changes the moments the open table was worked out from. A drawing that
    // does not read is reported without stopping the calculation that brought the diagrams.
    RunGuarded([this] { RefreshVerification(); });
}

void TForm7::ListPositions(const TPuncte& points)
{
    c1->clear();
    for (const TShaftPoint& point : points) c1->addItem(FloatToStr(point.Position));
    c1->setCurrentIndex(0);
}

TStrengthInputs CurrentStrengthInputs()
{
    static const TData noPanel;
    return StrengthInputsOf(Analysis, Form6 ? *Form6->Data1 : noPanel);
}

void TForm7::FormCreate()
{
    InstallStrengthOverlays(Editor, CurrentStrengthInputs);
    cb1->setCurrentIndex(1);
    cb2->setCurrentIndex(1);
    ed1->setText("2");
    ed2->setText("2");
    ed3->setText("1");
    ed4->setText("1");
    for (SpinEdit* spin : {eo1, eo2, eo3}) spin->setValue(2);
    Editor.FilletRadius = eo3->value();
    Editor.ChamferD1 = eo1->value();
    Editor.ChamferD2 = eo2->value();
}

void TForm7::sp4Click()
{
    Panel1->setVisible(sp4->isChecked());
    Panel1->raise();
}

void TForm7::sp6Click()
{
    Panel2->setVisible(sp6->isChecked());
    Panel2->raise();
}

void TForm7::BitBtn4Click() { Redraw(); }

void TForm7::ed1Change()
{
    if (ed1->text().isEmpty()) return;
    Editor.ArcWidth = ReadWidth(ed1->text());
    Redraw();
}

void TForm7::ed2Change()
{
    if (ed2->text().isEmpty()) return;
    Editor.LineWidth = ReadWidth(ed2->text());
    Redraw();
}

void TForm7::ed3Change()
{
    if (ed3->text().isEmpty()) return;
    Editor.ArcMarkWidth = ReadWidth(ed3->text());
    Redraw();
}

void TForm7::ed4Change()
{
    if (ed4->text().isEmpty()) return;
    Editor.LineMarkWidth = ReadWidth(ed4->text());
    Redraw();
}

void TForm7::cb1Change()
{
    Editor.ArcMarkType = MarkType(cb1);
    Redraw();
}

void TForm7::cb2Change()
{
    Editor.LineMarkType = MarkType(cb2);
    Redraw();
}

void TForm7::eo1Change() { Editor.ChamferD1 = eo1->value(); }

void TForm7::eo2Change() { Editor.ChamferD2 = eo2->value(); }

void TForm7::eo3Change()
{
    Editor.FilletRadius = eo3->value();
    Editor.ChamferD1 = Editor.ChamferD2 = Editor.FilletRadius;
}

// One group that may be all up: a button that goes down raises the others.
void TForm7::RaiseOtherTools(QToolButton* pressed)
{
    for (QToolButton* tool : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton6, SpeedButton7})
        if (tool != pressed) tool->setChecked(false);
}

void TForm7::EnableLineFields(bool enabled)
{
    for (QWidget* control : std::initializer_list<QWidget*>{Edit1, Edit2, Edit3, Edit4, sp7})
        control->setEnabled(enabled);
}

void TForm7::EnableCornerSizes(bool d1d2, bool r)
{
    eo1->setEnabled(d1d2);
    eo2->setEnabled(d1d2);
    eo3->setEnabled(r);
}

void TForm7::SpeedButton1Click()
{
    RaiseOtherTools(SpeedButton1);
    SelectTool(Editor, TTool::Fillet);
    EnableLineFields(false);
    EnableCornerSizes(false, true);
    Editor.FilletRadius = eo3->value();
    Editor.ChamferD1 = Editor.ChamferD2 = Editor.FilletRadius;
}

void TForm7::SpeedButton2Click()
{
    RaiseOtherTools(SpeedButton2);
    SelectTool(Editor, TTool::Draw);
    EnableLineFields(false);
}

void TForm7::SpeedButton3Click()
{
    RaiseOtherTools(SpeedButton3);
    SelectTool(Editor, TTool::Chamfer);
    EnableLineFields(false);
    EnableCornerSizes(true, false);
    Editor.ChamferD1 = eo1->value();
    Editor.ChamferD2 = eo2->value();
}

void TForm7::SpeedButton6Click()
{
    RaiseOtherTools(SpeedButton6);
    SelectTool(Editor, TTool::Modify);
    EnableLineFields(true);
    sp7->setText("Modify");
    EnableCornerSizes(false, false);
}

void TForm7::SpeedButton7Click()
{
    RaiseOtherTools(SpeedButton7);
    SelectTool(Editor, TTool::Delete);
    EnableLineFields(true);
    sp7->setText("Delete");
    EnableCornerSizes(false, false);
}

void TForm7::sp7Click()
{
    if (Editor.ModifyMode) {
        const std::array<QString, 4> texts{Edit1->text(), Edit2->text(), Edit3->text(), Edit4->text()};
        if (!EditMemo([&](QStringList& memo) { return ModifySelected(Editor, memo, texts); })) return;
        for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4}) edit->clear();
    } else if (Editor.DeleteMode) {
        EditMemo([&](QStringList& memo) { return DeleteSelected(Editor, memo); });
    }
}

void TForm7::ShowReadOuts(const std::array<QString, 6>& texts)
{
    const std::array<QLabel*, 6> labels{l1, l2, l3, l4, l5, l6};
    for (int i = 0; i < 6; ++i) labels[i]->setText(texts[i]);
}

// A move that loses a highlight or a box redraws once, then draws what the pointer is over now.
void TForm7::Frame81Image1MouseMove(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const TTracking tracking = TrackPointer(Editor, at.x(), at.y(), Analysis.ShaftLength);
    if (tracking.ReadOuts) ShowReadOuts(*tracking.ReadOuts);
    if (tracking.Redraw) Redraw();
    if (!tracking.Marks.empty()) DrawTracking(Frame81->Image1->DrawingCanvas(), tracking, Editor, Analysis.ShaftLength);
}

void TForm7::Frame81Image1MouseDown(QMouseEvent* event)
{
    if (!Alone(event)) return;
    if (event->button() == Qt::RightButton) ResetTools();
    if (event->button() == Qt::LeftButton) PressLeft();
}

void TForm7::PressLeft()
{
    if (Editor.ModifyMode || Editor.DeleteMode) {
        std::optional<std::array<QString, 4>> picked;
        EditMemo([&](QStringList& memo) { return (picked = PickLine(Editor, memo)).has_value(); });
        if (picked)
            for (int i = 0; i < 4; ++i) std::array<QLineEdit*, 4>{Edit1, Edit2, Edit3, Edit4}[i]->setText((*picked)[i]);
    } else if (Editor.DrawMode) {
        EditMemo([&](QStringList& memo) { return DrawLinesPress(Editor, memo); });
    }
    if (Editor.CornerMode) PressForCorner();
}

// The second line is shown red while a refusal is reported; both come back unmarked.
void TForm7::PressForCorner()
{
    if (!Editor.FirstLinePicked) {
        EditMemo([&](QStringList& memo) { return PickFirstCornerLine(Editor, memo); });
        return;
    }
    if (!EditMemo([&](QStringList& memo) { return PickSecondCornerLine(Editor, memo); })) return;
    TCornerOutcome outcome = TCornerOutcome::Cut;
    EditMemo([&](QStringList& memo) {
        outcome = FinishCorner(Editor, memo);
        return false;
    });
    if (outcome == TCornerOutcome::TooLong) ShowMessage(kCutTooLong);
    if (outcome == TCornerOutcome::NegativeSize) ShowMessage(kNegativeCut);
    Redraw();
}

void TForm7::ResetTools()
{
    for (QToolButton* tool : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton6, SpeedButton7})
        tool->setChecked(false);
    LeaveTools(Editor);
    EditMemo([&](QStringList& memo) {
        ClearMarks(memo, Frame81->Image1->DrawingCanvas(), Editor, Analysis);
        return false;
    });
    RefreshVerification();
}

void TForm7::b1Click()
{
    const long double x = StrToFloat(c1->currentText());
    const long double diameter = StrToFloat(e1->text());
    const long double left = StrToFloat(e2->text());
    const long double right = StrToFloat(e3->text());
    EditMemo([&](QStringList& memo) {
        memo.append(StepLineStatement(x, diameter, left, right));
        return true;
    });
}

void TForm7::BitBtn2Click()
{
    const long double position = StrToFloat(Edit5->text());
    AddDimensioningPoint(Analysis, position);
    DesignJournal.AddedPoints.push_back(position);
    Redraw();
}

void TForm7::sp8Click()
{
    Editor.ShowDiameters = sp8->isChecked();
    Redraw();
}

void TForm7::sp5Click()
{
    Editor.ShowRecommended = sp5->isChecked();
    Redraw();
    if (Editor.ShowRecommended) ReportStrengthProblem();
}

void TForm7::SpeedButton5Click()
{
    Editor.ShowEqualStrength = SpeedButton5->isChecked();
    Redraw();
    if (Editor.ShowEqualStrength) ReportStrengthProblem();
}

// Said once, when a strength overlay is switched on; the passes that follow simply leave the
// overlay out until a stress is stored, instead of repeating the message at every pointer move.
void TForm7::ReportStrengthProblem()
{
    const QString problem = StrengthRuleProblem(CurrentStrengthInputs());
    if (!problem.isEmpty()) ShowMessage(problem);
}

void TForm7::IBtn2Click()
{
    EditMemo([&](QStringList& memo) {
        Build3DModel(memo, Editor.ArcSteps);
        return false;
    });
}

void TForm7::SpeedButton4Click()
{
    EditMemo([&](QStringList& memo) {
        DrawVerticalLines(memo, Frame81->Image1->DrawingCanvas(), Editor, Analysis);
        return false;
    });
    RefreshVerification();
}
