#include "view3d/tform9.h"

TForm9* Form9 = nullptr;

TForm9::TForm9(QWidget* parent) : QWidget(parent) {}
