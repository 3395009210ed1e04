#include "windows/main/window_set.h"

#include "windows/entry/tform2.h"
#include "windows/entry/tform14.h"
#include "windows/entry/tform4.h"
#include "windows/entry/tform5.h"
#include "windows/main/tform1.h"
#include "windows/main/tform6.h"
#include "windows/main/tform12.h"
#include "windows/results/tform3.h"
#include "document/design_journal.h"
#include "windows/results/tform11.h"
#include "windows/dimensioning/tform10.h"
#include "windows/editor/tform7.h"
#include "windows/view3d/tform9.h"

namespace {

template <class Form>
void Destroy(Form*& form)
{
    delete form;
    form = nullptr;
}

void CreateWorkWindows()
{
    Form2 = new TForm2();
    Form3 = new TForm3();
    Form4 = new TForm4();
    Form5 = new TForm5();
    Form6 = new TForm6();
    Form7 = new TForm7();
    Form9 = new TForm9();
    Form10 = new TForm10();
    Form11 = new TForm11();
    Form14 = new TForm14();
}

void DestroyWorkWindows()
{
    Destroy(Form14);
    Destroy(Form11);
    Destroy(Form10);
    Destroy(Form9);
    Destroy(Form7);
    Destroy(Form6);
    Destroy(Form5);
    Destroy(Form4);
    Destroy(Form3);
    Destroy(Form2);
}

} // namespace

void CreateWindowSet()
{
    Form12 = new TForm12();
    Form1 = new TForm1();
    DesignJournal = TDesignJournal();
    CreateWorkWindows();
    Form1->WatchWorkWindows();
    Form1->MarkSaved();
}

void RestartWorkWindows()
{
    DestroyWorkWindows();
    Analysis = TAnalysisState();
    DesignJournal = TDesignJournal();
    CreateWorkWindows();
    Form1->WatchWorkWindows();
    if (Form1->isVisible()) Form6->show();
}

void DestroyWindowSet()
{
    DestroyWorkWindows();
    Destroy(Form1);
    Destroy(Form12);
}
