// TForm10: the dimensioning window.
#pragma once

#include <QWidget>

class TForm10 : public QWidget {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);
};

extern TForm10* Form10;
