#include "windows/editor/tform7_pictures.h"

#include "widgets/panel_skin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kInk(0, 0, 0);
const QColor kPickRed(220, 0, 0);
const QColor kBlue(0, 0, 200);
constexpr int kGlyph = 18;

// A glyph drawn on a transparent square by `draw`.
template <class Draw>
QIcon Glyph(Draw draw)
{
    QPixmap glyph = TransparentPixmap(QSize(kGlyph, kGlyph));
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(glyph);
}

void EndSquare(QPainter& painter, QPointF centre)
{
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(centre - QPointF(2, 2), QSizeF(4, 4)));
}

// A shoulder: a corner between a horizontal line along the top and a vertical line on the right.
void CornerLines(QPainter& painter, qreal cut)
{
    painter.setPen(QPen(kInk, 2));
    painter.drawLine(QPointF(2, 4), QPointF(14 - cut, 4));
    painter.drawLine(QPointF(14, 4 + cut), QPointF(14, 16));
}

} // namespace

QIcon DrawLinesGlyph()
{
    return Glyph([](QPainter& painter) {
        painter.setPen(QPen(kInk, 2));
        painter.drawLine(QPointF(3, 14), QPointF(15, 4));
        EndSquare(painter, QPointF(3, 14));
        EndSquare(painter, QPointF(15, 4));
    });
}

QIcon ModifyLinesGlyph()
{
    return Glyph([](QPainter& painter) {
        painter.setPen(QPen(kPickRed, 2));
        painter.drawLine(QPointF(2, 13), QPointF(11, 13));
        painter.setPen(QPen(kInk, 1.5));
        painter.drawLine(QPointF(8, 9), QPointF(15, 2)); // a pencil over the red line
        painter.setBrush(QColor(240, 200, 80));
        painter.drawPolygon(QPolygonF({QPointF(6, 12), QPointF(7, 8), QPointF(10, 11)}));
    });
}

QIcon DeleteLinesGlyph()
{
    return Glyph([](QPainter& painter) {
        painter.setPen(QPen(kInk, 2));
        painter.drawLine(QPointF(2, 9), QPointF(16, 9));
        painter.setPen(QPen(kPickRed, 2.5));
        painter.drawLine(QPointF(5, 4), QPointF(13, 14));
        painter.drawLine(QPointF(13, 4), QPointF(5, 14));
    });
}

QIcon ChamferGlyph()
{
    return Glyph([](QPainter& painter) {
        CornerLines(painter, 5);
        painter.setPen(QPen(kPickRed, 2));
        painter.drawLine(QPointF(9, 4), QPointF(14, 9));
    });
}

QIcon FilletGlyph()
{
    return Glyph([](QPainter& painter) {
        CornerLines(painter, 5);
        painter.setPen(QPen(kPickRed, 2));
        painter.drawArc(QRectF(4, 4, 10, 10), 0, 90 * 16);
    });
}

QIcon VerticalLinesGlyph()
{
    return Glyph([](QPainter& painter) {
        painter.setPen(QPen(kInk, 2));
        painter.drawLine(QPointF(1, 11), QPointF(7, 11));
        painter.drawLine(QPointF(7, 5), QPointF(17, 5));
        painter.setPen(QPen(kBlue, 2));
        painter.drawLine(QPointF(7, 5), QPointF(7, 11));
        painter.drawLine(QPointF(1, 11), QPointF(1, 17));
        painter.drawLine(QPointF(17, 5), QPointF(17, 17));
    });
}

QIcon DiametersGlyph()
{
    return Glyph([](QPainter& painter) {
        painter.setPen(QPen(kInk, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(3, 3, 12, 12));
        painter.setPen(QPen(kBlue, 1.5));
        painter.drawLine(QPointF(4, 14), QPointF(14, 4));
        painter.setBrush(kBlue);
        painter.drawPolygon(QPolygonF({QPointF(14, 4), QPointF(10, 5), QPointF(13, 8)}));
        painter.drawPolygon(QPolygonF({QPointF(4, 14), QPointF(8, 13), QPointF(5, 10)}));
    });
}

QPixmap SolidPicture(int size)
{
    QPixmap picture = TransparentPixmap(QSize(size, size));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal top = size * 0.3, bottom = size * 0.7, left = size * 0.15, right = size * 0.8;
    QLinearGradient shade(0, top, 0, bottom);
    shade.setColorAt(0, QColor(230, 235, 245));
    shade.setColorAt(0.4, QColor(150, 165, 195));
    shade.setColorAt(1, QColor(60, 70, 100));
    painter.setPen(QPen(QColor(30, 30, 60), 1));
    painter.setBrush(shade);
    painter.drawRect(QRectF(left, top, right - left, bottom - top));
    painter.setBrush(QColor(200, 210, 230));
    painter.drawEllipse(QRectF(right - size * 0.08, top, size * 0.16, bottom - top));
    painter.setPen(QPen(kBlue, 1.5));
    painter.setFont(QFont("DejaVu Sans", int(size * 0.22), QFont::Bold));
    painter.drawText(QRectF(0, 0, size, top), Qt::AlignCenter, "3D");
    return picture;
}

namespace {

// A magnifying glass with a plus or a minus in its lens.
QIcon MagnifierGlyph(bool plus)
{
    return Glyph([plus](QPainter& painter) {
        painter.setPen(QPen(kInk, 1.5));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(2, 2, 10, 10));
        painter.setPen(QPen(kInk, 2.5));
        painter.drawLine(QPointF(11, 11), QPointF(16, 16));
        painter.setPen(QPen(kBlue, 1.5));
        painter.drawLine(QPointF(4.5, 7), QPointF(9.5, 7));
        if (plus) painter.drawLine(QPointF(7, 4.5), QPointF(7, 9.5));
    });
}

} // namespace

QIcon ZoomInGlyph() { return MagnifierGlyph(true); }

QIcon ZoomOutGlyph() { return MagnifierGlyph(false); }

QIcon WholeShaftGlyph()
{
    return Glyph([](QPainter& painter) {
        painter.setPen(QPen(kInk, 1.5));
        painter.drawRect(QRectF(3, 6, 12, 6)); // the shaft between two arrows pointing at its ends
        painter.setPen(QPen(kBlue, 1.5));
        painter.drawLine(QPointF(1, 3), QPointF(17, 3));
        painter.drawLine(QPointF(1, 3), QPointF(3.5, 1));
        painter.drawLine(QPointF(17, 3), QPointF(14.5, 1));
        painter.drawLine(QPointF(1, 15), QPointF(17, 15));
        painter.drawLine(QPointF(1, 15), QPointF(3.5, 17));
        painter.drawLine(QPointF(17, 15), QPointF(14.5, 17));
    });
}
