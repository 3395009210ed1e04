// Taking the open design from the windows and giving it back to them.
#include "windows/main/design_windows.h"

#include "check/plane_supports.h"
#include "windows/main/tform1.h"

#include "analysis/analysis_state.h"
#include "windows/entry/tform2.h"
#include "windows/entry/tform14.h"
#include "windows/main/tform6.h"
#include "windows/main/window_set.h"
#include "diagrams/dimension_chain.h"
#include "windows/results/tform3.h"
#include "common/errors.h"
#include "dimensioning/pre_dimensioning.h"
#include "document/decimal_texts.h"
#include "document/design_file.h"
#include "document/design_journal.h"
#include "document/design_replay.h"
#include "elements/element_entry.h"
#include "windows/dimensioning/tform10.h"
#include "profile/editor_commands.h"
#include "windows/editor/tform13.h"
#include "windows/editor/tform7.h"
#include "windows/editor/tform7_undo.h"
#include "windows/view3d/tform9.h"
#include "widgets/spin_edit.h"
#include "widgets/track_bar.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QToolButton>

namespace {

TDimensioningInputs CaptureDimensioning()
{
    if (DesignJournal.AppliedDimensioning) return *DesignJournal.AppliedDimensioning;
    return Form10->Inputs(false);
}

TEditorSettings CaptureSettings()
{
    const TEditorState& editor = Form7->Editor;
    return {editor.ArcWidth, editor.ArcMarkWidth, editor.ArcMarkType,
            editor.LineWidth, editor.LineMarkWidth, editor.LineMarkType};
}

TViewSettings CaptureView()
{
    TSlicesChoice slices = TSlicesChoice::Slices32;
    if (Form9->RadioButton1->isChecked()) slices = TSlicesChoice::Slices16;
    if (Form9->RadioButton3->isChecked()) slices = TSlicesChoice::SpinValue;
    return {slices, Form9->se1->value(), Form9->ExTrackBar1->value()};
}

// Each step of the plane enters the entries of its kind, then its "Apply" opens the next;
// `before` counts the entries of the planes entered earlier.
void EnterPlane(const TPlaneEntries& plane, bool horizontal, int before, TPointFeed& points,
                TReportTexts texts = TReportTexts::Written)
{
    const auto enterKind = [&](TEntryKind kind) {
        for (size_t i = 0; i < plane.Entries.size(); ++i) {
            const TLoadEntry& entry = plane.Entries[i];
            if (entry.Kind != kind) continue;
            points.PlaceUpTo(before + int(i));
            if (kind == TEntryKind::Bearing) Form2->EnterBearing(entry.Position);
            if (kind == TEntryKind::Force) Form2->EnterForce(entry.Position, entry.Value, entry.Direction == 1);
            if (kind == TEntryKind::Moment) Form2->EnterMoment(entry.Position, entry.Value, entry.Direction == 1);
        }
    };
    if (plane.Step >= TPlaneStep::Bearings) enterKind(TEntryKind::Bearing);
    if (plane.Step >= TPlaneStep::Forces) {
        // The vertical plane starts at its forces.
        if (horizontal) Form2->BitBtn3Click();
        enterKind(TEntryKind::Force);
    }
    if (plane.Step >= TPlaneStep::Moments) {
        Form2->BitBtn5Click();
        enterKind(TEntryKind::Moment);
    }
    if (!plane.Entries.empty()) DrawPageDimensions(Form3->PageCanvas(), Analysis);
    if (plane.Step >= TPlaneStep::Calculate) Form2->BitBtn7Click();
    if (plane.Step >= TPlaneStep::Calculated) Form2->Calculate(texts);
}

// The elements before the planes: each plane takes their loads as it is calculated.
void TakeElements(const TDesign& design)
{
    Analysis.ElementDrive = ElementDriveOf(design.Elements, ShaftDriveOf(design));
    DesignJournal.Elements = design.Elements;
    DesignJournal.Rotation = design.Rotation;
}

void ApplyPlanes(const TDesign& design)
{
    TakeElements(design);
    Form2->OpenEntryBatch();
    const auto listed = qScopeGuard([] { Form2->CloseEntryBatch(); });
    TPointFeed points(design.AddedPoints, [](size_t, const TAddedPoint& point) {
        PlacePoint(Analysis, point);
        DesignJournal.RecordPoint(point.Position, point.OfForgottenLoad);
    });
    if (design.Horizontal.Step != TPlaneStep::NotStarted) {
        Form6->StartHorizontalPlane();
        if (design.Horizontal.Step >= TPlaneStep::Bearings) Form2->EnterLength(design.ShaftLength);
        const bool verticalFollows = design.Vertical.Step != TPlaneStep::NotStarted;
        EnterPlane(design.Horizontal, true, 0, points, verticalFollows ? TReportTexts::LeftOut : TReportTexts::Written);
    }
    if (design.Vertical.Step != TPlaneStep::NotStarted) {
        Form6->StartVerticalPlane();
        EnterPlane(design.Vertical, false, int(design.Horizontal.Entries.size()), points);
    }
    points.PlaceRest();
}

void ApplyDimensioning(const TDimensioningInputs& inputs)
{
    Form10->Edit1->setText(inputs.TwistingMoment);
    Form10->Edit2->setText(inputs.AllowTwistStress);
    Form10->Edit6->setText(inputs.StaticStress);
    Form10->Edit4->setText(inputs.PulsatoryStress);
    Form10->Edit5->setText(inputs.AlternatingStress);
    Form10->Edit3->setText(inputs.TorsionCoeff);
    Form10->c2->setCurrentText(inputs.Material);
    Form10->c1->setCurrentText(inputs.TwistCycle);
    Form10->rg2Items->button(inputs.Theory)->setChecked(true);
    Form10->EditTwistFrom->setText(inputs.TwistFrom);
    Form10->EditTwistTo->setText(inputs.TwistTo);
    if (inputs.Applied) Form10->BitBtn2Click();
}

void ShowResultingDiameter(long double diameter)
{
    Form6->Data1->SetDPred(diameter);
    Form10->Label7->setText(DiameterLabelText(diameter));
}

// A mark type beyond the list is what an unknown text in the box gives.
void SelectMarkType(QComboBox* box, uint8_t type)
{
    if (type < box->count()) box->setCurrentIndex(type);
    else box->setEditText(QString());
}

// The settings go in first, over the empty drawing, so that a text the drawing refuses is
// reported once, by the one pass that draws it.
void ApplyEditor(const TDesign& design)
{
    Form7->ed1->setText(QString::number(design.Settings.ArcWidth));
    Form7->ed2->setText(QString::number(design.Settings.LineWidth));
    Form7->ed3->setText(QString::number(design.Settings.ArcMarkWidth));
    Form7->ed4->setText(QString::number(design.Settings.LineMarkWidth));
    SelectMarkType(Form7->cb1, design.Settings.ArcMarkType);
    SelectMarkType(Form7->cb2, design.Settings.LineMarkType);
    Form7->SetMemoLines(design.Profile);
    // Switched on without the once-only note about a missing stress, which the user has seen.
    TEditorState& editor = Form7->Editor;
    editor.ShowDiameters = design.Overlays.ShowDiameters;
    editor.ShowRecommended = design.Overlays.ShowRecommended;
    editor.ShowEqualStrength = design.Overlays.ShowEqualStrength;
    Form7->ForgetZoom(); // a view of the shaft before
    Form7->sp8->setChecked(editor.ShowDiameters);
    Form7->sp5->setChecked(editor.ShowRecommended);
    Form7->SpeedButton5->setChecked(editor.ShowEqualStrength);
    RunGuarded([] { Form7->BitBtn4Click(); });
    Form7->History->Forget();
}

void ApplyView(const TViewSettings& view)
{
    Form9->se1->setValue(view.SpinSlices);
    Form9->ExTrackBar1->setValue(view.RevolutionAngle);
    const std::array<QRadioButton*, 3> slices{Form9->RadioButton2, Form9->RadioButton1, Form9->RadioButton3};
    slices[int(view.Slices)]->setChecked(true);
}

} // namespace

TShaftDrive ShaftDriveNow() { return {Form7->CheckInputs().Speed, DesignJournal.Rotation}; }

TDesign CaptureDesign()
{
    TDesign design;
    DesignJournal.CopyPlanesTo(design);
    design.Dimensioning = CaptureDimensioning();
    design.Profile = Form7->MemoLines();
    design.Settings = CaptureSettings();
    design.Overlays = {Form7->Editor.ShowDiameters, Form7->Editor.ShowRecommended, Form7->Editor.ShowEqualStrength};
    design.View = CaptureView();
    design.Check = Form7->CheckInputs();
    if (Form1) design.Report = Form1->ReportDetails;
    // The label is written only by the pre-dimensioning.
    if (!Form10->Label7->text().isEmpty()) design.ResultingDiameter = Form6->Data1->DPred();
    return StoredDecimals(design);
}

void ApplyDesign(const TDesign& stored)
{
    const TDesign design = ShownDecimals(stored);
    // The elements given as a power turn at the check's speed as the planes are calculated.
    Form7->SetCheckInputs(design.Check);
    ApplyPlanes(design);
    ApplyDimensioning(design.Dimensioning);
    if (design.ResultingDiameter) ShowResultingDiameter(*design.ResultingDiameter);
    ApplyEditor(design);
    ApplyView(design.View);
    if (Form1) Form1->ReportDetails = design.Report;
    // The planes came before the drawing: three or more bearings are solved again with it.
    if (MadeForAnotherSection(Analysis, Form7->PlaneSupportsNow())) ReplayPlanes(design);
}

void ReplayPlanes(const TDesign& design)
{
    // A new shaft forgets the editor's points with the old positions; the planes place them again.
    ApplyPlanes(design);
}

void PutBackReplacedDesign()
{
    if (!DesignJournal.Replaced) return;
    const TDesign design = *std::exchange(DesignJournal.Replaced, std::nullopt);
    const QPoint place = Form2->pos();
    ReplayPlanes(design);
    Form2->move(place);
    // The elements came back with it; an open elements window lists them again.
    Form14->ShowElements();
}

void ReplaceDesign(const TDesign& design)
{
    RestartWorkWindows();
    ApplyDesign(design);
}

// A design that passed its check may still fail in the windows; the design that was open then
// comes back, so that nothing on screen is lost and a later save writes it, not an empty one.
TDesign OpenDesignDocument(const QByteArray& json)
{
    const TDesign design = DesignFromJson(json);
    const TDesign previous = CaptureDesign();
    try {
        ReplaceDesign(design);
    } catch (const KorvelError&) {
        ReplaceDesign(previous);
        throw;
    }
    return design;
}
