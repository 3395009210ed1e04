#include "windows/entry/tform14.h"

#include "analysis/load_entry.h"
#include "canvas/canvas.h"
#include "canvas/canvas_painting.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "document/design_journal.h"
#include "elements/element_entry.h"
#include "widgets/window_setup.h"
#include "windows/editor/tform7.h"
#include "windows/entry/tform14_sketch.h"
#include "windows/main/design_windows.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

TForm14* Form14 = nullptr;

namespace {

constexpr int kFieldsLeft = 330;
constexpr int kSecondColumn = 500;
const QStringList kKindTexts{"Spur / helical gear", "Straight bevel gear", "Belt pulley", "Chain sprocket", "Coupling"};

// A refused number points at its field, as the initial-data window's do.
long double ReadNumber(QLineEdit* field)
{
    try {
        return StrToFloat(field->text());
    } catch (const KorvelError&) {
        SelectField(*field);
        throw;
    }
}

// An empty field is the quantity's "none".
long double ReadOptional(QLineEdit* field) { return field->text().trimmed().isEmpty() ? 0 : ReadNumber(field); }

QString TorqueText(const TMachineElement& element)
{
    return element.GivenAsPower ? FloatToStr(element.Power) + " kW" : FloatToStr(element.Torque) + " N*m";
}

// An element off the shaft could not be entered in a plane.
void CheckOnShaft(const TMachineElement& element)
{
    const long double length = DesignJournal.ShaftLength;
    if (length > 0 && (element.Position < 0 || element.Position > length)) RaiseError(kPositionOutside);
}

} // namespace

TForm14::TForm14(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    PlaceFixedWindow(*this, "Shaft elements", QRect(200, 60, 680, 470));
    SetPlainBackground(*this, Qt::white);
    setFont(ScreenFont(TFont()));
    ElementList = new QTreeWidget(this);
    ElementList->setGeometry(8, 8, 310, 236);
    ElementList->setHeaderLabels({"Element", "x, mm", "Torque", "Flow"});
    ElementList->setRootIsDecorated(false);
    ElementList->header()->setStretchLastSection(true);
    for (int column = 0; column < 3; ++column) ElementList->setColumnWidth(column, column == 0 ? 96 : 64);
    CreateFields();
    CreateButtons();
    Sketch = new TElementSketch(this);
    Sketch->setGeometry(8, 300, 664, 160);
    KindChanged();
    CloseOnEscape(*this);
}

QLineEdit* TForm14::AddField(const QString& caption, const QString& unit, int left, int top)
{
    (new QLabel(caption, this))->setGeometry(left, top + 2, 84, 17);
    auto* edit = new QLineEdit(this);
    edit->setGeometry(left + 86, top, 56, 21);
    (new QLabel(unit, this))->setGeometry(left + 146, top + 2, 26, 17);
    return edit;
}

QRadioButton* TForm14::AddRadio(const QString& caption, int left, int top, int width)
{
    auto* radio = new QRadioButton(caption, this);
    radio->setGeometry(left, top, width, 19);
    return radio;
}

void TForm14::CreateFields()
{
    KindBox = new QComboBox(this);
    KindBox->addItems(kKindTexts);
    KindBox->setGeometry(kFieldsLeft, 8, 170, 22);
    PositionEdit = AddField("Position :", "mm", kFieldsLeft, 38);
    MassEdit = AddField("Mass :", "kg", kSecondColumn, 38);
    ValueEdit = AddField("Torque / power :", "", kFieldsLeft, 64);
    TorqueRadio = AddRadio("N*m", kSecondColumn, 64, 56);
    PowerRadio = AddRadio("kW", kSecondColumn + 60, 64, 56);
    DrivingRadio = AddRadio("driving (power in)", kFieldsLeft, 90, 150);
    DrivenRadio = AddRadio("driven (power out)", kSecondColumn, 90, 150);
    for (auto [first, second] : {std::pair{TorqueRadio, PowerRadio}, std::pair{DrivingRadio, DrivenRadio}}) {
        auto* group = new QButtonGroup(this);
        group->addButton(first);
        group->addButton(second);
        first->setChecked(true);
    }
    DiameterEdit = AddField("Diameter :", "mm", kFieldsLeft, 116);
    AngleEdit = AddField("Angle :", "deg", kSecondColumn, 116);
    PressureAngleEdit = AddField("Pressure angle :", "deg", kFieldsLeft, 142);
    PressureAngleEdit->setText("20");
    HelixAngleEdit = AddField("Helix angle :", "deg", kSecondColumn, 142);
    HelixAngleEdit->setText("0");
    HandBox = new QComboBox(this);
    HandBox->addItems({"right hand", "left hand"});
    HandBox->setGeometry(kSecondColumn, 168, 142, 22);
    ConeAngleEdit = AddField("Pitch cone :", "deg", kFieldsLeft, 168);
    ApexBox = new QComboBox(this);
    ApexBox->addItems({"apex towards +x", "apex towards -x"});
    ApexBox->setGeometry(kFieldsLeft, 194, 142, 22);
    RatioRadio = AddRadio("F1/F2", kSecondColumn, 196, 56);
    FactorRadio = AddRadio("factor k", kSecondColumn + 60, 196, 80);
    auto* beltGroup = new QButtonGroup(this);
    beltGroup->addButton(RatioRadio);
    beltGroup->addButton(FactorRadio);
    RatioRadio->setChecked(true);
    BeltEdit = AddField("Belt :", "", kSecondColumn, 220);
    FractionEdit = AddField("Side force / Ft :", "", kFieldsLeft, 220);
    FractionEdit->setText("0");
    RotationBox = new QComboBox(this);
    RotationBox->addItems({"counter-clockwise", "clockwise"});
    RotationBox->setGeometry(kFieldsLeft + 150, 250, 140, 22);
    (new QLabel("Shaft turns, from +x :", this))->setGeometry(kFieldsLeft, 252, 148, 17);
}

void TForm14::CreateButtons()
{
    const std::pair<QPushButton**, QString> buttons[] = {
        {&AddButton, "Add"}, {&ChangeButton, "Change"}, {&RemoveButton, "Remove"}, {&ApplyButton, "Apply"}};
    for (int i = 0; i < 4; ++i) {
        *buttons[i].first = new QPushButton(buttons[i].second, this);
        (*buttons[i].first)->setGeometry(8 + 78 * i, 250, 72, 25);
    }
    DriveLabel = new QLabel(this);
    DriveLabel->setGeometry(8, 278, 664, 17);
    connect(AddButton, &QPushButton::clicked, this, Guarded(this, &TForm14::AddButtonClick));
    connect(ChangeButton, &QPushButton::clicked, this, Guarded(this, &TForm14::ChangeButtonClick));
    connect(RemoveButton, &QPushButton::clicked, this, Guarded(this, &TForm14::RemoveButtonClick));
    connect(ApplyButton, &QPushButton::clicked, this, Guarded(this, &TForm14::ApplyButtonClick));
    connect(KindBox, &QComboBox::currentIndexChanged, this, Guarded(this, &TForm14::KindChanged));
    connect(ElementList, &QTreeWidget::itemSelectionChanged, this, Guarded(this, &TForm14::SelectionChanged));
    connect(RotationBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { Sketch->SetRotation(TShaftRotation(index)); });
}

// Only the fields that the kind reads are open.
void TForm14::KindChanged()
{
    const auto kind = TElementKind(KindBox->currentIndex());
    const bool gear = kind == TElementKind::Gear, bevel = kind == TElementKind::BevelGear;
    const bool belt = kind == TElementKind::BeltPulley, coupling = kind == TElementKind::Coupling;
    PressureAngleEdit->setEnabled(gear || bevel);
    for (QWidget* control : std::initializer_list<QWidget*>{HelixAngleEdit, HandBox}) control->setEnabled(gear);
    for (QWidget* control : std::initializer_list<QWidget*>{ConeAngleEdit, ApexBox}) control->setEnabled(bevel);
    for (QWidget* control : std::initializer_list<QWidget*>{RatioRadio, FactorRadio, BeltEdit}) control->setEnabled(belt);
    FractionEdit->setEnabled(coupling);
}

TMachineElement TForm14::ReadElement() const
{
    TMachineElement element;
    element.Kind = TElementKind(KindBox->currentIndex());
    element.Position = ReadNumber(PositionEdit);
    element.Mass = ReadOptional(MassEdit);
    element.GivenAsPower = PowerRadio->isChecked();
    (element.GivenAsPower ? element.Power : element.Torque) = ReadNumber(ValueEdit);
    element.Flow = DrivingRadio->isChecked() ? TPowerFlow::Driving : TPowerFlow::Driven;
    element.Diameter = ReadOptional(DiameterEdit);
    element.Angle = ReadOptional(AngleEdit);
    if (PressureAngleEdit->isEnabled()) element.PressureAngle = ReadNumber(PressureAngleEdit);
    if (HelixAngleEdit->isEnabled()) element.HelixAngle = ReadOptional(HelixAngleEdit);
    element.Hand = THelixHand(HandBox->currentIndex());
    if (ConeAngleEdit->isEnabled()) element.PitchConeAngle = ReadNumber(ConeAngleEdit);
    element.ApexTowardsPlusX = ApexBox->currentIndex() == 0;
    element.TensionRatioGiven = RatioRadio->isChecked();
    if (BeltEdit->isEnabled()) (element.TensionRatioGiven ? element.TensionRatio : element.BeltFactor) = ReadNumber(BeltEdit);
    if (FractionEdit->isEnabled()) element.RadialFraction = ReadOptional(FractionEdit);
    // Refused here with the rule's message, before it can reach a plane.
    CheckOnShaft(element);
    ResolveElement(element, {Form7->CheckInputs().Speed, TShaftRotation(RotationBox->currentIndex())});
    return element;
}

void TForm14::ShowElement(const TMachineElement& e)
{
    KindBox->setCurrentIndex(int(e.Kind));
    PositionEdit->setText(FloatToStr(e.Position));
    MassEdit->setText(e.Mass > 0 ? FloatToStr(e.Mass) : QString());
    (e.GivenAsPower ? PowerRadio : TorqueRadio)->setChecked(true);
    ValueEdit->setText(FloatToStr(e.GivenAsPower ? e.Power : e.Torque));
    (e.Flow == TPowerFlow::Driving ? DrivingRadio : DrivenRadio)->setChecked(true);
    DiameterEdit->setText(FloatToStr(e.Diameter));
    AngleEdit->setText(FloatToStr(e.Angle));
    PressureAngleEdit->setText(FloatToStr(e.PressureAngle));
    HelixAngleEdit->setText(FloatToStr(e.HelixAngle));
    HandBox->setCurrentIndex(int(e.Hand));
    ConeAngleEdit->setText(FloatToStr(e.PitchConeAngle));
    ApexBox->setCurrentIndex(e.ApexTowardsPlusX ? 0 : 1);
    (e.TensionRatioGiven ? RatioRadio : FactorRadio)->setChecked(true);
    BeltEdit->setText(FloatToStr(e.TensionRatioGiven ? e.TensionRatio : e.BeltFactor));
    FractionEdit->setText(FloatToStr(e.RadialFraction));
}

void TForm14::FillList()
{
    ElementList->clear();
    const QStringList names = ElementNames(elements_);
    for (size_t i = 0; i < elements_.size(); ++i) {
        const TMachineElement& element = elements_[i];
        ElementList->addTopLevelItem(new QTreeWidgetItem(
            QStringList{names[qsizetype(i)], FloatToStr(element.Position), TorqueText(element),
                        element.Flow == TPowerFlow::Driving ? "driving" : "driven"}));
    }
}

// What the applied elements hand on to the checks.
void TForm14::ShowDrive()
{
    const TElementDrive& drive = Analysis.ElementDrive;
    if (DesignJournal.Elements.empty()) DriveLabel->setText("No elements are applied.");
    else if (!drive.Balanced) DriveLabel->setText(TorquesUnbalancedText(drive.TorqueSum));
    else
        DriveLabel->setText("Applied: the locating bearing takes " + FormatFloat("0.00", std::abs(drive.AxialForce)) +
                            " N along the shaft; the largest torque is " + FormatFloat("0.00", LargestTorque(drive.Steps)) +
                            " N*m.");
}

int TForm14::SelectedRow() const
{
    const QModelIndex index = ElementList->currentIndex();
    return index.isValid() && !ElementList->selectedItems().isEmpty() ? index.row() : -1;
}

void TForm14::AddButtonClick()
{
    elements_.push_back(ReadElement());
    FillList();
    ElementList->setCurrentItem(ElementList->topLevelItem(int(elements_.size()) - 1));
}

void TForm14::ChangeButtonClick()
{
    const int row = SelectedRow();
    if (row < 0) return;
    elements_[size_t(row)] = ReadElement();
    FillList();
    ElementList->setCurrentItem(ElementList->topLevelItem(row));
}

void TForm14::RemoveButtonClick()
{
    const int row = SelectedRow();
    if (row < 0) return;
    elements_.erase(elements_.begin() + row);
    FillList();
}

void TForm14::SelectionChanged()
{
    const int row = SelectedRow();
    ChangeButton->setEnabled(row >= 0);
    RemoveButton->setEnabled(row >= 0);
    if (row >= 0) ShowElement(elements_[size_t(row)]);
}

// One replay of the design takes the new elements into both planes. A plane that refuses them
// (a 256th force) gives the design back as it was.
void TForm14::ApplyButtonClick()
{
    const TDesign previous = CaptureDesign();
    TDesign design = previous;
    design.Elements = elements_;
    design.Rotation = TShaftRotation(RotationBox->currentIndex());
    try {
        ReplayPlanes(design);
    } catch (const KorvelError&) {
        ReplayPlanes(previous);
        throw;
    }
    Form7->RefreshVerification();
    ShowDrive();
    ComeToFront(*this);
}

void TForm14::ShowElements()
{
    elements_ = DesignJournal.Elements;
    RotationBox->setCurrentIndex(int(DesignJournal.Rotation));
    FillList();
    SelectionChanged();
    ShowDrive();
}

void TForm14::setVisible(bool visible)
{
    if (visible && !isVisible()) ShowElements();
    QWidget::setVisible(visible);
    if (visible) ComeToFront(*this);
}
