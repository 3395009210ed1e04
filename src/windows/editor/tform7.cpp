// TForm7: the 2D profile editor. The window reads its controls and the pointer, calls the drawing
// logic and writes the results back; the drawing itself is the text of Memo1.
#include "windows/editor/tform7.h"

#include "analysis/analysis_state.h"
#include "windows/main/tform6.h"
#include "common/errors.h"
#include "common/messages.h"
#include "common/number_text.h"
#include "document/design_journal.h"
#include "profile/corner_tool.h"
#include "profile/dhl_rendering.h"
#include "profile/editor_commands.h"
#include "profile/editor_tools.h"
#include "profile/editor_zoom.h"
#include "profile/memo_text.h"
#include "profile/strength_overlays.h"
#include "windows/editor/tform7_undo.h"
#include "profile/vertical_lines.h"
#include "windows/view3d/tform9_build.h"
#include "widgets/spin_edit.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolButton>

TForm7* Form7 = nullptr;

namespace {

constexpr int kSchemeRows = 130; // page rows 0 to 130: the load scheme
constexpr int kMomentTop = 285;  // page rows 285 to 385: the moment diagram
constexpr int kMomentRows = 100;
constexpr int kHorizontalTop = 210;
constexpr int kVerticalTop = 485;

// The item whose text the box shows; -1 (no marks) for a text of the user's own.
uint8_t MarkType(const QComboBox* box) { return uint8_t(box->findText(box->currentText(), Qt::MatchExactly)); }

bool Alone(const QMouseEvent* event)
{
    return (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0 &&
           event->buttons() == event->button();
}

} // namespace

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

// White as a fresh editor's, from the top of the first strip that goes down to the bottom.
void TForm7::ForgetDiagrams(bool bothPlanes)
{
    QImage& drawing = Frame81->Image1->DrawingCanvas().Image();
    const int top = bothPlanes ? kHorizontalTop : kVerticalTop;
    QPainter(&drawing).fillRect(QRect(0, top, drawing.width(), drawing.height() - top), Qt::white);
    if (!bothPlanes) {
        RunGuarded([this] { RefreshVerification(); });
        return;
    }
    c1->clear();
    // The markers and the labels at the old positions go with them.
    RunGuarded([this] { Redraw(); });
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
    if (panFrom_) {
        const QPoint by = at - *panFrom_;
        panFrom_ = at;
        ShowZoom(Panned(Editor.Zoom, by));
        return;
    }
    const QStringList memo = MemoLines();
    const TTracking tracking = TrackPointer(Editor, memo, at.x(), at.y(), Analysis.ShaftLength);
    if (tracking.ReadOuts) ShowReadOuts(*tracking.ReadOuts);
    if (tracking.Redraw) {
        GenerateAgain(memo, Frame81->Image1->DrawingCanvas(), Editor, Analysis);
        RefreshVerification();
        if (History) History->NoteChange();
    }
    if (!tracking.Marks.empty()) DrawTracking(Frame81->Image1->DrawingCanvas(), tracking, Editor, Analysis.ShaftLength);
}

void TForm7::Frame81Image1MouseDown(QMouseEvent* event)
{
    if (StartsPan(event)) {
        panFrom_ = event->position().toPoint();
        return;
    }
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
        const bool picksHold = TableDescribes(Editor, memo);
        memo.append(StepLineStatement(x, diameter, left, right));
        if (picksHold) KeepPicksFor(Editor, memo); // appended: every pick still names its statement
        return true;
    });
}

void TForm7::BitBtn2Click()
{
    const long double position = StrToFloat(Edit5->text());
    AddDimensioningPoint(Analysis, position);
    DesignJournal.RecordPoint(position, false);
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
    // The build sorts the text; it needs no shaft length, the picture does. The table of the
    // unsorted text is refused by the tools and rebuilt at the next pointer move.
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
