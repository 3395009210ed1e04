// "New material...": the engineer's own material, its strengths and constants, kept beside the
// settings for every design on this machine.
#pragma once

#include "check/steel_grades.h"

#include <QDialog>
#include <vector>

class QLabel;
class QLineEdit;

class TOwnMaterialDialog : public QDialog {
    Q_OBJECT
public:
    // `taken`: the names already in use, which a new material may not take.
    TOwnMaterialDialog(std::vector<TSteelGrade> taken, QWidget* parent = nullptr);

    // The material as typed; a field that is not a number fails with its message.
    TSteelGrade Material() const;
    void accept() override;

    QLineEdit* NameEdit;
    QLineEdit* UltimateEdit; // Sut, MPa
    QLineEdit* YieldEdit;    // Sy, MPa
    QLineEdit* ModulusEdit;  // E, MPa
    QLineEdit* ShearEdit;    // G, MPa
    QLineEdit* DensityEdit;  // kg/m^3
    QLabel* ProblemLabel;    // why OK did not keep it

private:
    std::vector<TSteelGrade> taken_;
};
