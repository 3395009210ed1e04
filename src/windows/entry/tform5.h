// TForm5: converts an axial force acting at a lever into a concentrated moment, written into the
// moment value of the initial-data window together with its sense.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // Every show brings the window to the front with the keyboard focus.
    void setVisible(bool visible) override;


    QLabel* Label1; // heading
    QLabel* Label2; // "Case :"
    QLabel* Label3; // captions of the two fields
    QLabel* Image1; // lever above the axis
    QLabel* Image2; // lever below the axis
    QRadioButton* RadioButton1; // above, F right: clockwise
    QRadioButton* RadioButton2; // above, F left: counter-clockwise
    QRadioButton* RadioButton4; // below, F right: counter-clockwise
    QRadioButton* RadioButton3; // below, F left: clockwise
    QLineEdit* e1; // F, N
    QLineEdit* e2; // H, mm
    QPushButton* BitBtn1;

    void ClockwiseClick();
    void CounterClockwiseClick();
    void BitBtn1Click();

private:
    QLabel* AddPicture(bool leverAbove, int top);
    QRadioButton* AddCase(int left, int top, void (TForm5::*handler)());
};

extern TForm5* Form5;
