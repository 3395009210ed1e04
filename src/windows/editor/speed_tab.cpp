#include "windows/editor/speed_tab.h"

#include "common/number_text.h"
#include "windows/window_style.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString SupportsText(const TCheckInputs& inputs, int bearingCount)
{
    const QString springs = BearingStiffnessText(inputs, bearingCount);
    if (springs.isEmpty()) return "The shaft on its bearings as simple supports, with its own mass and these masses.";
    return "The shaft with its own mass and these masses. " + springs + " (entered on the Deflection page).";
}

QString CellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

TSpeedTab::TSpeedTab(QWidget* parent) : QWidget(parent)
{
    DensityEdit = new QLineEdit(this);
    SpeedEdit = new QLineEdit(this);
    MassTable = new QTableWidget(0, 2, this);
    MassTable->setHorizontalHeaderLabels({"x [mm]", "mass [kg]"});
    MassTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    MassTable->setMaximumWidth(260);
    AddMassButton = new QPushButton("Add mass", this);
    RemoveMassButton = new QPushButton("Remove mass", this);
    ApplyButton = new QPushButton("Apply", this);
    ApplyButton->setToolTip("Work out the critical speed with these values");
    SupportsLabel = new QLabel(SupportsText(TCheckInputs{}, 0), this);
    SupportsLabel->setWordWrap(true);
    CriticalSpeedLabel = new QLabel(this);
    RatioLabel = new QLabel(this);
    QFont bold = CriticalSpeedLabel->font();
    bold.setBold(true);
    CriticalSpeedLabel->setFont(bold);
    CriticalSpeedLabel->setWordWrap(true);
    LayOut();
    connect(AddMassButton, &QPushButton::clicked, this, &TSpeedTab::AddMassButtonClick);
    connect(RemoveMassButton, &QPushButton::clicked, this, &TSpeedTab::RemoveMassButtonClick);
    ShowInputs(TCheckInputs{});
}

void TSpeedTab::LayOut()
{
    auto* fields = new QHBoxLayout;
    fields->addWidget(new QLabel("density [kg/m^3]:", this));
    fields->addWidget(DensityEdit);
    fields->addWidget(new QLabel("operating speed n [rpm]:", this));
    fields->addWidget(SpeedEdit);
    fields->addWidget(ApplyButton);
    fields->addStretch(1);
    auto* massButtons = new QHBoxLayout;
    massButtons->addWidget(AddMassButton);
    massButtons->addWidget(RemoveMassButton);
    massButtons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(new QLabel("Masses mounted on the shaft (gears, pulleys):", this));
    layout->addWidget(MassTable, 1);
    layout->addLayout(massButtons);
    layout->addWidget(SupportsLabel);
    layout->addWidget(CriticalSpeedLabel);
    layout->addWidget(RatioLabel);
}

void TSpeedTab::AddMassButtonClick()
{
    const int row = MassTable->rowCount();
    MassTable->insertRow(row);
    MassTable->setItem(row, 0, new QTableWidgetItem("0"));
    MassTable->setItem(row, 1, new QTableWidgetItem("0"));
    MassTable->setCurrentCell(row, 0);
}

void TSpeedTab::RemoveMassButtonClick()
{
    const int row = MassTable->currentRow();
    if (row >= 0) MassTable->removeRow(row);
}

void TSpeedTab::ShowInputs(const TCheckInputs& inputs)
{
    DensityEdit->setText(FloatToStr(inputs.Density));
    SpeedEdit->setText(FloatToStr(inputs.Speed));
    MassTable->setRowCount(int(inputs.Masses.size()));
    for (int row = 0; row < int(inputs.Masses.size()); ++row) {
        MassTable->setItem(row, 0, new QTableWidgetItem(FloatToStr(inputs.Masses[size_t(row)].Position)));
        MassTable->setItem(row, 1, new QTableWidgetItem(FloatToStr(inputs.Masses[size_t(row)].Mass)));
    }
}

void TSpeedTab::ReadInputs(TCheckInputs& inputs) const
{
    inputs.Density = StrToFloat(DensityEdit->text());
    inputs.Speed = StrToFloat(SpeedEdit->text());
    inputs.Masses.clear();
    for (int row = 0; row < MassTable->rowCount(); ++row)
        inputs.Masses.push_back({StrToFloat(CellText(MassTable, row, 0)), StrToFloat(CellText(MassTable, row, 1))});
}

void TSpeedTab::ShowCheck(const TSpeedCheck& check, const TCheckInputs& inputs)
{
    SupportsLabel->setText(SupportsText(inputs, check.BearingCount));
    CriticalSpeedLabel->setText(CriticalSpeedText(check));
    RatioLabel->setText(SpeedRatioText(check));
    RatioLabel->setStyleSheet(FailingStyle(check.NearResonance));
}
