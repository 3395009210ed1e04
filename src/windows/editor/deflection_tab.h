// The "Deflection" page of the shaft check: E, the limits and the bearings' radial stiffness, the
// plot and the table of slopes and deflections, red where a value exceeds its limit.
#pragma once

#include "check/check_inputs.h"
#include "check/stiffness_and_speed.h"

#include <QWidget>
#include <array>

class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TDeflectionPlot;

class TDeflectionTab : public QWidget {
    Q_OBJECT
public:
    explicit TDeflectionTab(QWidget* parent = nullptr);

    QLineEdit* ModulusEdit;         // E, MPa
    QLineEdit* SlopeLimitEdit;      // rad
    QLineEdit* DeflectionRatioEdit; // of the bearing span
    // Bearings A to H, N/mm; empty: rigid. Only the fields of the shaft's bearings are shown.
    std::array<QLabel*, kBearingLetters> StiffnessLabels;
    std::array<QLineEdit*, kBearingLetters> StiffnessEdits;
    QPushButton* ApplyButton;
    QLabel* SignLabel;
    QLabel* ProblemLabel;
    TDeflectionPlot* Plot;
    QTableWidget* Table;

    void ShowInputs(const TCheckInputs& inputs);
    // The fields over `inputs`, the shown bearings' only; a field that is not a number fails
    // with its message.
    void ReadInputs(TCheckInputs& inputs) const;
    // Shows the stiffness fields of the shaft's first `count` bearings.
    void ShowBearingCount(int count);
    void ShowCheck(const TDeflectionCheck& check);

private:
    void CreateTable();
    QLayout* StiffnessRow();
    void LayOut();

    int bearings_ = 2;
};
