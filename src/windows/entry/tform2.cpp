// TForm2: the initial-data window. One plane of the shaft is entered in four steps (length,
// bearings, forces, moments), each drawn on the page at once, and then calculated.
#include "windows/entry/tform2.h"

#include "analysis/load_entry.h"
#include "analysis/solver.h"
#include "windows/entry/tform2_pictures.h"
#include "windows/entry/tform4.h"
#include "windows/entry/tform4_pictures.h"
#include "windows/entry/tform5.h"
#include "windows/main/tform6.h"
#include "canvas/canvas_painting.h"
#include "common/errors.h"
#include "common/messages.h"
#include "common/number_text.h"
#include "diagrams/calculation_report.h"
#include "diagrams/dimension_chain.h"
#include "diagrams/load_symbols.h"
#include "windows/results/tform11.h"
#include "windows/results/tform3.h"
#include "document/design_journal.h"
#include "elements/element_entry.h"
#include "windows/main/design_windows.h"
#include "windows/editor/tform7.h"
#include "widgets/image_button.h"
#include "widgets/led.h"
#include "widgets/panel_skin.h"
#include "widgets/window_setup.h"

#include <QAction>
#include <QBitmap>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

TForm2* Form2 = nullptr;

namespace {

// The steps on the left as they always were; the list of entries beside them.
constexpr int kStepsWidth = 345;
const QSize kClientSize(594, 406);
const std::vector<int> kSeparatorRows{46, 110, 222, 334};
constexpr int kLedLeft = 14;
constexpr int kTextLeft = 40;
constexpr int kFieldLeft = 54;
constexpr int kEditLeft = 112; // every edit in one column, over its caption's blanks
constexpr int kButtonLeft = 262;
constexpr int kButtonWidth = 72;
constexpr int kButtonRight = kButtonLeft + kButtonWidth;

bool Horizontal() { return Form6->Data1->Oriz(); }

bool EntryStarted() { return DesignJournal.CurrentPlane().Step != TPlaneStep::NotStarted; }

void RemoveGlyph(QPushButton* button) { button->setIcon(QIcon()); }

// The glyphs are read from the working directory; an installed Korvel, started from anywhere,
// finds them in its share folder beside its bin folder.
QString GlyphFile(const QString& fileName)
{
    if (QFileInfo::exists(fileName)) return fileName;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/korvel/") + fileName;
}

// A refusal of what a field holds, its number or the rule it breaks, points at the field: it
// takes the focus with its text selected, so the user sees what to mend.
template <class Step>
auto PointingAt(QLineEdit* field, Step step)
{
    try {
        return step();
    } catch (const KorvelError&) {
        SelectField(*field);
        throw;
    }
}

long double ReadField(QLineEdit* field)
{
    return PointingAt(field, [field] { return StrToFloat(field->text()); });
}

void EnableAll(std::initializer_list<QWidget*> controls, bool enabled)
{
    for (QWidget* control : controls) control->setEnabled(enabled);
}

} // namespace

void LoadGlyph(QPushButton* button, const QString& fileName)
{
    const QImage image(GlyphFile(fileName));
    if (image.isNull()) {
        RemoveGlyph(button);
        return;
    }
    QPixmap glyph = QPixmap::fromImage(image);
    glyph.setMask(glyph.createMaskFromColor(image.pixelColor(0, image.height() - 1)));
    button->setIcon(QIcon(glyph));
}

TForm2::TForm2(QWidget* parent) : SkinnedWindow(parent, Qt::WindowStaysOnTopHint)
{
    setGeometry(QRect(QPoint(178, 20), kClientSize));
    setFixedSize(kClientSize);
    SetSkin(KeptSkin("entry", [] { return EntrySkin(kClientSize, kStepsWidth, kSeparatorRows); }));
    setFont(ScreenFont(TFont()));
    CreateLengthStep();
    CreateBearingStep();
    CreateForceStep();
    CreateMomentStep();
    BitBtn8 = AddButton("Calculate", 122, 352, 100);
    BitBtn8->setIcon(CalculateGlyph());
    n = new QLineEdit(this);
    n->setGeometry(0, 0, 0, 0);
    Action1 = new QAction(this);
    Action2 = new QAction(this);
    CreateEntryList();
    ConnectHandlers();
    ConnectEnterKeys();
    ConnectEntryKeys();
    EnterStep(TEntryStep::Length);
    FormCreate();
}

void TForm2::CreateLengthStep()
{
    Led1 = AddLed(14);
    Edit1 = AddField("Length :                            mm", kTextLeft, 14);
    BitBtn1 = AddButton("Apply", kButtonLeft, 10, kButtonWidth);
    BitBtn1->setIcon(LengthApplyGlyph());
}

void TForm2::CreateBearingStep()
{
    Led2 = AddLed(56);
    AddHeading("Add bearings :", 56);
    Edit2 = AddField("Position :                      mm", kFieldLeft, 80);
    BitBtn2 = AddButton("Add", kButtonLeft, 52, kButtonWidth);
    BitBtn3 = AddButton("Apply", kButtonLeft, 80, kButtonWidth);
}

void TForm2::CreateForceStep()
{
    Led3 = AddLed(120);
    AddHeading("Add forces :", 120);
    Edit3 = AddField("Position :                          mm", kFieldLeft, 144);
    Edit4 = AddField("Value :                               N", kFieldLeft, 170);
    AddLabel("Direction :", kFieldLeft, 196);
    auto* group = new QButtonGroup(this);
    rb1 = AddDirection(group, kEditLeft + 2, 196, ForceDirectionPicture(true));
    rb2 = AddDirection(group, kEditLeft + 36, 196, ForceDirectionPicture(false));
    rb1->setChecked(true);
    BitBtn4 = AddButton("Add", kButtonLeft, 116, kButtonWidth);
    BitBtn5 = AddButton("Apply", kButtonLeft, 144, kButtonWidth);
    b1 = AddButton("Distributed load", kButtonRight - 118, 190, 118);
    b1->setIcon(ConversionGlyph());
}

void TForm2::CreateMomentStep()
{
    Led4 = AddLed(232);
    AddHeading("Add moments :", 232);
    Edit5 = AddField("Position :                          mm", kFieldLeft, 256);
    Edit6 = AddField("Value :                               N*mm", kFieldLeft, 282);
    AddLabel("Direction :", kFieldLeft, 308);
    auto* group = new QButtonGroup(this);
    rb3 = AddDirection(group, kEditLeft + 2, 308, MomentDirectionPicture(true));
    rb4 = AddDirection(group, kEditLeft + 36, 308, MomentDirectionPicture(false));
    rb3->setChecked(true);
    BitBtn6 = AddButton("Add", kButtonLeft, 228, kButtonWidth);
    BitBtn7 = AddButton("Apply", kButtonLeft, 256, kButtonWidth);
    b2 = AddButton("Eccentric axial forces", kButtonRight - 148, 302, 148);
    b2->setIcon(ConversionGlyph());
}

void TForm2::ConnectHandlers()
{
    const std::pair<QPushButton*, void (TForm2::*)()> clicks[] = {
        {BitBtn1, &TForm2::BitBtn1Click}, {BitBtn2, &TForm2::BitBtn2Click}, {BitBtn3, &TForm2::BitBtn3Click},
        {BitBtn4, &TForm2::BitBtn4Click}, {BitBtn5, &TForm2::BitBtn5Click}, {BitBtn6, &TForm2::BitBtn6Click},
        {BitBtn7, &TForm2::BitBtn7Click}, {BitBtn8, &TForm2::BitBtn8Click}, {b1, &TForm2::b1Click},
        {b2, &TForm2::b2Click}};
    for (const auto& [button, handler] : clicks) connect(button, &QPushButton::clicked, this, Guarded(this, handler));
    connect(Action1, &QAction::triggered, this, Guarded(this, &TForm2::Action1Execute));
    connect(Action2, &QAction::triggered, this, Guarded(this, &TForm2::Action2Execute));
    connect(RemoveButton, &QPushButton::clicked, this, Guarded(this, &TForm2::RemoveButtonClick));
    connect(CloseButton, &QAbstractButton::clicked, this, &QWidget::close);
}

// Enter in a field presses the button of its step: "Add", or "Apply" where the step has no "Add".
// A button that is not enabled ignores the press.
void TForm2::ConnectEnterKeys()
{
    const std::pair<QLineEdit*, QPushButton*> keys[] = {{Edit1, BitBtn1}, {Edit2, BitBtn2}, {Edit3, BitBtn4},
                                                        {Edit4, BitBtn4}, {Edit5, BitBtn6}, {Edit6, BitBtn6}};
    for (const auto& [edit, button] : keys) connect(edit, &QLineEdit::returnPressed, button, &QPushButton::click);
}

Led* TForm2::AddLed(int top)
{
    auto* led = new Led(this);
    led->setGeometry(kLedLeft, top, 17, 17);
    return led;
}

QLabel* TForm2::AddLabel(const QString& text, int left, int top)
{
    auto* label = new QLabel(text, this);
    label->setGeometry(left, top, kButtonLeft - left - 2, 17);
    return label;
}

void TForm2::AddHeading(const QString& text, int top)
{
    TFont bold;
    bold.Bold = true;
    AddLabel(text, kTextLeft, top)->setFont(ScreenFont(bold));
}

// The caption's run of blanks is where the edit goes, so the unit after it stays in view.
QLineEdit* TForm2::AddField(const QString& caption, int left, int top)
{
    QLabel* label = AddLabel(caption, left, top);
    const QString beforeUnit = caption.left(caption.lastIndexOf(' ') + 1);
    const int unitLeft = left + label->fontMetrics().horizontalAdvance(beforeUnit);
    auto* edit = new QLineEdit(this);
    edit->setGeometry(kEditLeft, top - 2, unitLeft - 4 - kEditLeft, 21);
    return edit;
}

QPushButton* TForm2::AddButton(const QString& caption, int left, int top, int width)
{
    auto* button = new QPushButton(caption, this);
    button->setGeometry(left, top, width, 25);
    return button;
}

QRadioButton* TForm2::AddDirection(QButtonGroup* group, int left, int top, const QPixmap& picture)
{
    auto* radio = new QRadioButton(this);
    radio->setGeometry(left, top, 16, 18);
    group->addButton(radio);
    auto* image = new QLabel(this);
    image->setPixmap(picture);
    image->setGeometry(left + 17, top, picture.width(), picture.height());
    return radio;
}

void TForm2::FormCreate()
{
    InitialiseEntryState(Analysis);
    Edit1->setFocus();
}

// Everything that belongs to one step at once: which controls are enabled, the lit LED, and
// the step glyphs, shown only on the buttons of the open step.
void TForm2::EnterStep(TEntryStep step)
{
    const bool lastStep = step == TEntryStep::Moments || step == TEntryStep::Calculate;
    Led1->SetOn(step == TEntryStep::Length);
    Led2->SetOn(step == TEntryStep::Bearings);
    Led3->SetOn(step == TEntryStep::Forces);
    Led4->SetOn(lastStep);
    EnableAll({Edit1, BitBtn1}, step == TEntryStep::Length);
    EnableAll({Edit2, BitBtn2, BitBtn3}, step == TEntryStep::Bearings);
    EnableAll({Edit3, Edit4, rb1, rb2, BitBtn4, BitBtn5, b1}, step == TEntryStep::Forces);
    EnableAll({Edit5, Edit6}, lastStep);
    EnableAll({rb3, rb4, BitBtn6, BitBtn7, b2}, step == TEntryStep::Moments);
    BitBtn8->setEnabled(step == TEntryStep::Calculate);
    for (QPushButton* button : {BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6, BitBtn7})
        if (!button->isEnabled()) RemoveGlyph(button);
    if (step != TEntryStep::Length) RemoveGlyph(BitBtn1);
}

// The length makes the shaft new in every window: the old one's vertical moments and the
// editor's strips and positions go.
void TForm2::BitBtn1Click()
{
    const long double length = ReadField(Edit1);
    PointingAt(Edit1, [&] { EnterLength(length); });
    Analysis.VertDiagram.clear();
    Form7->ForgetDiagrams(true);
}

void TForm2::EnterLength(long double length)
{
    ApplyShaftLength(Analysis, length);
    DesignJournal.ApplyLength(length);
    FillEntryList();
    DrawShaftAxis(Form3->PageCanvas());
    EnterStep(TEntryStep::Bearings);
    LoadGlyph(BitBtn2, kAddGlyphFile);
    LoadGlyph(BitBtn3, kApplyGlyphFile);
    Edit2->setFocus();
}

void TForm2::BitBtn2Click()
{
    const long double position = ReadField(Edit2);
    PointingAt(Edit2, [&] { return EnterBearing(position); });
    DrawPageDimensions(Form3->PageCanvas(), Analysis);
    SelectField(*Edit2);
    EntryList->scrollToBottom();
}

Tvector TForm2::EnterBearing(long double position)
{
    const Tvector bearing = AddBearing(Analysis, position, Horizontal());
    DesignJournal.Record({TEntryKind::Bearing, position, 0, 1});
    AppendLastEntryRow();
    DrawBearing(Form3->PageCanvas(), bearing, Analysis.ShaftLength);
    return bearing;
}

void TForm2::BitBtn3Click()
{
    DesignJournal.Reach(TPlaneStep::Forces);
    EnterStep(TEntryStep::Forces);
    LoadGlyph(BitBtn4, kAddGlyphFile);
    LoadGlyph(BitBtn5, kApplyGlyphFile);
    Edit3->setFocus();
}

// Both numbers are read before anything is stored.
void TForm2::BitBtn4Click()
{
    const long double position = ReadField(Edit3);
    const long double value = ReadField(Edit4);
    PointingAt(Edit3, [&] { EnterForce(position, value, rb1->isChecked()); });
    DrawPageDimensions(Form3->PageCanvas(), Analysis);
    SelectField(*Edit3);
    EntryList->scrollToBottom();
}

void TForm2::EnterForce(long double position, long double value, bool withReactions)
{
    const Tvector force = AddForce(Analysis, position, value, withReactions, Horizontal());
    DesignJournal.Record({TEntryKind::Force, position, value, uint8_t(withReactions)});
    AppendLastEntryRow();
    DrawForce(Form3->PageCanvas(), force, Analysis.ShaftLength);
}

void TForm2::BitBtn5Click()
{
    DesignJournal.Reach(TPlaneStep::Moments);
    EnterStep(TEntryStep::Moments);
    LoadGlyph(BitBtn6, kAddGlyphFile);
    LoadGlyph(BitBtn7, kApplyGlyphFile);
    Edit5->setFocus();
}

void TForm2::BitBtn6Click()
{
    const long double position = ReadField(Edit5);
    const long double value = ReadField(Edit6);
    PointingAt(Edit5, [&] { EnterMoment(position, value, rb3->isChecked()); });
    DrawPageDimensions(Form3->PageCanvas(), Analysis);
    SelectField(*Edit5);
    EntryList->scrollToBottom();
}

void TForm2::EnterMoment(long double position, long double value, bool clockwise)
{
    const Tvector moment = AddMoment(Analysis, position, value, clockwise, Horizontal());
    DesignJournal.Record({TEntryKind::Moment, position, value, uint8_t(clockwise)});
    AppendLastEntryRow();
    DrawMomentSymbol(Form3->PageCanvas(), moment, Analysis.ShaftLength);
}

void TForm2::BitBtn7Click()
{
    n->setFocus();
    EnterStep(TEntryStep::Calculate);
    DesignJournal.Reach(TPlaneStep::Calculate);
}

// The solver checks its inputs before it changes anything: on a failure the window stays
// open with everything entered, and the page keeps its load scheme.
void TForm2::BitBtn8Click() { Calculate(TReportTexts::Written); }

void TForm2::Calculate(TReportTexts texts)
{
    const bool horizontal = Horizontal();
    if (DesignJournal.Elements.empty()) SolvePlane(Analysis, *Form6->Data1, Form7->PlaneSupportsNow());
    else SolveWithElements(horizontal);
    DesignJournal.Reach(TPlaneStep::Calculated);
    // A second "Calculate" would add the derived terms again; taking a load back opens it anew.
    BitBtn8->setEnabled(false);
    ReportResults(horizontal, texts);
    n->setFocus();
    close();
}

// The elements' loads follow the plane's own, entered on a copy: a refusal or a failed solve
// leaves the plane as it was, to be calculated again.
void TForm2::SolveWithElements(bool horizontal)
{
    TAnalysisState entered = Analysis;
    const Tincarcare terms = EnterElementLoads(entered, DesignJournal.Elements, ShaftDriveNow(), horizontal);
    SolvePlane(entered, *Form6->Data1, Form7->PlaneSupportsNow());
    Analysis = std::move(entered);
    Canvas& page = Form3->PageCanvas();
    for (const Tvector& term : terms) {
        if (term.Kind == 'm') DrawMomentSymbol(page, term, Analysis.ShaftLength);
        else DrawForce(page, term, Analysis.ShaftLength);
    }
    if (!terms.empty()) DrawPageDimensions(page, Analysis);
}

void TForm2::ReportResults(bool horizontal, TReportTexts texts)
{
    Canvas& page = Form3->PageCanvas();
    if (texts == TReportTexts::Written) WriteCalculationReport(page, Analysis, horizontal);
    else DrawResultDiagrams(page, Analysis);
    Form6->l1->setText("Mmax = " + FormatFloat(Analysis.NumFormat, Form6->Data1->MaxMom()));
    Form6->l2->setText("Critical cross section = " + IntToStr(Analysis.CriticalSection));
    if (!horizontal) Form11->FillReactions(Analysis.HorzReactions, Analysis.VertReactions, ShaftBearingCount(Analysis));
    move(x(), 20);
    Form3->ShowResults();
    if (!horizontal) Form11->show();
    Form7->ReceiveDiagrams(page, horizontal);
    if (horizontal) return;
    SortByPosition(Analysis.Points);
    Form7->ListPositions(Analysis.Points);
}

void TForm2::b1Click() { Form4->show(); }

void TForm2::b2Click() { Form5->show(); }

void TForm2::Action1Execute()
{
    StartShaft(Analysis);
    DesignJournal.StartShaft();
    FillEntryList();
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}) edit->clear();
    EnterStep(TEntryStep::Length);
    Form3->ClearPage();
}

void TForm2::Action2Execute()
{
    ResetPartialPlane(Analysis);
    DesignJournal.StartVertical();
    FillEntryList();
    for (QLineEdit* edit : {Edit3, Edit4, Edit5, Edit6}) edit->clear();
    EnterStep(TEntryStep::Forces);
    Form3->ClearPage();
}

// Left before anything was entered in a plane started anew, the entry gives the design back as
// it was; the replay shows the window again on the way.
void TForm2::closeEvent(QCloseEvent* event)
{
    SkinnedWindow::closeEvent(event);
    if (!DesignJournal.Replaced) return;
    RunGuarded([] { PutBackReplacedDesign(); });
    hide();
}

void TForm2::setVisible(bool visible)
{
    SkinnedWindow::setVisible(visible);
    if (visible) ComeToFront(*this);
    // Closed, the entry is brought back from the page's menu: to go on with the plane, or to
    // take a load back from it once it is calculated.
    if (Form3) Form3->InitialData1->setEnabled(!visible && EntryStarted());
}
