#include "windows/entry/tform14_sketch.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

const QColor kInk(Qt::black);
const QColor kAngleInk(0, 0, 160);
const QColor kTurnInk(160, 0, 0);

QPointF OnCircle(QPointF centre, qreal radius, qreal screenDegrees)
{
    const qreal radians = screenDegrees * std::numbers::pi / 180;
    return centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

void ArrowHead(QPainter& painter, QPointF tip, QPointF from)
{
    const QPointF along = tip - from;
    const qreal length = std::hypot(along.x(), along.y());
    if (length == 0) return;
    const QPointF unit = along / length, across(-unit.y(), unit.x());
    painter.drawLine(tip, tip - 6 * unit + 3 * across);
    painter.drawLine(tip, tip - 6 * unit - 3 * across);
}

void Arrow(QPainter& painter, QPointF from, QPointF to)
{
    painter.drawLine(from, to);
    ArrowHead(painter, to, from);
}

// An arc on screen, counter-clockwise for a positive span, with its head at the end.
void ArcArrow(QPainter& painter, QPointF centre, qreal radius, qreal start, qreal span)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.drawArc(box, int(start * 16), int(span * 16));
    const qreal end = start + span;
    ArrowHead(painter, OnCircle(centre, radius, end), OnCircle(centre, radius, end - (span > 0 ? 8 : -8)));
}

// Seen from the +x end, looking back along -x: +y up, and +z, the right hand's third axis, to the left.
void PaintEndView(QPainter& painter, QPointF centre, qreal radius, TShaftRotation rotation)
{
    painter.setPen(QPen(kInk, 1));
    painter.drawEllipse(centre, radius, radius);
    Arrow(painter, centre, centre + QPointF(0, -radius - 14));
    Arrow(painter, centre, centre + QPointF(-radius - 14, 0));
    painter.drawText(centre + QPointF(4, -radius - 6), "+y, 0 deg");
    const QString zText = "+z, 90 deg";
    painter.drawText(centre + QPointF(-radius - 18 - painter.fontMetrics().horizontalAdvance(zText), 4), zText);
    painter.drawText(centre + QPointF(-radius, radius + 26), "seen from the +x end");
    painter.setPen(QPen(kAngleInk, 1));
    ArcArrow(painter, centre, radius * 0.6, 90, 60);
    painter.drawText(centre + QPointF(4, -radius * 0.6 + 12), "angle");
    painter.setPen(QPen(kTurnInk, 1.5));
    const bool counter = rotation == TShaftRotation::CounterClockwise;
    ArcArrow(painter, centre, radius + 6, counter ? 200 : 340, counter ? 100 : -100);
    painter.drawText(centre + QPointF(radius - 2, radius + 12), "n");
}

// A plane's page: the shaft's axis with the axis of the frame that points "with the reactions".
void PaintPlane(QPainter& painter, QPointF left, qreal width, const QString& plane, const QString& axis)
{
    painter.setPen(QPen(kInk, 1));
    painter.drawText(left + QPointF(0, -34), plane);
    painter.drawLine(left, left + QPointF(width, 0));
    painter.drawText(left + QPointF(width + 4, 4), "x");
    const QPointF foot = left + QPointF(width / 3, 0);
    Arrow(painter, foot, foot + QPointF(0, -24));
    painter.drawText(foot + QPointF(6, -14), axis + ": with the reactions");
    painter.drawText(foot + QPointF(6, 14), "-" + axis.mid(1) + ": against them");
}

} // namespace

void PaintElementFrame(QPainter& painter, const QRect& area, TShaftRotation rotation)
{
    painter.fillRect(area, Qt::white);
    const qreal radius = std::min(area.height() / 2.0 - 26, 44.0);
    PaintEndView(painter, QPointF(area.left() + radius + 90, area.top() + radius + 22), radius, rotation);
    const qreal left = area.left() + 2 * radius + 140;
    const qreal width = std::max(40.0, area.right() - left - 120);
    PaintPlane(painter, QPointF(left, area.top() + 50), width, "Vertical plane", "+y");
    PaintPlane(painter, QPointF(left, area.top() + 118), width, "Horizontal plane", "+z");
}

void TElementSketch::SetRotation(TShaftRotation rotation)
{
    rotation_ = rotation;
    update();
}

void TElementSketch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    PaintElementFrame(painter, rect(), rotation_);
}
