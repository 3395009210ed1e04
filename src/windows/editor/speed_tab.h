// The "Critical speed" page of the shaft check: density, operating speed and the masses mounted
// on the shaft; the first critical speed and the ratio to it, red near resonance.
#pragma once

#include "check/check_inputs.h"
#include "check/stiffness_and_speed.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class TSpeedTab : public QWidget {
    Q_OBJECT
public:
    explicit TSpeedTab(QWidget* parent = nullptr);

    QLineEdit* DensityEdit; // kg/m^3
    QLineEdit* SpeedEdit;   // rpm
    QTableWidget* MassTable; // x [mm], mass [kg]
    QPushButton* AddMassButton;
    QPushButton* RemoveMassButton;
    QPushButton* ApplyButton;
    QLabel* SupportsLabel; // how the bearings carry the shaft: held, or on springs
    QLabel* CriticalSpeedLabel;
    QLabel* RatioLabel;

    void ShowInputs(const TCheckInputs& inputs);
    // A field or cell that is not a number fails with its message.
    void ReadInputs(TCheckInputs& inputs) const;
    // `inputs` as the check was made with, for the bearings' springs.
    void ShowCheck(const TSpeedCheck& check, const TCheckInputs& inputs);

    void AddMassButtonClick();
    void RemoveMassButtonClick();

private:
    void LayOut();
};
