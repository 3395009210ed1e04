#include "windows/editor/bore_dialog.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "profile/editor_commands.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit* AddField(QFormLayout& form, QWidget* parent, const QString& label)
{
    auto* field = new QLineEdit(parent);
    form.addRow(label, field);
    return field;
}

// The field's number; a text that is none fails naming the field.
long double FieldNumber(const QLineEdit* field, const QString& name)
{
    try {
        return StrToFloat(field->text());
    } catch (const KorvelError& error) {
        RaiseError(name + ": " + error.Text());
    }
}

} // namespace

TBoreDialog::TBoreDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Bore");
    auto* form = new QFormLayout;
    FromEdit = AddField(*form, this, "From (mm):");
    ToEdit = AddField(*form, this, "To (mm):");
    DiameterEdit = AddField(*form, this, "Bore diameter (mm):");
    ProblemLabel = new QLabel(this);
    ProblemLabel->setStyleSheet(QStringLiteral("color: darkred"));
    ProblemLabel->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TBoreDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(ProblemLabel);
    layout->addWidget(buttons);
    setMinimumWidth(300);
}

void TBoreDialog::accept()
{
    ProblemLabel->clear();
    try {
        statement_ = BoreStatement(FieldNumber(FromEdit, "From"), FieldNumber(ToEdit, "To"),
                                   FieldNumber(DiameterEdit, "Bore diameter"));
    } catch (const KorvelError& error) {
        ProblemLabel->setText(error.Text());
        return;
    }
    QDialog::accept();
}
