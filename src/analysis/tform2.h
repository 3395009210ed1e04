// TForm2: the initial-data window.
#pragma once

#include <QWidget>

class QLineEdit;
class QRadioButton;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QRadioButton* rb3;
    QRadioButton* rb4;
};

extern TForm2* Form2;
