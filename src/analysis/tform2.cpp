#include "analysis/tform2.h"

#include <QLineEdit>
#include <QRadioButton>

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent)
    : QWidget(parent),
      Edit3(new QLineEdit(this)),
      Edit4(new QLineEdit(this)),
      Edit5(new QLineEdit(this)),
      Edit6(new QLineEdit(this)),
      rb3(new QRadioButton(this)),
      rb4(new QRadioButton(this))
{
    rb3->setChecked(true);
}
