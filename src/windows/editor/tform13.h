// TForm13: the strength check of the drawn shaft, a tool window of the profile editor. One row
// per analysed position, red where the drawn diameter is smaller than the required one, the
// weakest section of the whole shaft under the table, and the table for the clipboard.
#pragma once

#include "profile/verification.h"

#include <QColor>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

// The background of a row whose drawn diameter is too small.
inline const QColor kTooSmallColor(255, 170, 170);

class TForm13 : public QWidget {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);

    QTableWidget* Table1;
    QLabel* Label1; // the weakest section
    QPushButton* CopyButton;

    // Fills the table and the weakest section from a check of the shaft.
    void ShowVerification(const TVerification& verification);
    // The table as tab-separated text on the clipboard.
    void CopyButtonClick();

private:
    void ShowRow(int index, const TVerificationRow& row);

    TVerification shown_;
};
