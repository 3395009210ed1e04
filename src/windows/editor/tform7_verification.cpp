// TForm7: the strength check of the drawing in its tool window, and the drawing out as DXF.
#include "windows/editor/tform7.h"

#include "analysis/analysis_state.h"
#include "check/plane_supports.h"
#include "windows/main/design_windows.h"
#include "windows/main/tform1.h"
#include "windows/main/tform6.h"
#include "common/errors.h"
#include "document/design_journal.h"
#include "export/dxf_export.h"
#include "common/whole_file.h"
#include "windows/editor/tform13.h"
#include "profile/verification.h"
#include "report/checks_without_windows.h"
#include "widgets/window_setup.h"
#include "windows/window_places.h"

#include <QPushButton>

namespace {

const QString kCheckWindowPlace = QStringLiteral("Places/ShaftCheck");

const TData& NavigationData()
{
    static const TData noPanel;
    return Form6 ? *Form6->Data1 : noPanel;
}

QPushButton* AddSmallButton(QWidget* parent, const QString& caption, const QString& hint, const QRect& place)
{
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(hint);
    button->setGeometry(place);
    return button;
}

} // namespace

// In the gap of the bottom row, between the line fields and the read-outs, one above the other.
void TForm7::CreateVerificationControls()
{
    VerificationButton = AddSmallButton(this, "Verification",
                                        "Check the drawn diameters against the required ones at every analysed position",
                                        QRect(326, 517, 104, 17));
    ExportDxfButton = AddSmallButton(this, "Export DXF...", "Save the drawing and its mirror image as a DXF file",
                                     QRect(326, 535, 104, 17));
    ExportPdfButton = AddSmallButton(this, "Export PDF...", "Save the whole calculation as a PDF report",
                                     QRect(326, 553, 104, 17));
    AskDxfFileName = [this] { return RunSaveDialog(this, "Export DXF", "DXF drawing (*.dxf)", "dxf"); };
    connect(VerificationButton, &QPushButton::clicked, this, Guarded(this, &TForm7::VerificationButtonClick));
    connect(ExportDxfButton, &QPushButton::clicked, this, Guarded(this, &TForm7::ExportDxfButtonClick));
    // The report is the whole design's, which the main window's File menu writes.
    connect(ExportPdfButton, &QPushButton::clicked, this, [] { RunGuarded([] { Form1->ExportPdfClick(); }); });
}

TForm13& TForm7::VerificationWindow()
{
    if (verificationWindow_) return *verificationWindow_;
    verificationWindow_ = new TForm13(this);
    // Beside the editor, whose drawing and buttons it must leave in sight, until the user puts it
    // somewhere else.
    if (!RestorePlace(*verificationWindow_, kCheckWindowPlace)) OpenBeside(*verificationWindow_, *this);
    RememberPlace(*verificationWindow_, kCheckWindowPlace);
    verificationWindow_->SetCheckInputs(checkInputs_);
    connect(verificationWindow_, &TForm13::CheckInputsApplied, this, Guarded(this, &TForm7::RefreshVerification));
    connect(verificationWindow_, &TForm13::RecalculateRequested, this, Guarded(this, &TForm7::RecalculatePlanes));
    return *verificationWindow_;
}

TCheckInputs TForm7::CheckInputs() const
{
    return verificationWindow_ ? verificationWindow_->CheckInputs() : checkInputs_;
}

void TForm7::SetCheckInputs(const TCheckInputs& inputs)
{
    if (verificationWindow_) verificationWindow_->SetCheckInputs(inputs);
    else checkInputs_ = inputs;
}

TPlaneSupports TForm7::PlaneSupportsNow() const
{
    return PlaneSupports(Analysis, {MemoLines(), Editor.ArcSteps, NavigationData().DPred()}, CheckInputs());
}

// Both planes entered again from the design as it stands, so that they take the section and the
// bearings' stiffness as they now are.
void TForm7::RecalculatePlanes()
{
    ReplayPlanes(CaptureDesign());
    RefreshVerification();
}

void TForm7::RefreshVerification()
{
    if (!verificationWindow_ || !verificationWindow_->isVisible()) return;
    TForm13& window = *verificationWindow_;
    window.ShowReactionsNote(AnotherSectionText(Analysis, PlaneSupportsNow()));
    const std::vector<long double> loads = LoadPositions(DesignJournal.Horizontal, DesignJournal.Vertical, DesignJournal.Elements);
    window.ShowShaftCheck(Analysis, loads, MemoLines(), Editor.ArcSteps);
    const TDimensioningInputs applied = DesignJournal.AppliedDimensioning.value_or(TDimensioningInputs{});
    window.ShowFatigue(Analysis, NavigationData(), {applied.Material, applied.TwistCycle}, MemoLines(),
                       Editor.ArcSteps);
    const TVerification* verification = Verification.Check(Analysis, NavigationData(), MemoLines(), Editor.ArcSteps);
    if (verification) window.ShowVerification(*verification);
}

void TForm7::VerificationButtonClick()
{
    VerificationWindow().show();
    ComeToFront(VerificationWindow());
    RefreshVerification();
}

// A drawing that cannot be exported is refused before the user picks a file.
void TForm7::ExportDxfButtonClick()
{
    const QByteArray bytes = DxfBytes(ProfileDrawing(MemoLines()));
    const QString fileName = ExportFileName(AskDxfFileName, "dxf");
    if (!fileName.isEmpty()) WriteWholeFile(fileName, bytes);
}
