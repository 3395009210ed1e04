// TForm7: the 2D profile editor. Below its drawing band it shows the load schemes and moment
// diagrams of both planes, and it lists the analysed positions.
#include "profile/tform7.h"

#include "canvas/canvas_painting.h"
#include "common/number_text.h"

#include <QComboBox>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>

TForm7* Form7 = nullptr;

namespace {

const QSize kClientSize(670, 578);
const QSize kDrawingSize(605, 725);
constexpr int kSchemeRows = 130; // page rows 0 to 130: the load scheme
constexpr int kMomentTop = 285;  // page rows 285 to 385: the moment diagram
constexpr int kMomentRows = 100;
constexpr int kHorizontalTop = 210;
constexpr int kVerticalTop = 485;

void DrawEditorSkin(QPainter& painter, const QRect& area)
{
    painter.fillRect(area, QColor(212, 218, 230));
    painter.setPen(QColor(0, 0, 128));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

} // namespace

TDrawingImage::TDrawingImage(QWidget* parent)
    : QWidget(parent), picture_(kDrawingSize, QImage::Format_RGB32), canvas_(picture_)
{
    setFixedSize(kDrawingSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    picture_.fill(Qt::white);
}

Canvas& TDrawingImage::DrawingCanvas()
{
    update();
    return canvas_;
}

void TDrawingImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}

TFrame8::TFrame8(QWidget* parent) : QScrollArea(parent)
{
    Image1 = new TDrawingImage(this);
    setWidget(Image1);
}

TForm7::TForm7(QWidget* parent) : SkinnedWindow(parent, Qt::WindowStaysOnTopHint)
{
    setGeometry(QRect(QPoint(111, 15), kClientSize));
    setFixedSize(kClientSize);
    SetSkinDrawer(DrawEditorSkin);
    setFont(ScreenFont(TFont()));
    Frame81 = new TFrame8(this);
    Frame81->setGeometry(19, 136, 622, 377);
    Label1 = new QLabel("The forces application points (X) :", this);
    // Wrapped so that it ends before the list, and centred on the list's row.
    Label1->setWordWrap(true);
    Label1->setGeometry(16, 43, 102, 42);
    c1 = new QComboBox(this);
    c1->setEditable(true);
    c1->setInsertPolicy(QComboBox::NoInsert);
    c1->setGeometry(120, 53, 100, 21);
}

// 1:1 over the page's width: both images place a shaft position in the same column.
void TForm7::ReceiveDiagrams(const Canvas& page, bool horizontal)
{
    Canvas& drawing = Frame81->Image1->DrawingCanvas();
    const int top = horizontal ? kHorizontalTop : kVerticalTop;
    const int width = page.Width();
    drawing.CopyRect(QRect(0, top, width, kSchemeRows), page, QRect(0, 0, width, kSchemeRows));
    drawing.CopyRect(QRect(0, top + kSchemeRows, width, kMomentRows), page,
                     QRect(0, kMomentTop, width, kMomentRows));
    if (horizontal) return;
    drawing.TextOut(20, 265, "[H]");
    drawing.TextOut(20, 540, "[V]");
}

void TForm7::ListPositions(const TPuncte& points)
{
    c1->clear();
    for (const TShaftPoint& point : points) c1->addItem(FloatToStr(point.Position));
    c1->setCurrentIndex(0);
}
