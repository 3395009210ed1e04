#include "windows/entry/tform4.h"

#include "windows/entry/tform2.h"
#include "windows/entry/tform4_pictures.h"
#include "canvas/canvas.h"
#include "canvas/canvas_painting.h"
#include "common/errors.h"
#include "widgets/window_setup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <map>

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    PlaceFixedWindow(*this, "Distributed load -> concentrated load", QRect(522, 30, 266, 346));
    SetPlainBackground(*this, Qt::white);
    setFont(ScreenFont(TFont()));

    Label1 = new QLabel("Choose your case and input the values needed :", this);
    Label1->setGeometry(8, 2, 250, 28);
    Label1->setWordWrap(true);
    rb1 = new QRadioButton(this);
    rb2 = new QRadioButton(this);
    rb3 = new QRadioButton(this);
    rb4 = new QRadioButton(this);
    Image1 = AddCase(rb1, TLoadCase::Uniform, 32);
    Image2 = AddCase(rb2, TLoadCase::Rising, 88);
    Image3 = AddCase(rb3, TLoadCase::Falling, 144);
    Image4 = AddCase(rb4, TLoadCase::Trapezoid, 200);
    rb1->setChecked(true);

    e2 = AddField("F =", "N/mm", 8, 262);
    e1 = AddField("X =", "mm", 138, 262);
    e3 = AddField("L =", "mm", 8, 290);
    e4 = AddField("L2=", "mm", 138, 290);
    e4->setEnabled(false);

    BitBtn1 = new QPushButton(ConversionGlyph(), "Convert", this);
    BitBtn1->setGeometry(95, 316, 80, 25);
    connect(BitBtn1, &QPushButton::clicked, this, Guarded(this, &TForm4::BitBtn1Click));
    CloseOnEscape(*this);
}

QLabel* TForm4::AddCase(QRadioButton* radio, TLoadCase loadCase, int top)
{
    radio->setGeometry(16, top + kLoadPictureHeight / 2 - 8, 17, 17);
    connect(radio, &QRadioButton::clicked, this, Guarded(this, &TForm4::CaseClick));
    auto* image = new QLabel(this);
    image->setGeometry(44, top, kLoadPictureWidth, kLoadPictureHeight);
    image->setPixmap(QPixmap::fromImage(DistributedLoadPicture(loadCase)));
    return image;
}

QLineEdit* TForm4::AddField(const QString& caption, const QString& unit, int left, int top)
{
    auto* captionLabel = new QLabel(caption, this);
    captionLabel->setGeometry(left, top + 3, 26, 16);
    auto* edit = new QLineEdit(this);
    edit->setGeometry(left + 26, top, 56, 21);
    auto* unitLabel = new QLabel(unit, this);
    unitLabel->setGeometry(left + 86, top + 3, 34, 16);
    return edit;
}

TLoadCase TForm4::SelectedCase() const
{
    if (rb2->isChecked()) return TLoadCase::Rising;
    if (rb3->isChecked()) return TLoadCase::Falling;
    if (rb4->isChecked()) return TLoadCase::Trapezoid;
    return TLoadCase::Uniform;
}

void TForm4::CaseClick() { e4->setEnabled(rb4->isChecked()); }

// A refused conversion points at the field it is about.
void TForm4::BitBtn1Click()
{
    try {
        Convert();
    } catch (const KorvelError&) {
        const TDistributedLoadTexts texts{e1->text(), e2->text(), e3->text(), e4->text()};
        const std::map<TDistributedField, QLineEdit*> fields{
            {TDistributedField::X, e1}, {TDistributedField::F, e2}, {TDistributedField::L, e3}, {TDistributedField::L2, e4}};
        const auto faulty = fields.find(FaultyDistributedField(SelectedCase(), texts));
        if (faulty != fields.end()) SelectField(*faulty->second);
        throw;
    }
}

void TForm4::Convert()
{
    const TDistributedLoadTexts texts{e1->text(), e2->text(), e3->text(), e4->text()};
    const TLoadCase loadCase = SelectedCase();
    CheckDistributedLoadComplete(loadCase, texts);
    // The position goes in before the value is read: a bad F leaves the new position written.
    Form2->Edit3->setText(ResultantPositionText(loadCase, texts));
    Form2->Edit4->setText(ResultantValueText(loadCase, texts));
}

void TForm4::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible) ComeToFront(*this);
}
