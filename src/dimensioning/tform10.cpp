#include "dimensioning/tform10.h"

TForm10* Form10 = nullptr;

TForm10::TForm10(QWidget* parent) : QWidget(parent) {}
