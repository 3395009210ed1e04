#include "diagrams/tform11.h"

TForm11* Form11 = nullptr;

TForm11::TForm11(QWidget* parent) : QWidget(parent) {}
