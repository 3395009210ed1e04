// TForm14: "Shaft elements", the gears, pulleys, sprockets and couplings mounted on the shaft.
// The list is edited here and applied at once: the planes are entered again with the elements'
// loads after their own, and the checks take the elements' T(x), axial force and masses.
#pragma once

#include "elements/machine_elements.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class TElementSketch;

class TForm14 : public QWidget {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);

    QTreeWidget* ElementList;
    QComboBox* KindBox;       // gear, bevel gear, belt pulley, chain sprocket, coupling
    QLineEdit* PositionEdit;  // mm
    QLineEdit* MassEdit;      // kg, may stay empty
    QRadioButton* TorqueRadio; // the value is a torque, N*m
    QRadioButton* PowerRadio;  // the value is a power, kW, at the Shaft check's speed
    QLineEdit* ValueEdit;
    QRadioButton* DrivingRadio;
    QRadioButton* DrivenRadio;
    QLineEdit* DiameterEdit;  // mm
    QLineEdit* AngleEdit;     // deg: where the mate meshes, or which way the load pulls
    QLineEdit* PressureAngleEdit;
    QLineEdit* HelixAngleEdit;
    QComboBox* HandBox;       // right, left
    QLineEdit* ConeAngleEdit;
    QComboBox* ApexBox;       // the cone's apex towards +x or -x
    QRadioButton* RatioRadio;  // tension ratio F1/F2
    QRadioButton* FactorRadio; // belt factor k
    QLineEdit* BeltEdit;
    QLineEdit* FractionEdit;  // coupling: side force as a share of Ft
    QComboBox* RotationBox;   // counter-clockwise, clockwise, seen from the shaft's +x end
    TElementSketch* Sketch;
    QLabel* DriveLabel;       // what the applied elements hand on: the axial force, or unbalanced torques
    QPushButton* AddButton;
    QPushButton* ChangeButton; // puts the fields in place of the selected element
    QPushButton* RemoveButton;
    QPushButton* ApplyButton;

    void AddButtonClick();
    void ChangeButtonClick();
    void RemoveButtonClick();
    // The planes entered again, once, with the listed elements.
    void ApplyButtonClick();
    void KindChanged();
    void SelectionChanged();
    // Lists the applied elements again: on every show and after a new shaft.
    void ShowElements();

    const std::vector<TMachineElement>& Elements() const { return elements_; }

    void setVisible(bool visible) override;

private:
    void CreateFields();
    void CreateButtons();
    QLineEdit* AddField(const QString& caption, const QString& unit, int left, int top);
    QRadioButton* AddRadio(const QString& caption, int left, int top, int width);
    TMachineElement ReadElement() const;
    void ShowElement(const TMachineElement& element);
    void FillList();
    void ShowDrive();
    int SelectedRow() const;

    std::vector<TMachineElement> elements_; // as listed, applied or not
};

extern TForm14* Form14;
