// TForm6: the navigation panel, the program's control centre. Its picture buttons start the
// stages of the work; it owns the shared component Data1.
#pragma once

#include "analysis/analysis_state.h"
#include "widgets/skinned_window.h"

class ImageButton;
class QLabel;

class TForm6 : public SkinnedWindow {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    TData* Data1;

    ImageButton* IBtn5;   // "Initial data"
    ImageButton* IBtn7;   // "Shaft elements"
    ImageButton* Bitbtn2; // "Load in horizontal plane"
    ImageButton* BitBtn3; // "Load in vertical plane"
    ImageButton* BitBtn4; // "2D Drawing"
    ImageButton* IBtn6;   // "3D model"
    ImageButton* IBtn1;   // viewing buttons, without action
    ImageButton* IBtn2;
    ImageButton* IBtn3;
    ImageButton* IBtn4;

    QLabel* Label1; // group headings
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5; // captions beside the buttons
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label9; // "Rezultate": the results block stays hidden
    QLabel* l2;     // critical section
    QLabel* l1;     // Mmax

    void FormCreate();
    void IBtn5Click();
    void IBtn7Click();
    // The plane buttons. Over entries they ask about unsaved work first, as New and Open do, and
    // the work stays until something is entered in the new plane.
    void Bitbtn2Click();
    void BitBtn3Click();
    // What the plane buttons start, and what an opened design presses: a new shaft, and the
    // vertical plane of the same shaft.
    void StartHorizontalPlane();
    void StartVerticalPlane();
    void BitBtn4Click();
    void IBtn6Click();

private:
    bool MayStartAnew(bool horizontal);
    QLabel* AddHeading(const QString& text, int top);
    QLabel* AddCaption(const QString& text, const ImageButton* button);
    QLabel* AddResultLabel(const QString& text, int top);
    ImageButton* AddButton(int left, int top, int side);
    void BuildGroups();
};

extern TForm6* Form6;
