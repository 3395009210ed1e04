// TForm6: the navigation panel, the program's control centre. Its picture buttons start the
// stages of the work; it owns the shared component Data1.
#include "windows/main/tform6.h"

#include "analysis/load_entry.h"
#include "windows/entry/tform2.h"
#include "windows/entry/tform14.h"
#include "windows/main/app_pictures.h"
#include "windows/main/design_windows.h"
#include "windows/main/tform1.h"
#include "document/design_journal.h"
#include "canvas/canvas.h"
#include "canvas/canvas_painting.h"
#include "common/errors.h"
#include "diagrams/dimension_chain.h"
#include "diagrams/editor_drawing.h"
#include "diagrams/load_symbols.h"
#include "windows/results/tform11.h"
#include "windows/results/tform3.h"
#include "windows/dimensioning/tform10.h"
#include "windows/editor/tform7.h"
#include "profile/editor_zoom.h"
#include "widgets/image_button.h"
#include "widgets/panel_skin.h"
#include "widgets/window_setup.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm6* Form6 = nullptr;

namespace {
const QSize kPanelSize(176, 505);
// The "Initial data" group holds two buttons; the two groups below it start one button lower,
// over the place of the results block, which is never shown.
constexpr int kSecondRow = 46;
constexpr unsigned kHeadingBar = 15263976;
constexpr int kBarLeft = 8;
constexpr int kBarWidth = 160;
constexpr int kButtonLeft = 14;
constexpr int kBigButton = 40;
constexpr int kSmallButton = 25;
} // namespace

TForm6::TForm6(QWidget* parent) : SkinnedWindow(parent, Qt::WindowStaysOnTopHint)
{
    setGeometry(QRect(QPoint(2, 51), kPanelSize));
    SetSkin(KeptSkin("planes panel", [] { return PanelSkin(kPanelSize); }));
    setFont(ScreenFont(TFont()));
    Data1 = new TData(this);
    BuildGroups();
    connect(IBtn5, &ImageButton::clicked, this, Guarded(this, &TForm6::IBtn5Click));
    connect(Bitbtn2, &ImageButton::clicked, this, Guarded(this, &TForm6::Bitbtn2Click));
    connect(BitBtn3, &ImageButton::clicked, this, Guarded(this, &TForm6::BitBtn3Click));
    connect(BitBtn4, &ImageButton::clicked, this, Guarded(this, &TForm6::BitBtn4Click));
    connect(IBtn6, &ImageButton::clicked, this, Guarded(this, &TForm6::IBtn6Click));
    connect(IBtn7, &ImageButton::clicked, this, Guarded(this, &TForm6::IBtn7Click));
    FormCreate();
}

void TForm6::FormCreate()
{
    Data1->SetOriz(false);
    Data1->SetMM(false);
    Data1->SetT3(true);
}

void TForm6::IBtn5Click()
{
    Form10->show();
    Form10->FirstField()->setFocus();
}

void TForm6::IBtn7Click() { Form14->show(); }

// Asked before the start takes entries with it; a start that follows one with nothing entered
// yet loses nothing more and asks nothing.
bool TForm6::MayStartAnew(bool horizontal)
{
    if (DesignJournal.Replaced || !DesignJournal.StartLosesEntries(horizontal)) return true;
    if (Form1 && !Form1->ConfirmLosingChanges()) return false;
    DesignJournal.KeepUntilEntered(CaptureDesign());
    return true;
}

// A new shaft carries none of the old one's elements; a start left empty puts them back.
void TForm6::Bitbtn2Click()
{
    if (!MayStartAnew(true)) return;
    DesignJournal.ForgetElements();
    Analysis.ElementDrive = {};
    Form14->ShowElements();
    StartHorizontalPlane();
}

// A new shaft without its length has no bearings to load: the design it replaced comes back first.
void TForm6::BitBtn3Click()
{
    if (DesignJournal.Replaced && DesignJournal.HorizontalCurrent) PutBackReplacedDesign();
    if (!MayStartAnew(false)) return;
    StartVerticalPlane();
    Form7->ForgetDiagrams(false);
}

// A new shaft: the entry starts at its length, on a cleared page.
void TForm6::StartHorizontalPlane()
{
    Form11->close();
    Analysis.HorzReactions = {};
    Form2->Action1->trigger();
    LoadGlyph(Form2->BitBtn1, kApplyGlyphFile);
    Form2->show();
    Form2->Edit1->setFocus();
    Form3->ShowPlane("Horizontal plane");
    Data1->SetOriz(true);
    KeepFirstEntry(Analysis.HorzDiagram);
}

// The same shaft and bearings, loaded again: the entry starts at the forces, and the page
// starts with the shaft and its bearings under their vertical names.
void TForm6::StartVerticalPlane()
{
    Form11->close();
    Analysis.VertReactions = {};
    KeepFirstEntry(Analysis.VertDiagram);
    Form2->Action2->trigger();
    LoadGlyph(Form2->BitBtn4, kAddGlyphFile);
    LoadGlyph(Form2->BitBtn5, kApplyGlyphFile);
    Form2->show();
    Form2->Edit3->setFocus();
    Form3->ShowPlane("Vertical plane");
    Data1->SetOriz(false);
    Canvas& page = Form3->PageCanvas();
    DrawShaftAxis(page);
    RenameBearingsVertical(Analysis.Reactions);
    for (const Tvector& bearing : Analysis.Reactions) DrawBearing(page, bearing, Analysis.ShaftLength);
    DrawPageDimensions(page, Analysis);
}

// The editor over the analysed positions: what it already shows stays, the chain and the
// markers are drawn over it.
void TForm6::BitBtn4Click()
{
    Form11->close();
    Form3->close();
    Canvas& drawing = Form7->Frame81->Image1->DrawingCanvas();
    DrawEditorDimensions(drawing, Analysis.Points, Analysis.ShaftLength);
    DrawPointMarkers(drawing, Analysis.Points, Analysis.ShaftLength);
    Form7->show();
    Form7->raise();
    Form7->activateWindow();
    Form7->Frame81->setFocus();
    // The markers just drawn fit the whole shaft, as the strips do; a zoomed band is drawn again.
    if (IsZoomed(Form7->Editor.Zoom)) Form7->BitBtn4Click();
}

// The same build as the editor's own 3D button.
void TForm6::IBtn6Click() { Form7->IBtn2Click(); }

void TForm6::BuildGroups()
{
    Label1 = AddHeading("Initial data", 30);
    IBtn5 = AddButton(kButtonLeft, 54, kBigButton);
    IBtn5->SetPictureDrawer(DrawInitialDataGlyph);
    Label5 = AddCaption("Initial data", IBtn5);
    IBtn7 = AddButton(kButtonLeft, 54 + kSecondRow, kBigButton);
    IBtn7->SetPictureDrawer(DrawShaftElementsGlyph);
    Label11 = AddCaption("Shaft elements", IBtn7);

    constexpr int down = kSecondRow;
    Label2 = AddHeading("Strength calculus", 108 + down);
    Bitbtn2 = AddButton(kButtonLeft, 132 + down, kBigButton);
    Bitbtn2->SetPictureDrawer(DrawHorizontalPlaneGlyph);
    Label6 = AddCaption("      Load in horizontal plane", Bitbtn2);
    BitBtn3 = AddButton(kButtonLeft, 182 + down, kBigButton);
    BitBtn3->SetPictureDrawer(DrawVerticalPlaneGlyph);
    Label7 = AddCaption("     Load in vertical plane", BitBtn3);

    Label3 = AddHeading("Design", 236 + down);
    BitBtn4 = AddButton(kButtonLeft, 260 + down, kBigButton);
    BitBtn4->SetPictureDrawer(DrawProfileGlyph);
    Label8 = AddCaption("2D Drawing", BitBtn4);
    IBtn6 = AddButton(kButtonLeft, 310 + down, kBigButton);
    IBtn6->SetPictureDrawer(DrawSolidGlyph);
    Label10 = AddCaption("3D model ", IBtn6);

    // Every calculation writes its results here, but the block is never shown.
    Label9 = AddResultLabel("Rezultate", 362);
    l2 = AddResultLabel("Sectiunea perculoasa = ", 378);
    l1 = AddResultLabel("Mmax = ", 394);

    Label4 = AddHeading("Vizionare", 420);
    ImageButton** viewButtons[] = {&IBtn1, &IBtn2, &IBtn3, &IBtn4};
    for (int i = 0; i < 4; ++i) {
        *viewButtons[i] = AddButton(kButtonLeft + 2 + 40 * i, 446, kSmallButton);
        (*viewButtons[i])->SetPictureDrawer([i](QPainter& painter, const QRect& area) { DrawViewGlyph(painter, area, i); });
    }
}

QLabel* TForm6::AddHeading(const QString& text, int top)
{
    auto* heading = new QLabel(text, this);
    TFont bold;
    bold.Bold = true;
    heading->setFont(ScreenFont(bold));
    heading->setGeometry(kBarLeft, top, kBarWidth, 17);
    heading->setIndent(4);
    SetPlainBackground(*heading, ColorFromValue(kHeadingBar));
    return heading;
}

QLabel* TForm6::AddCaption(const QString& text, const ImageButton* button)
{
    auto* caption = new QLabel(text, this);
    const int left = button->geometry().right() + 6;
    caption->setGeometry(left, button->y(), kBarLeft + kBarWidth - left, button->height());
    caption->setWordWrap(true);
    return caption;
}

QLabel* TForm6::AddResultLabel(const QString& text, int top)
{
    auto* label = new QLabel(text, this);
    label->move(kButtonLeft, top);
    label->adjustSize();
    label->hide();
    return label;
}

ImageButton* TForm6::AddButton(int left, int top, int side)
{
    auto* button = new ImageButton(this);
    button->setGeometry(left, top, side, side);
    return button;
}
