// "Bore...": a bore of one diameter between two positions, typed in millimetres. A stepped or
// tapered bore is typed as several bore statements in the DHL panel.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

class TBoreDialog : public QDialog {
    Q_OBJECT
public:
    explicit TBoreDialog(QWidget* parent = nullptr);

    // The bore statement of the fields as typed; empty until OK has kept them.
    const QString& Statement() const { return statement_; }
    // Keeps a sound bore and closes; otherwise stays open with the reason under the fields.
    void accept() override;

    QLineEdit* FromEdit;     // mm
    QLineEdit* ToEdit;       // mm
    QLineEdit* DiameterEdit; // mm
    QLabel* ProblemLabel;

private:
    QString statement_;
};
