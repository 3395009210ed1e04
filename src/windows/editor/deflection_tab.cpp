#include "windows/editor/deflection_tab.h"

#include "common/number_text.h"
#include "windows/window_style.h"
#include "windows/editor/deflection_plot.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kPlotSamples = 401;

QLineEdit* NumberField(QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setFixedWidth(80);
    return field;
}

} // namespace

TDeflectionTab::TDeflectionTab(QWidget* parent) : QWidget(parent)
{
    ModulusEdit = NumberField(this);
    SlopeLimitEdit = NumberField(this);
    DeflectionRatioEdit = NumberField(this);
    DeflectionRatioEdit->setToolTip("Allowed deflection per mm of the span it lies in; an overhang counts twice its length");
    for (QLineEdit*& edit : StiffnessEdits) {
        edit = NumberField(this);
        edit->setPlaceholderText("rigid");
        edit->setToolTip("The bearing's radial stiffness; empty or 0: rigid. It moves the elastic line and the critical speed");
    }
    ApplyButton = new QPushButton("Apply", this);
    ApplyButton->setToolTip("Check the drawn shaft with these values");
    SignLabel = new QLabel("Sign: in each plane y and the slope are positive upwards on that plane's page, the way "
                           "a force arrow of direction 1 and the bearing reactions point; the resultant is their "
                           "magnitude.",
                           this);
    SignLabel->setWordWrap(true);
    ProblemLabel = new QLabel(this);
    ProblemLabel->setStyleSheet("color: rgb(170, 0, 0)");
    ProblemLabel->setWordWrap(true);
    Plot = new TDeflectionPlot(this);
    CreateTable();
    LayOut();
    ShowInputs(TCheckInputs{});
    ShowBearingCount(2);
}

void TDeflectionTab::CreateTable()
{
    Table = new QTableWidget(0, int(DeflectionHeadings().size()), this);
    Table->setHorizontalHeaderLabels(DeflectionHeadings());
    Table->verticalHeader()->hide();
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionMode(QAbstractItemView::NoSelection);
    Table->setFocusPolicy(Qt::NoFocus);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table->horizontalHeader()->setStretchLastSection(true);
}

void TDeflectionTab::LayOut()
{
    auto* fields = new QHBoxLayout;
    const auto add = [&](const QString& label, QWidget* field) {
        fields->addWidget(new QLabel(label, this));
        fields->addWidget(field);
    };
    add("E [MPa]:", ModulusEdit);
    add("slope limit at the bearings [rad]:", SlopeLimitEdit);
    add("deflection limit / bearing span:", DeflectionRatioEdit);
    fields->addWidget(ApplyButton);
    fields->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(StiffnessRow());
    layout->addWidget(SignLabel);
    layout->addWidget(ProblemLabel);
    layout->addWidget(Plot, 3);
    layout->addWidget(Table, 2);
}

// Four bearings to a line, so that eight fit the window's width.
QLayout* TDeflectionTab::StiffnessRow()
{
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("bearing radial stiffness [N/mm], empty: rigid:", this), 0, 0);
    constexpr int kPerLine = 4;
    for (int i = 0; i < kBearingLetters; ++i) {
        StiffnessLabels[size_t(i)] = new QLabel(QString(QChar('A' + i)) + ":", this);
        grid->addWidget(StiffnessLabels[size_t(i)], i / kPerLine, 1 + 2 * (i % kPerLine), Qt::AlignRight);
        grid->addWidget(StiffnessEdits[size_t(i)], i / kPerLine, 2 + 2 * (i % kPerLine));
    }
    grid->setColumnStretch(1 + 2 * kPerLine, 1);
    return grid;
}

void TDeflectionTab::ShowBearingCount(int count)
{
    bearings_ = std::clamp(count, 2, kBearingLetters);
    for (size_t i = 0; i < StiffnessEdits.size(); ++i) {
        StiffnessLabels[i]->setVisible(int(i) < bearings_);
        StiffnessEdits[i]->setVisible(int(i) < bearings_);
    }
}

void TDeflectionTab::ShowInputs(const TCheckInputs& inputs)
{
    ModulusEdit->setText(FloatToStr(inputs.Modulus));
    SlopeLimitEdit->setText(FloatToStr(inputs.SlopeLimit));
    DeflectionRatioEdit->setText(FloatToStr(inputs.DeflectionRatio));
    for (size_t i = 0; i < StiffnessEdits.size(); ++i) {
        const long double stiffness = inputs.Fatigue.Bearings[i].Stiffness;
        StiffnessEdits[i]->setText(stiffness == 0 ? QString() : FloatToStr(stiffness));
    }
}

void TDeflectionTab::ReadInputs(TCheckInputs& inputs) const
{
    inputs.Modulus = StrToFloat(ModulusEdit->text());
    inputs.SlopeLimit = StrToFloat(SlopeLimitEdit->text());
    inputs.DeflectionRatio = StrToFloat(DeflectionRatioEdit->text());
    for (size_t i = 0; i < size_t(bearings_); ++i) {
        const QString text = StiffnessEdits[i]->text();
        inputs.Fatigue.Bearings[i].Stiffness = text.trimmed().isEmpty() ? 0 : StrToFloat(text);
    }
}

void TDeflectionTab::ShowCheck(const TDeflectionCheck& check)
{
    ProblemLabel->setText(check.Problem);
    ProblemLabel->setVisible(!check.Problem.isEmpty());
    const bool shown = check.Problem.isEmpty();
    Table->setRowCount(shown ? int(check.Rows.size()) : 0);
    if (!shown) {
        Plot->Show(std::nullopt);
        return;
    }
    Plot->Show(TDeflectionPlot::TContent{*check.Shaft, check.Bearings,
                                         DeflectionCurves(check.Deflection, *check.Shaft, kPlotSamples)});
    for (int row = 0; row < int(check.Rows.size()); ++row) {
        const QStringList cells = DeflectionCells(check.Rows[size_t(row)]);
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (check.Rows[size_t(row)].Exceeds) item->setBackground(kFailingColor);
            Table->setItem(row, column, item);
        }
    }
}
