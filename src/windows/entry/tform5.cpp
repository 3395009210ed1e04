#include "windows/entry/tform5.h"

#include "analysis/load_conversion.h"
#include "windows/entry/tform2.h"
#include "windows/entry/tform4_pictures.h"
#include "windows/entry/tform5_pictures.h"
#include "canvas/canvas.h"
#include "canvas/canvas_painting.h"
#include "common/errors.h"
#include "widgets/window_setup.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

TForm5* Form5 = nullptr;

namespace {

const QString kFieldCaption = "F =                 N     H =                mm";
constexpr int kPictureLeft = 10;

} // namespace

TForm5::TForm5(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    PlaceFixedWindow(*this, "Eccentric axial force -> moment", QRect(534, 91, 241, 250));
    SetPlainBackground(*this, Qt::white);
    setFont(ScreenFont(TFont()));

    Label1 = new QLabel(" Conversion of eccentric axial forces", this);
    Label1->setGeometry(8, 6, 225, 16);
    Label2 = new QLabel("Case :", this);
    Label2->setGeometry(8, 26, 60, 16);
    Image1 = AddPicture(true, 44);
    RadioButton1 = AddCase(kPictureLeft, 102, &TForm5::ClockwiseClick);
    RadioButton2 = AddCase(kPictureLeft + 110, 102, &TForm5::CounterClockwiseClick);
    Image2 = AddPicture(false, 124);
    RadioButton4 = AddCase(kPictureLeft, 182, &TForm5::CounterClockwiseClick);
    RadioButton3 = AddCase(kPictureLeft + 110, 182, &TForm5::ClockwiseClick);
    RadioButton1->setChecked(true);

    // The two fields sit in the gaps of one caption line.
    Label3 = new QLabel(kFieldCaption, this);
    Label3->setGeometry(8, 207, 230, 16);
    const QFontMetrics metrics(Label3->font());
    const int forceLeft = 8 + metrics.horizontalAdvance("F = ");
    const int leverLeft = 8 + metrics.horizontalAdvance("F =                 N     H = ");
    const int gap = metrics.horizontalAdvance("               ");
    e1 = new QLineEdit(this);
    e1->setGeometry(forceLeft, 204, gap, 21);
    e2 = new QLineEdit(this);
    e2->setGeometry(leverLeft, 204, gap, 21);

    BitBtn1 = new QPushButton(ConversionGlyph(), "Convert", this);
    BitBtn1->setGeometry(80, 228, 80, 21);
    connect(BitBtn1, &QPushButton::clicked, this, Guarded(this, &TForm5::BitBtn1Click));
    CloseOnEscape(*this);
}

QLabel* TForm5::AddPicture(bool leverAbove, int top)
{
    auto* image = new QLabel(this);
    image->setGeometry(kPictureLeft, top, kEccentricPictureWidth, kEccentricPictureHeight);
    image->setPixmap(QPixmap::fromImage(EccentricForcePicture(leverAbove)));
    return image;
}

QRadioButton* TForm5::AddCase(int left, int top, void (TForm5::*handler)())
{
    auto* radio = new QRadioButton(this);
    radio->setGeometry(left + 46, top, 17, 17);
    connect(radio, &QRadioButton::clicked, this, Guarded(this, handler));
    return radio;
}

void TForm5::ClockwiseClick() { Form2->rb3->setChecked(true); }

void TForm5::CounterClockwiseClick() { Form2->rb4->setChecked(true); }

// A number that does not read points at its field.
void TForm5::BitBtn1Click()
{
    try {
        Form2->Edit6->setText(EccentricMomentText(e1->text(), e2->text()));
    } catch (const KorvelError&) {
        const int faulty = FirstUnreadable({e1->text(), e2->text()});
        if (faulty >= 0) SelectField(*(faulty == 0 ? e1 : e2));
        throw;
    }
}

void TForm5::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible) ComeToFront(*this);
}
