#include "windows/dimensioning/tform10.h"

#include "analysis/analysis_state.h"
#include "analysis/shaft_torque.h"
#include "windows/editor/tform7.h"
#include "windows/main/tform6.h"
#include "canvas/canvas.h"
#include "canvas/canvas_painting.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "dimensioning/materials.h"
#include "dimensioning/pre_dimensioning.h"
#include "dimensioning/stress_checks.h"
#include "dimensioning/twist_span_fields.h"
#include "document/design_journal.h"
#include "widgets/panel_skin.h"
#include "widgets/window_setup.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

TForm10* Form10 = nullptr;

namespace {

const QColor kNavy(0, 0, 128);

QLabel* AddLabel(QWidget* parent, const QString& text, int left, int top, int width)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(left, top, width, 16);
    return label;
}

void MakeBold(QLabel* label)
{
    TFont bold;
    bold.Bold = true;
    label->setFont(ScreenFont(bold));
}

void MakeNavy(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kNavy);
    label->setPalette(palette);
}

QComboBox* AddComboBox(QWidget* parent, int left, int top, int width)
{
    auto* box = new QComboBox(parent);
    box->setGeometry(left, top, width, 22);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

// The item the box shows, or -1 once the user has typed a text of his own into it.
int SelectedItem(const QComboBox* box)
{
    const int item = box->currentIndex();
    return item >= 0 && box->currentText() == box->itemText(item) ? item : -1;
}

QPushButton* AddButton(QWidget* parent, const QString& caption, int left, int top)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(left, top, 75, 25);
    return button;
}

} // namespace

TForm10::TForm10(QWidget* parent) : SkinnedWindow(parent, Qt::WindowStaysOnTopHint)
{
    setGeometry(247, 90, 411, 436);
    setFixedSize(411, 436);
    SetSkin(KeptSkin("dimensioning",
                     [this] { return RoundedPanelSkin(size(), QColor(236, 240, 247), QColor(204, 214, 230)); }));
    setFont(ScreenFont(TFont()));
    CreatePreDimensioning();
    CreateTheory();
    CreateCoefficients();
    CreateTwistSpan();
    BitBtn2 = AddButton(this, "Apply", 318, 404);
    BitBtn2->setIcon(StandardIcon(*this, QStyle::SP_DialogApplyButton));
    connect(BitBtn1, &QPushButton::clicked, this, Guarded(this, &TForm10::BitBtn1Click));
    connect(BitBtn3, &QPushButton::clicked, this, Guarded(this, &TForm10::BitBtn3Click));
    connect(BitBtn2, &QPushButton::clicked, this, Guarded(this, &TForm10::BitBtn2Click));
    // The way out without a title bar: the values of the last "Apply" stay in force.
    CloseOnEscape(*this);
    FormCreate();
}

void TForm10::CreatePreDimensioning()
{
    Label2 = AddLabel(this, "Pre-dimensioning", 16, 12, 200);
    MakeBold(Label2);
    LabelTorqueCaption = AddLabel(this, "Twisting moment, Mt :", 24, 38, 180);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(210, 35, 100, 21);
    LabelElementTorque = AddLabel(this, "", 210, 38, 100);
    MakeNavy(LabelElementTorque);
    LabelElementTorque->hide();
    AddLabel(this, "N*mm", 316, 38, 50);
    Label5 = AddLabel(this, "Alowable stress (twisting), τat:", 24, 64, 180);
    Edit2 = new QLineEdit(this);
    Edit2->setGeometry(210, 61, 100, 21);
    AddLabel(this, "MPa", 316, 64, 50);
    BitBtn1 = AddButton(this, "Calculate", 24, 90);
    Label4 = AddLabel(this, "Resulting diameter :", 210, 95, 122);
    Label7 = AddLabel(this, "", 334, 95, 70);
    MakeNavy(Label4);
    MakeNavy(Label7);
    // The diameter shown stands for the moment and the stress it was worked out from: greyed from
    // the first edit of either until "Calculate".
    for (QLineEdit* field : {Edit1, Edit2})
        connect(field, &QLineEdit::textEdited, Label7, [this] { Label7->setEnabled(false); });
}

void TForm10::CreateTheory()
{
    Label3 = AddLabel(this, "Dimensioning options (combined stress)", 16, 126, 300);
    MakeBold(Label3);
    rg2 = new QGroupBox("Want to work with:", this);
    rg2->setGeometry(16, 146, 379, 46);
    rg2Items = new QButtonGroup(rg2);
    const QStringList theories{"3rd breaking theory (4)", "5th breaking theory (3)"};
    for (int item = 0; item < theories.size(); ++item) {
        auto* radio = new QRadioButton(theories[item], rg2);
        radio->setGeometry(12 + item * 184, 20, 170, 20);
        rg2Items->addButton(radio, item);
    }
    rg2Items->button(0)->setChecked(true);
}

void TForm10::CreateCoefficients()
{
    GroupBox1 = new QGroupBox("Coeficienti", this);
    GroupBox1->setGeometry(16, 194, 379, 206);
    AddLabel(GroupBox1, "Material", 10, 23, 60);
    c2 = AddComboBox(GroupBox1, 70, 20, 298);
    for (const TMaterial& material : MaterialTable()) c2->addItem(material.Name);
    AddLabel(GroupBox1, "Variation cycle of twisting stress", 10, 50, 200);
    c1 = AddComboBox(GroupBox1, 210, 47, 158);
    for (const QString& name : TwistCycleNames()) c1->addItem(name);
    Edit6 = AddStressRow("Alowable stress at bending (static load), σaiI [MPa]", 76);
    Edit4 = AddStressRow("Alowable stress at bending (pulsatory load), σaiII [MPa]", 106);
    Edit5 = AddStressRow("Alowable stress at bending (alternant symmetrical load), σaiIIII [MPa]", 136);
    AddLabel(GroupBox1, "α coefifcient  :", 10, 175, 100);
    Edit3 = new QLineEdit(GroupBox1);
    Edit3->setGeometry(110, 172, 60, 21);
    BitBtn3 = AddButton(GroupBox1, "Calculate", 293, 170);
}

// Below the coefficients, beside "Apply": where the driving member brings the torque in and
// where the driven one takes it out.
void TForm10::CreateTwistSpan()
{
    AddLabel(this, "Mt acts from x =", 16, 409, 92);
    EditTwistFrom = new QLineEdit(this);
    EditTwistFrom->setGeometry(108, 406, 56, 21);
    EditTwistFrom->setPlaceholderText("left end");
    EditTwistFrom->setToolTip("Position of the input element (mm); empty: the shaft's left end");
    AddLabel(this, "to x =", 170, 409, 36);
    EditTwistTo = new QLineEdit(this);
    EditTwistTo->setGeometry(206, 406, 56, 21);
    EditTwistTo->setPlaceholderText("right end");
    EditTwistTo->setToolTip("Position of the output element (mm); empty: the shaft's right end");
    AddLabel(this, "mm", 266, 409, 24);
}

QLineEdit* TForm10::AddStressRow(const QString& caption, int top)
{
    // The longest captions take two lines.
    QLabel* label = AddLabel(GroupBox1, caption, 10, top, 300);
    label->setFixedHeight(28);
    label->setWordWrap(true);
    auto* edit = new QLineEdit(GroupBox1);
    edit->setGeometry(318, top + 4, 50, 21);
    return edit;
}

// The navigation panel is created before this window and owns the shared component.
void TForm10::FormCreate()
{
    c1->setCurrentIndex(0);
    c2->setCurrentIndex(0);
    Form6->Data1->SetMM(false);
    Form6->Data1->SetT3(true);
}

// The shaft's elements, when it has any, give the torque; the typed Mt stays for a shaft without.
void TForm10::ShowTorqueSource()
{
    const TShaftTorque torque{0, {}, Analysis.ElementDrive};
    const bool fromElements = torque.FromElements();
    LabelTorqueCaption->setText(fromElements ? "Largest |T| of the elements :" : "Twisting moment, Mt :");
    Edit1->setVisible(!fromElements);
    LabelElementTorque->setVisible(fromElements);
    LabelElementTorque->setText(torque.Problem().isEmpty() ? FloatToStr(torque.Largest()) : "unbalanced");
}

QLineEdit* TForm10::FirstField() const { return Edit1->isVisible() ? Edit1 : Edit2; }

void TForm10::BitBtn1Click()
{
    ShowTorqueSource();
    const long double diameter = PreDimension(PreSizingTorqueText(Analysis.ElementDrive, Edit1->text()), Edit2->text());
    Form6->Data1->SetDPred(diameter);
    Label7->setText(DiameterLabelText(Form6->Data1->DPred()));
    Label7->setEnabled(true);
}

void TForm10::BitBtn3Click()
{
    const int material = SelectedItem(c2);
    if (material >= 0) {
        const TMaterial& row = MaterialTable()[material];
        Edit6->setText(FloatToStr(row.StaticStress));
        Edit4->setText(FloatToStr(row.PulsatoryStress));
        Edit5->setText(FloatToStr(row.AlternatingStress));
    }
    const auto coefficient =
        TorsionCoeffText(SelectedItem(c1), Edit6->text(), Edit4->text(), Edit5->text());
    if (coefficient) Edit3->setText(*coefficient);
}

// Stores field by field; a field that fails stops it with the earlier ones already stored.
void TForm10::BitBtn2Click()
{
    Analysis.TorsionCoeff = StrToFloat(Edit3->text());
    Analysis.AllowBendStress = ReadAllowBendStress(Edit5->text());
    Form6->Data1->SetT3(rg2Items->checkedId() == 0);
    Form6->Data1->SetMT(ReadTwistingMoment(Edit1->text()));
    Analysis.TwistSpan = ReadTwistSpan(EditTwistFrom->text(), EditTwistTo->text());
    DesignJournal.AppliedDimensioning = Inputs(true);
    // A drawing that does not read is reported without undoing the Apply.
    if (Form7) RunGuarded([] { Form7->StrengthInputsChanged(); });
    hide();
}

TDimensioningInputs TForm10::Inputs(bool applied) const
{
    return {Edit1->text(), Edit2->text(), Edit6->text(), Edit4->text(), Edit5->text(), Edit3->text(),
            c2->currentText(), c1->currentText(), rg2Items->checkedId() == 1 ? 1 : 0, applied,
            EditTwistFrom->text(), EditTwistTo->text()};
}

void TForm10::setVisible(bool visible)
{
    if (visible) ShowTorqueSource();
    SkinnedWindow::setVisible(visible);
    if (visible) ComeToFront(*this);
}
