#include "profile/tform7.h"

TForm7* Form7 = nullptr;

TForm7::TForm7(QWidget* parent) : QWidget(parent) {}
