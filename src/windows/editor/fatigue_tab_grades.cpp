// The fatigue page's steel grade: the standard grades and the engineer's own, the band at the
// ruling diameter, and a new own material.
#include "windows/editor/fatigue_tab.h"

#include "check/steel_grades.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "document/own_materials.h"
#include "windows/editor/fatigue_fields.h"
#include "windows/editor/own_material_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QWidget* TFatigueTab::GradeRow()
{
    auto* row = new QWidget(this);
    GradeBox = new QComboBox(row);
    ListGrades();
    NewMaterialButton = new QPushButton("New material...", row);
    NewMaterialButton->setToolTip("Keep a material of your own for every design on this computer");
    connect(NewMaterialButton, &QPushButton::clicked, this, Guarded(this, &TFatigueTab::AddOwnMaterial));
    RulingDiameterEdit = NumberEdit(row, 68);
    RulingDiameterEdit->setPlaceholderText("largest");
    RulingDiameterEdit->setToolTip("The diameter whose band of the grade's table gives Sut and Sy; empty: the "
                                   "largest drawn diameter");
    connect(GradeBox, &QComboBox::activated, this, Guarded(this, &TFatigueTab::GradeChosen));
    connect(RulingDiameterEdit, &QLineEdit::editingFinished, this, Guarded(this, &TFatigueTab::GradeChosen));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : std::initializer_list<QWidget*>{new QLabel("Steel grade:", row), GradeBox,
                                                           NewMaterialButton, new QLabel("ruling d [mm]:", row),
                                                           RulingDiameterEdit})
        layout->addWidget(widget);
    layout->addStretch(1);
    return row;
}

// The standard grades, then the engineer's own. An own materials file that cannot be read leaves
// the standard grades, and says why on the box; "New material..." then names the fault.
void TFatigueTab::ListGrades()
{
    grades_ = SteelGrades();
    QString problem;
    try {
        for (TSteelGrade& own : ReadOwnMaterials(OwnMaterialsPath())) grades_.push_back(std::move(own));
    } catch (const KorvelError& error) {
        problem = error.Text();
    }
    GradeBox->clear();
    GradeBox->addItem("as typed / the dimensioning's material");
    for (const TSteelGrade& grade : grades_) {
        GradeBox->addItem(grade.Name);
        GradeBox->setItemData(GradeBox->count() - 1, grade.Source, Qt::ToolTipRole);
    }
    GradeBox->setToolTip(problem);
}

// The listed grade the box shows, none for "as typed" or a grade only the design names.
const TSteelGrade* TFatigueTab::ChosenGrade() const
{
    const int grade = GradeBox->currentIndex() - 1;
    return grade >= 0 && size_t(grade) < grades_.size() ? &grades_[size_t(grade)] : nullptr;
}

void TFatigueTab::GradeChosen()
{
    if (!ChosenGrade()) return;
    const TSteelGrade& chosen = *ChosenGrade();
    const long double diameter = RulingDiameterOf(ReadOptional(RulingDiameterEdit), drawnDiameter_);
    const TStrengthBand& band = StrengthBandAt(chosen, diameter);
    UltimateEdit->setText(FloatToStr(band.UltimateStrength));
    YieldEdit->setText(FloatToStr(band.YieldStrength));
    ShearModulusEdit->setText(FloatToStr(chosen.ShearModulus));
}

void TFatigueTab::AddOwnMaterial()
{
    std::vector<TSteelGrade> own = ReadOwnMaterials(OwnMaterialsPath());
    TOwnMaterialDialog dialog(grades_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    own.push_back(dialog.Material());
    SaveOwnMaterials(OwnMaterialsPath(), own);
    ListGrades();
    GradeBox->setCurrentIndex(GradeBox->findText(own.back().Name));
    GradeChosen();
}

// A grade the design names that this computer does not list (another engineer's own material)
// is shown by its name; its values came with the design.
void TFatigueTab::ShowGrade(const TFatigueInputs& fatigue)
{
    RulingDiameterEdit->setText(OptionalText(fatigue.RulingDiameter));
    if (fatigue.Grade.isEmpty()) return GradeBox->setCurrentIndex(0);
    if (GradeBox->findText(fatigue.Grade) < 0) {
        GradeBox->addItem(fatigue.Grade);
        GradeBox->setItemData(GradeBox->count() - 1, "kept with the design", Qt::ToolTipRole);
    }
    GradeBox->setCurrentIndex(GradeBox->findText(fatigue.Grade));
}

long double TFatigueTab::RulingDiameter() const
{
    try {
        return RulingDiameterOf(ReadOptional(RulingDiameterEdit), drawnDiameter_);
    } catch (const KorvelError&) {
        return 0;
    }
}
