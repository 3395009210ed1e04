#include "app/window_set.h"

#include "analysis/tform2.h"
#include "analysis/tform4.h"
#include "analysis/tform5.h"
#include "app/tform1.h"
#include "app/tform6.h"
#include "app/tform12.h"
#include "diagrams/tform3.h"
#include "diagrams/tform11.h"
#include "dimensioning/tform10.h"
#include "profile/tform7.h"
#include "view3d/tform9.h"

namespace {

template <class Form>
void Destroy(Form*& form)
{
    delete form;
    form = nullptr;
}

} // namespace

void CreateWindowSet()
{
    Form12 = new TForm12();
    Form1 = new TForm1();
    Form2 = new TForm2();
    Form3 = new TForm3();
    Form4 = new TForm4();
    Form5 = new TForm5();
    Form6 = new TForm6();
    Form7 = new TForm7();
    Form9 = new TForm9();
    Form10 = new TForm10();
    Form11 = new TForm11();
}

void DestroyWindowSet()
{
    Destroy(Form11);
    Destroy(Form10);
    Destroy(Form9);
    Destroy(Form7);
    Destroy(Form6);
    Destroy(Form5);
    Destroy(Form4);
    Destroy(Form3);
    Destroy(Form2);
    Destroy(Form1);
    Destroy(Form12);
}
