#include "windows/editor/own_material_dialog.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "document/own_materials.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit* AddField(QFormLayout& form, QWidget* parent, const QString& label, const QString& text)
{
    auto* field = new QLineEdit(text, parent);
    form.addRow(label, field);
    return field;
}

} // namespace

TOwnMaterialDialog::TOwnMaterialDialog(std::vector<TSteelGrade> taken, QWidget* parent)
    : QDialog(parent), taken_(std::move(taken))
{
    setWindowTitle("New material");
    auto* form = new QFormLayout;
    NameEdit = AddField(*form, this, "Name:", QString());
    UltimateEdit = AddField(*form, this, "Sut [MPa]:", QString());
    YieldEdit = AddField(*form, this, "Sy [MPa]:", QString());
    ModulusEdit = AddField(*form, this, "E [MPa]:", "210000");
    ShearEdit = AddField(*form, this, "G [MPa]:", "81000");
    DensityEdit = AddField(*form, this, "Density [kg/m^3]:", "7850");
    ProblemLabel = new QLabel(this);
    ProblemLabel->setStyleSheet(QStringLiteral("color: darkred"));
    ProblemLabel->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TOwnMaterialDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(ProblemLabel);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

TSteelGrade TOwnMaterialDialog::Material() const
{
    const auto number = [](const QLineEdit* edit) { return StrToFloat(edit->text()); };
    return OwnMaterial(NameEdit->text(), number(UltimateEdit), number(YieldEdit), number(ModulusEdit),
                       number(ShearEdit), number(DensityEdit));
}

// A material that cannot be kept leaves the dialog open with the reason under the fields.
void TOwnMaterialDialog::accept()
{
    try {
        const QString problem = OwnMaterialProblem(Material(), taken_);
        ProblemLabel->setText(problem);
        if (problem.isEmpty()) QDialog::accept();
    } catch (const KorvelError& error) {
        ProblemLabel->setText(error.Text());
    }
}
