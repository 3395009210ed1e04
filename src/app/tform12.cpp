#include "app/tform12.h"

TForm12* Form12 = nullptr;

TForm12::TForm12(QWidget* parent) : QWidget(parent) {}
