// TForm9: the 3D model window.
#pragma once

#include <QWidget>

class TForm9 : public QWidget {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);
};

extern TForm9* Form9;
