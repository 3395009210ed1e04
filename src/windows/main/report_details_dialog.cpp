#include "windows/main/report_details_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TReportDetailsDialog::TReportDetailsDialog(const TReportDetails& details, QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Report details");
    auto* form = new QFormLayout;
    ProjectEdit = AddField(*form, "Project:", details.Project);
    DrawingEdit = AddField(*form, "Drawing number:", details.Drawing);
    RevisionEdit = AddField(*form, "Revision:", details.Revision);
    EngineerEdit = AddField(*form, "Engineer:", details.Engineer, "The report names the engineer as its author");
    CheckerEdit = AddField(*form, "Checked by:", details.Checker);
    DateEdit = AddField(*form, "Date:", details.Date, "Empty: the day the report is written");
    DateEdit->setPlaceholderText("the day the report is written");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

QLineEdit* TReportDetailsDialog::AddField(QFormLayout& form, const QString& label, const QString& text, const QString& hint)
{
    auto* field = new QLineEdit(text, this);
    field->setToolTip(hint);
    form.addRow(label, field);
    return field;
}

TReportDetails TReportDetailsDialog::Details() const
{
    const auto text = [](const QLineEdit* field) { return field->text().trimmed(); };
    return {text(ProjectEdit), text(DrawingEdit), text(RevisionEdit), text(EngineerEdit), text(CheckerEdit), text(DateEdit)};
}
