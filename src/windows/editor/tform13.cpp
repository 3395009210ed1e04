// TForm13: writes a strength check of the shaft into the table; the check itself is logic.
#include "windows/editor/tform13.h"

#include "analysis/load_entry.h"
#include "check/steel_grades.h"
#include "common/errors.h"
#include "document/design_journal.h"
#include "elements/element_entry.h"
#include "profile/verification.h"
#include "report/results_in_range.h"
#include "windows/editor/deflection_plot.h"
#include "windows/editor/deflection_tab.h"
#include "windows/editor/fatigue_tab.h"
#include "windows/editor/speed_tab.h"
#include "windows/editor/suggestions_tab.h"
#include "windows/editor/waiting_note.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QSize kCheckWindowSize(860, 540);
const QSize kCheckWindowMinimum(460, 440);
}

TForm13::TForm13(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle("Shaft check");
    resize(kCheckWindowSize);
    setMinimumSize(kCheckWindowMinimum); // below it the tables and the plot show too little
    Tabs = new QTabWidget(this);
    AddCheckTab(CreateStrengthTab(), "Strength");
    DeflectionTab = new TDeflectionTab(this);
    AddCheckTab(DeflectionTab, "Deflection");
    SpeedTab = new TSpeedTab(this);
    AddCheckTab(SpeedTab, "Critical speed");
    FatigueTab = new TFatigueTab(this);
    AddCheckTab(FatigueTab, "Fatigue");
    SuggestionsTab = new TSuggestionsTab(this);
    AddCheckTab(SuggestionsTab, "What to change");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(CreateReactionsNote());
    layout->addWidget(Tabs);
    CreateWaitingNotes();
    connect(DeflectionTab->ApplyButton, &QPushButton::clicked, this, Guarded(this, &TForm13::DeflectionApplyClick));
    connect(SpeedTab->ApplyButton, &QPushButton::clicked, this, Guarded(this, &TForm13::SpeedApplyClick));
    connect(FatigueTab->ApplyButton, &QPushButton::clicked, this, Guarded(this, &TForm13::FatigueApplyClick));
    connect(SuggestionsTab, &TSuggestionsTab::DrawingChosen, this, &TForm13::DrawingSuggested);
    connect(SuggestionsTab, &TSuggestionsTab::GradeChosen, this, [this](int grade) { RunGuarded([&] { UseGrade(grade); }); });
}

QLayout* TForm13::CreateReactionsNote()
{
    ReactionsNote = new QLabel(this);
    ReactionsNote->setWordWrap(true);
    ReactionsNote->setStyleSheet(FailingStyle(true));
    RecalculateButton = new QPushButton("Recalculate", this);
    RecalculateButton->setToolTip("Solve both planes again with the section and the bearings' stiffness as they now are");
    connect(RecalculateButton, &QPushButton::clicked, this, &TForm13::RecalculateRequested);
    auto* row = new QHBoxLayout;
    row->addWidget(ReactionsNote, 1);
    row->addWidget(RecalculateButton);
    ShowReactionsNote(QString());
    return row;
}

void TForm13::ShowReactionsNote(const QString& note)
{
    ReactionsNote->setText(note);
    ReactionsNote->setVisible(!note.isEmpty());
    RecalculateButton->setVisible(!note.isEmpty());
}

QWidget* TForm13::CreateStrengthTab()
{
    auto* strength = new QWidget(this);
    Table1 = new QTableWidget(0, int(VerificationHeadings().size()), strength);
    Table1->setHorizontalHeaderLabels(VerificationHeadings());
    Table1->verticalHeader()->hide();
    Table1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table1->setSelectionMode(QAbstractItemView::NoSelection);
    Table1->setFocusPolicy(Qt::NoFocus);
    Table1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table1->horizontalHeader()->setStretchLastSection(true);
    Label1 = new QLabel(strength);
    Label1->setWordWrap(true); // the outline's fault follows the weakest section
    CopyButton = new QPushButton("Copy table", strength);
    CopyButton->setToolTip("Copy the table to the clipboard, its cells separated by tabs");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label1, 1);
    bottom->addWidget(CopyButton);
    auto* layout = new QVBoxLayout(strength);
    layout->addWidget(Table1);
    layout->addLayout(bottom);
    connect(CopyButton, &QPushButton::clicked, this, Guarded(this, &TForm13::CopyButtonClick));
    return strength;
}

// The strength table follows the drawing and the dimensioning at once; the other pages work
// from inputs of their own, which take effect through their "Apply".
void TForm13::CreateWaitingNotes()
{
    DeflectionWaiting = new TWaitingNote(*DeflectionTab, {DeflectionTab->Plot, DeflectionTab->Table});
    SpeedWaiting = new TWaitingNote(*SpeedTab, {SpeedTab->CriticalSpeedLabel, SpeedTab->RatioLabel});
    QList<QWidget*> fatigueFigures{FatigueTab->Table, FatigueTab->WeakestLabel, FatigueTab->TwistLabel};
    for (QLabel* life : FatigueTab->LifeLabels) fatigueFigures << life;
    FatigueWaiting = new TWaitingNote(*FatigueTab, fatigueFigures);
}

// On a screen with little room beside the editor the window is narrower than a page's rows: the
// page then scrolls.
int TForm13::AddCheckTab(QWidget* page, const QString& title)
{
    auto* scroller = new QScrollArea(Tabs);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(page);
    return Tabs->addTab(scroller, title);
}

void TForm13::ShowPage(QWidget* page)
{
    for (int tab = 0; tab < Tabs->count(); ++tab)
        if (static_cast<QScrollArea*>(Tabs->widget(tab))->widget() == page) Tabs->setCurrentIndex(tab);
}

// The editor checks again at every redraw, pointer moves included: an unchanged table is left
// as it stands.
void TForm13::ShowVerification(const TVerification& verification)
{
    const bool unchanged = Table1->rowCount() == int(verification.Rows.size()) &&
                           VerificationTableText(verification) == VerificationTableText(shown_) &&
                           WeakestSectionText(verification) == Label1->text();
    if (unchanged) return;
    shown_ = verification;
    Table1->setRowCount(int(verification.Rows.size()));
    for (int i = 0; i < int(verification.Rows.size()); ++i) ShowRow(i, verification.Rows[size_t(i)]);
    Label1->setText(WeakestSectionText(verification));
    Label1->setStyleSheet(FailingStyle(WeakestSectionFails(verification)));
}

void TForm13::ShowRow(int index, const TVerificationRow& row)
{
    const QStringList cells = VerificationCells(row);
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (column < cells.size() - 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (row.Verdict == TVerdict::TooSmall) item->setBackground(kFailingColor);
        if (!row.Reason.isEmpty()) item->setToolTip(row.Reason);
        Table1->setItem(index, column, item);
    }
}

void TForm13::CopyButtonClick() { QApplication::clipboard()->setText(VerificationTableText(shown_)); }

void TForm13::SetCheckInputs(const TCheckInputs& inputs)
{
    inputs_ = inputs;
    DeflectionTab->ShowInputs(inputs);
    SpeedTab->ShowInputs(inputs);
    FatigueTab->ShowInputs(inputs);
    for (TWaitingNote* note : {DeflectionWaiting, SpeedWaiting, FatigueWaiting}) note->SetWaiting(false);
}

// Nothing is stored from fields of which one does not read or is refused.
// Elements given as a power turn at the operating speed: without one their loads are unknown, and
// a new one changes them in both planes.
void TForm13::ApplyInputs(const TCheckInputs& inputs)
{
    const QString problem = CheckInputsProblem(inputs);
    if (!problem.isEmpty()) RaiseError(problem);
    const bool followsSpeed = FollowsSpeed(DesignJournal.Elements);
    if (followsSpeed && !(inputs.Speed > 0)) RaiseError(kShaftSpeedInvalid);
    const bool speedChanged = inputs.Speed != inputs_.Speed;
    inputs_ = inputs;
    emit CheckInputsApplied();
    if (followsSpeed && speedChanged) emit RecalculateRequested();
}

void TForm13::DeflectionApplyClick()
{
    TCheckInputs inputs = inputs_;
    DeflectionTab->ReadInputs(inputs);
    ApplyInputs(inputs);
    DeflectionWaiting->SetWaiting(false);
}

void TForm13::SpeedApplyClick()
{
    TCheckInputs inputs = inputs_;
    SpeedTab->ReadInputs(inputs);
    ApplyInputs(inputs);
    SpeedWaiting->SetWaiting(false);
}

void TForm13::FatigueApplyClick()
{
    TCheckInputs inputs = inputs_;
    FatigueTab->ReadInputs(inputs);
    ApplyInputs(inputs);
    FatigueWaiting->SetWaiting(false);
}

void TForm13::ShowFatigue(const TAnalysisState& analysis, const TData& data, const TAppliedDimensioning& applied,
                          const QStringList& memo, uint8_t arcSteps, const std::vector<long double>& loads)
{
    FatigueTab->ShowBearingCount(ShaftBearingCount(analysis));
    TFatigueRequest request = MakeFatigueRequest(analysis, data, applied, memo, arcSteps, inputs_);
    if (fatigueChecked_ == request) return;
    FatigueTab->SetDrawnDiameter(LargestDrawnDiameter(DrawnContour(memo, arcSteps)));
    TFatigueReport report = MakeFatigueReport(analysis, data, applied, memo, arcSteps, inputs_);
    RefuseResultsBeyondRange(report);
    FatigueTab->ShowReport(report, inputs_);
    SuggestionsTab->ShowSuggestions(
        SuggestForFatiguePage(report, {analysis, data, applied, memo, arcSteps, inputs_, loads, FatigueTab->RulingDiameter()}), memo);
    FatigueTab->ShowTorque({analysis.ElementDrive.Steps, analysis.ShaftLength});
    fatigueChecked_ = std::move(request);
}

void TForm13::UseGrade(int grade)
{
    FatigueTab->GradeBox->setCurrentIndex(FatigueTab->GradeBox->findText(SteelGrades()[size_t(grade)].Name));
    FatigueTab->GradeChosen();
    FatigueApplyClick();
}

void TForm13::ShowShaftCheck(const TAnalysisState& analysis, const std::vector<long double>& loads,
                             const QStringList& memo, uint8_t arcSteps)
{
    DeflectionTab->ShowBearingCount(ShaftBearingCount(analysis));
    const TCheckInputs inputs = WithElementMasses(inputs_, DesignJournal.Elements);
    TCheckRequest request = MakeCheckRequest(analysis, loads, memo, arcSteps, inputs);
    if (checked_ == request) return;
    // A drawing that does not read is the strength table's to report; these pages say so too.
    TStiffnessAndSpeed check;
    try {
        check = CheckStiffnessAndSpeed(analysis, loads, DrawnContour(memo, arcSteps), inputs);
    } catch (const KorvelError& error) {
        check.Deflection.Problem = check.Speed.Problem = error.Text();
    }
    RefuseResultsBeyondRange(check);
    checked_ = std::move(request);
    DeflectionTab->ShowCheck(check.Deflection);
    SpeedTab->ShowCheck(check.Speed, inputs_);
}
