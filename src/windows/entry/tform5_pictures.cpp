#include "windows/entry/tform5_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

constexpr int kCaseWidth = kEccentricPictureWidth / 2;
constexpr int kAxisRow = kEccentricPictureHeight / 2;
constexpr int kLeverLength = 16;
const QColor kForceColour(180, 0, 0);
const QColor kMomentColour(0, 0, 160);

void DrawArrowHead(QPainter& painter, QPointF tip, QPointF from)
{
    const QPointF along = tip - from;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    const QPointF across(-unit.y(), unit.x());
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(QPolygonF({tip, tip - unit * 6 + across * 3, tip - unit * 6 - across * 3}));
}

void DrawShaft(QPainter& painter, int left)
{
    painter.setPen(Qt::black);
    painter.setBrush(QColor(210, 210, 210));
    painter.drawRect(QRectF(left + 8, kAxisRow - 4, 58, 8));
    painter.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
    painter.drawLine(QPointF(left + 2, kAxisRow), QPointF(left + kCaseWidth - 4, kAxisRow));
}

// The lever at the shaft's right end, the force at its tip, and a turning arrow for the moment.
void DrawCase(QPainter& painter, int left, bool leverAbove, bool forceRight)
{
    DrawShaft(painter, left);
    const qreal x = left + 66;
    const qreal tip = leverAbove ? kAxisRow - kLeverLength : kAxisRow + kLeverLength;
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(QPointF(x, kAxisRow), QPointF(x, tip));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(x - 16, std::min<qreal>(tip, kAxisRow), 14, kLeverLength),
                     Qt::AlignCenter, "H");

    painter.setPen(QPen(kForceColour, 1.5));
    const QPointF head(forceRight ? x + 30 : x - 30, tip);
    painter.drawLine(QPointF(x, tip), head);
    DrawArrowHead(painter, head, QPointF(x, tip));
    const qreal middle = (x + head.x()) / 2;
    painter.drawText(QRectF(middle - 6, leverAbove ? tip - 12 : tip + 1, 12, 11),
                     Qt::AlignCenter, "F");

    // F above the axis pointing right turns the shaft clockwise, and so on.
    const bool clockwise = leverAbove == forceRight;
    const QRectF turn(left + 22, kAxisRow - 14, 28, 28);
    painter.setPen(QPen(kMomentColour, 1.5));
    painter.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.arcMoveTo(turn, 150);
    arc.arcTo(turn, 150, -120);
    if (!clockwise) arc = arc.toReversed();
    painter.drawPath(arc);
    DrawArrowHead(painter, arc.pointAtPercent(1), arc.pointAtPercent(0.85));
}

} // namespace

QImage EccentricForcePicture(bool leverAbove)
{
    QImage image(kEccentricPictureWidth, kEccentricPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    DrawCase(painter, 0, leverAbove, true);
    DrawCase(painter, kCaseWidth, leverAbove, false);
    painter.setPen(QColor(160, 160, 160));
    painter.drawLine(QPointF(kCaseWidth, 4), QPointF(kCaseWidth, kEccentricPictureHeight - 4));
    return image;
}
