// "Report details...": the title block of the calculation report, entered once for the design.
#pragma once

#include "document/report_details.h"

#include <QDialog>

class QLineEdit;

class TReportDetailsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TReportDetailsDialog(const TReportDetails& details, QWidget* parent = nullptr);

    TReportDetails Details() const;

    QLineEdit* ProjectEdit;
    QLineEdit* DrawingEdit;
    QLineEdit* RevisionEdit;
    QLineEdit* EngineerEdit;
    QLineEdit* CheckerEdit;
    QLineEdit* DateEdit;

private:
    QLineEdit* AddField(class QFormLayout& form, const QString& label, const QString& text, const QString& hint = QString());
};
