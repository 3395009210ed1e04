// TForm4: converts a distributed load into its resultant point force, written into the force
// fields of the initial-data window.
#pragma once

#include "analysis/load_conversion.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    // Every show brings the window to the front with the keyboard focus.
    void setVisible(bool visible) override;

    QLabel* Label1; // heading
    QRadioButton* rb1;
    QRadioButton* rb2;
    QRadioButton* rb3;
    QRadioButton* rb4;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image3;
    QLabel* Image4;
    QLineEdit* e1; // X, mm
    QLineEdit* e2; // F, N/mm
    QLineEdit* e3; // L, mm
    QLineEdit* e4; // L2, mm (trapezoid only)
    QPushButton* BitBtn1;

    void CaseClick();
    void BitBtn1Click();

    TLoadCase SelectedCase() const;

private:
    void Convert();
    QLabel* AddCase(QRadioButton* radio, TLoadCase loadCase, int top);
    QLineEdit* AddField(const QString& caption, const QString& unit, int left, int top);
};

extern TForm4* Form4;
