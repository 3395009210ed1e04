#include "windows/editor/fatigue_tab.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "windows/editor/fatigue_fields.h"
#include "windows/editor/tform13.h"
#include "windows/window_style.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QComboBox* BoxOf(const auto& names, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    for (const QString& name : names) box->addItem(name);
    return box;
}

} // namespace

void TFatigueTableModel::ShowRows(const TFatigueCheck& check, const TFatigueLimits& limits)
{
    beginResetModel();
    rows_ = check.Rows;
    limits_ = limits;
    cells_.assign(rows_.size(), QStringList());
    endResetModel();
}

int TFatigueTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int TFatigueTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(FatigueHeadings().size());
}

const QStringList& TFatigueTableModel::Cells(int row) const
{
    if (cells_[size_t(row)].isEmpty()) cells_[size_t(row)] = FatigueCells(rows_[size_t(row)]);
    return cells_[size_t(row)];
}

QVariant TFatigueTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    const TFatigueRow& row = rows_[size_t(index.row())];
    if (role == Qt::DisplayRole) return Cells(index.row())[index.column()];
    if (role == Qt::ToolTipRole) return Cells(index.row()).last(); // the note, often too long for its column
    if (role == Qt::BackgroundRole && row.Fails(limits_)) return kFailingColor;
    if (role == Qt::TextAlignmentRole && index.column() + 1 < columnCount())
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TFatigueTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return FatigueHeadings()[section];
}

TFatigueTab::TFatigueTab(QWidget* parent) : QWidget(parent)
{
    Rows = new TFatigueTableModel(this);
    Table = new QTableView(this);
    Table->setModel(Rows);
    Table->verticalHeader()->hide();
    Table->setSelectionMode(QAbstractItemView::NoSelection);
    Table->setFocusPolicy(Qt::NoFocus);
    // Fixed widths: sizing to the contents would format every row, not just those in view.
    const int widths[] = {56, 66, 104, 52, 90, 90, 66, 118, 64, 64};
    for (int column = 0; column < int(std::size(widths)); ++column) Table->horizontalHeader()->resizeSection(column, widths[column]);
    Table->horizontalHeader()->setStretchLastSection(true);
    Table->setWordWrap(false);
    Table->setMinimumHeight(150); // on eight bearings the page scrolls rather than crush the table
    WeakestLabel = new QLabel(this);
    ApplyButton = new QPushButton("Apply", this);
    ApplyButton->setToolTip("Check fatigue, twist and bearing life with these values");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GradeRow());
    layout->addWidget(MaterialRow());
    layout->addWidget(Table, 1);
    layout->addWidget(WeakestLabel);
    layout->addWidget(TwistRow());
    TorquePlot = new TTorquePlot(this);
    layout->addWidget(TorquePlot);
    layout->addWidget(BearingRows());
    ShowInputs(TCheckInputs{});
    ShowBearingCount(2);
}

QWidget* TFatigueTab::MaterialRow()
{
    auto* row = new QWidget(this);
    UltimateEdit = NumberEdit(row, 68);
    UltimateEdit->setPlaceholderText("material");
    UltimateEdit->setToolTip("Breaking stress Sut; empty: the material the dimensioning applied");
    YieldEdit = NumberEdit(row, 68);
    YieldEdit->setPlaceholderText("material");
    YieldEdit->setToolTip("Yield stress Sy; empty: the material the dimensioning applied");
    for (QLineEdit* strength : {UltimateEdit, YieldEdit})
        connect(strength, &QLineEdit::textEdited, this, [this] { GradeBox->setCurrentIndex(0); });
    SurfaceBox = BoxOf(SurfaceNames(), row);
    ReliabilityBox = BoxOf(ReliabilityNames(), row);
    FatigueSafetyEdit = NumberEdit(row, 40);
    YieldSafetyEdit = NumberEdit(row, 40);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             new QLabel("Sut [MPa]:", row), UltimateEdit, new QLabel("Sy [MPa]:", row), YieldEdit,
             new QLabel("surface:", row), SurfaceBox, new QLabel("reliability:", row), ReliabilityBox,
             new QLabel("n_f >=", row), FatigueSafetyEdit, new QLabel("n_y >=", row), YieldSafetyEdit, ApplyButton})
        layout->addWidget(widget);
    layout->addStretch(1);
    return row;
}

QWidget* TFatigueTab::TwistRow()
{
    auto* row = new QWidget(this);
    ShearModulusEdit = NumberEdit(row, 60);
    TwistLimitEdit = NumberEdit(row, 40);
    TwistLabel = new QLabel(row);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : std::initializer_list<QWidget*>{new QLabel("G [MPa]:", row), ShearModulusEdit,
                                                           new QLabel("limit [deg/m]:", row), TwistLimitEdit})
        layout->addWidget(widget);
    layout->addWidget(TwistLabel, 1);
    return row;
}

QLayout* TFatigueTab::RequiredLifeRow(QWidget* parent)
{
    RequiredLifeEdit = NumberEdit(parent, 60);
    LocatingBox = new QComboBox(parent);
    for (int i = 0; i < kBearingLetters; ++i) LocatingBox->addItem(QString(QChar('A' + i)));
    LocatingBox->setToolTip("The one bearing that locates the shaft along its axis and takes its axial load");
    auto* row = new QGridLayout;
    const QString required = "Bearing life at the operating speed of the Critical speed page; required L10h [h]:";
    row->addWidget(new QLabel(required, parent), 0, 0);
    row->addWidget(RequiredLifeEdit, 0, 1);
    row->addWidget(new QLabel("The axial load is taken by bearing:", parent), 1, 0, Qt::AlignRight);
    row->addWidget(LocatingBox, 1, 1);
    row->setColumnStretch(2, 1);
    return row;
}

QWidget* TFatigueTab::BearingRows()
{
    auto* rows = new QWidget(this);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addLayout(RequiredLifeRow(rows), 0, 0, 1, 6);
    for (int i = 0; i < kBearingLetters; ++i) {
        const size_t bearing = size_t(i);
        BearingNameLabels[bearing] = new QLabel(QString(QChar('A' + i)) + ":", rows);
        BearingKindBoxes[bearing] = BoxOf(BearingKindNames(), rows);
        RatingEdits[bearing] = NumberEdit(rows, 60);
        LifeLabels[bearing] = new QLabel(rows);
        grid->addWidget(BearingNameLabels[bearing], i + 1, 0);
        grid->addWidget(BearingKindBoxes[bearing], i + 1, 1);
        grid->addWidget(new QLabel("C [kN]:", rows), i + 1, 2);
        grid->addWidget(RatingEdits[bearing], i + 1, 3);
        AddFactorEdits(grid, i);
        grid->addWidget(LifeLabels[bearing], i + 1, 12, 1, 2);
    }
    grid->setColumnStretch(13, 1);
    return rows;
}

// The equivalent load's factors of one bearing row, beside its rating.
void TFatigueTab::AddFactorEdits(QGridLayout* grid, int i)
{
    QWidget* rows = grid->parentWidget();
    const int row = i + 1;
    const auto place = [&](std::array<QLineEdit*, kBearingLetters>& edits, int column, const QString& tip) {
        QLineEdit* edit = edits[size_t(i)] = NumberEdit(rows, 40);
        edit->setToolTip(tip);
        grid->addWidget(edit, row, column);
    };
    grid->addWidget(new QLabel("Fa/Fr ≤ e: X, Y", rows), row, 4);
    place(XUpToEEdits, 5, "Radial factor X while Fa/Fr <= e");
    place(YUpToEEdits, 6, "Axial factor Y while Fa/Fr <= e");
    grid->addWidget(new QLabel("beyond: X, Y", rows), row, 7);
    place(XBeyondEEdits, 8, "Radial factor X for Fa/Fr > e");
    place(YBeyondEEdits, 9, "Axial factor Y for Fa/Fr > e");
    grid->addWidget(new QLabel("e", rows), row, 10);
    place(EEdits, 11, "Fa/Fr at which the maker's table changes from the first X, Y to the second");
}

// A bearing that is not (or no longer) entered keeps its inputs out of sight; the locating
// bearing, even one beyond the shown rows, stays chosen until the user chooses another.
void TFatigueTab::ShowBearingCount(int count)
{
    bearings_ = std::clamp(count, 2, kBearingLetters);
    auto* grid = static_cast<QGridLayout*>(BearingNameLabels[0]->parentWidget()->layout());
    for (int i = 0; i < kBearingLetters; ++i)
        for (int column = 0; column < grid->columnCount(); ++column)
            if (QLayoutItem* item = grid->itemAtPosition(i + 1, column)) item->widget()->setVisible(i < bearings_);
    auto* choices = static_cast<QListView*>(LocatingBox->view());
    for (int i = 0; i < kBearingLetters; ++i) choices->setRowHidden(i, i >= bearings_);
}

void TFatigueTab::ShowInputs(const TCheckInputs& inputs)
{
    const TFatigueInputs& fatigue = inputs.Fatigue;
    UltimateEdit->setText(OptionalText(fatigue.UltimateStrength));
    YieldEdit->setText(OptionalText(fatigue.YieldStrength));
    ShowGrade(fatigue);
    SurfaceBox->setCurrentIndex(int(fatigue.Surface));
    ReliabilityBox->setCurrentIndex(int(fatigue.Reliability));
    FatigueSafetyEdit->setText(FloatToStr(fatigue.FatigueSafety));
    YieldSafetyEdit->setText(FloatToStr(fatigue.YieldSafety));
    ShearModulusEdit->setText(FloatToStr(fatigue.ShearModulus));
    TwistLimitEdit->setText(FloatToStr(fatigue.TwistLimit));
    for (size_t i = 0; i < fatigue.Bearings.size(); ++i) {
        BearingKindBoxes[i]->setCurrentIndex(int(fatigue.Bearings[i].Kind));
        RatingEdits[i]->setText(FloatToStr(fatigue.Bearings[i].Rating));
        XUpToEEdits[i]->setText(FloatToStr(fatigue.Bearings[i].XUpToE));
        YUpToEEdits[i]->setText(FloatToStr(fatigue.Bearings[i].YUpToE));
        XBeyondEEdits[i]->setText(FloatToStr(fatigue.Bearings[i].XBeyondE));
        YBeyondEEdits[i]->setText(FloatToStr(fatigue.Bearings[i].YBeyondE));
        EEdits[i]->setText(FloatToStr(fatigue.Bearings[i].E));
    }
    LocatingBox->setCurrentIndex(fatigue.LocatingBearing);
    RequiredLifeEdit->setText(FloatToStr(fatigue.RequiredLife));
}

void TFatigueTab::ReadInputs(TCheckInputs& inputs) const
{
    TFatigueInputs& fatigue = inputs.Fatigue;
    fatigue.UltimateStrength = ReadOptional(UltimateEdit);
    fatigue.YieldStrength = ReadOptional(YieldEdit);
    fatigue.Grade = GradeBox->currentIndex() > 0 ? GradeBox->currentText() : QString();
    fatigue.RulingDiameter = ReadOptional(RulingDiameterEdit);
    if (const TSteelGrade* grade = ChosenGrade()) {
        inputs.Modulus = grade->ElasticModulus;
        inputs.Density = grade->Density;
    }
    fatigue.Surface = TSurface(SurfaceBox->currentIndex());
    fatigue.Reliability = TReliability(ReliabilityBox->currentIndex());
    fatigue.FatigueSafety = StrToFloat(FatigueSafetyEdit->text());
    fatigue.YieldSafety = StrToFloat(YieldSafetyEdit->text());
    fatigue.ShearModulus = StrToFloat(ShearModulusEdit->text());
    fatigue.TwistLimit = StrToFloat(TwistLimitEdit->text());
    // Kind, rating and load factors only: the stiffness is the deflection page's.
    for (size_t i = 0; i < size_t(bearings_); ++i) {
        TBearingInputs& bearing = fatigue.Bearings[i];
        bearing.Kind = TBearingKind(BearingKindBoxes[i]->currentIndex());
        bearing.Rating = StrToFloat(RatingEdits[i]->text());
        bearing.XUpToE = StrToFloat(XUpToEEdits[i]->text());
        bearing.YUpToE = StrToFloat(YUpToEEdits[i]->text());
        bearing.XBeyondE = StrToFloat(XBeyondEEdits[i]->text());
        bearing.YBeyondE = StrToFloat(YBeyondEEdits[i]->text());
        bearing.E = StrToFloat(EEdits[i]->text());
    }
    fatigue.LocatingBearing = LocatingBox->currentIndex();
    fatigue.RequiredLife = StrToFloat(RequiredLifeEdit->text());
}

void TFatigueTab::ShowTorque(const TTorquePlotContent& torque) { TorquePlot->Show(torque); }

void TFatigueTab::ShowReport(const TFatigueReport& report, const TCheckInputs& inputs)
{
    Rows->ShowRows(report.Fatigue, report.Limits);
    const bool weakestFails = report.Fatigue.Weakest && report.Fatigue.Rows[*report.Fatigue.Weakest].Fails(report.Limits);
    WeakestLabel->setText(report.FatigueProblem.isEmpty() ? WeakestNotchText(report.Fatigue) : report.FatigueProblem);
    WeakestLabel->setStyleSheet(FailingStyle(weakestFails));
    const bool twisted = report.TwistProblem.isEmpty();
    TwistLabel->setText(twisted ? TwistAngleText(report.Twist, inputs.Fatigue.TwistLimit) : report.TwistProblem);
    TwistLabel->setStyleSheet(FailingStyle(twisted && report.Twist.TooLarge));
    for (size_t i = 0; i < LifeLabels.size(); ++i) {
        const bool reported = i < report.Bearings.size();
        LifeLabels[i]->setText(reported ? BearingLifeText(report.Bearings[i]) : QString());
        LifeLabels[i]->setStyleSheet(FailingStyle(reported && report.Bearings[i].Short));
    }
}
