// TForm10: the dimensioning window. Pre-dimensions the diameter from the twisting moment and
// collects what the combined-stress rule needs: theory, allowable bending stress, alpha and Mt.
#pragma once

#include "document/design.h"
#include "widgets/skinned_window.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TForm10 : public SkinnedWindow {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

    QLabel* Label2; // "Pre-dimensioning"
    QLabel* LabelTorqueCaption; // "Twisting moment, Mt :", or what stands for it with elements
    QLineEdit* Edit1; // Mt, N*mm; hidden while the shaft's elements give the torque
    QLabel* LabelElementTorque; // in Edit1's place: the elements' largest |T|, N*mm
    QLabel* Label5;
    QLineEdit* Edit2; // tau, MPa
    QPushButton* BitBtn1;
    QLabel* Label4;
    QLabel* Label7; // the resulting diameter

    QLabel* Label3; // "Dimensioning options (combined stress)"
    QGroupBox* rg2;
    QButtonGroup* rg2Items; // ids 0 (3rd theory) and 1 (5th theory)
    QGroupBox* GroupBox1;
    QComboBox* c2; // material
    QComboBox* c1; // cycle of the twisting stress
    QLineEdit* Edit6; // sigma aI
    QLineEdit* Edit4; // sigma aII
    QLineEdit* Edit5; // sigma aIII
    QLineEdit* Edit3; // alpha
    QPushButton* BitBtn3;
    QLineEdit* EditTwistFrom; // where Mt comes in, mm; empty: the shaft's left end
    QLineEdit* EditTwistTo;   // where it goes out; empty: the right end
    QPushButton* BitBtn2;

    void FormCreate();
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn2Click();

    // The fields as a design keeps them; `applied` says whether "Apply" stored them.
    TDimensioningInputs Inputs(bool applied) const;

    // Every show brings the window to the front with the keyboard focus.
    void setVisible(bool visible) override;

    // The first field to type in: Mt, or tau when the elements give the torque and Mt is hidden.
    QLineEdit* FirstField() const;

private:
    void ShowTorqueSource();
    void CreatePreDimensioning();
    void CreateTheory();
    void CreateCoefficients();
    void CreateTwistSpan();
    QLineEdit* AddStressRow(const QString& caption, int top);
};

extern TForm10* Form10;
