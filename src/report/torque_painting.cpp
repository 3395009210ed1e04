#include "report/torque_painting.h"

#include "common/number_text.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kLeft = 70, kRight = 12, kTop = 8, kBottom = 30;

struct TTorqueMapping {
    QRectF Frame;
    long double Start = 0, End = 1; // mm
    long double Scale = 1;          // the largest |T| drawn, N*m, at the frame's edge
    qreal Column(long double x) const { return qreal(Frame.left() + (x - Start) / (End - Start) * Frame.width()); }
    qreal Row(long double t) const { return qreal(Frame.center().y() - t / Scale * Frame.height() / 2); }
};

// The shaft's length and any element placed beyond it stay in the picture.
TTorqueMapping MappingOf(const QRectF& frame, const TTorquePlotContent& content)
{
    TTorqueMapping map{frame};
    map.Start = std::min(0.0L, content.Steps.front().Position);
    map.End = std::max(content.ShaftLength, content.Steps.back().Position);
    if (!(map.End > map.Start)) map.End = map.Start + 1;
    const long double largest = LargestTorque(content.Steps);
    map.Scale = largest > 0 ? largest : 1;
    return map;
}

void DrawAxes(QPainter& painter, const TTorqueMapping& map, qreal left)
{
    const QRectF& frame = map.Frame;
    painter.setPen(Qt::gray);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
    const QString top = FormatFloat("0.00", map.Scale);
    painter.drawText(QRectF(left, frame.top() - 2, kLeft - 4, 16), Qt::AlignRight, top);
    painter.drawText(QRectF(left, frame.bottom() - 14, kLeft - 4, 16), Qt::AlignRight, "-" + top);
    painter.drawText(QRectF(left, frame.center().y() - 8, kLeft - 4, 16), Qt::AlignRight, "T [N*m]");
    const qreal below = frame.bottom() + 2;
    painter.drawText(QRectF(frame.left() - 30, below, 60, 14), Qt::AlignHCenter, FloatToStr(map.Start));
    painter.drawText(QRectF(frame.right() - 30, below, 60, 14), Qt::AlignHCenter, FloatToStr(map.End));
    painter.drawText(QRectF(frame.left(), below + 12, frame.width(), 14), Qt::AlignHCenter, "x [mm]");
}

// The staircase from the shaft's start, 0 left of the first element, each step's value up to the next.
void DrawSteps(QPainter& painter, const TTorqueMapping& map, const std::vector<TTorqueStep>& steps)
{
    QPainterPath path;
    path.moveTo(map.Column(map.Start), map.Row(0));
    long double torque = 0;
    for (const TTorqueStep& step : steps) {
        path.lineTo(map.Column(step.Position), map.Row(torque));
        torque = step.Torque;
        path.lineTo(map.Column(step.Position), map.Row(torque));
    }
    path.lineTo(map.Column(map.End), map.Row(torque));
    painter.setPen(QPen(kTorqueCurveColor, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::black);
    for (const TTorqueStep& step : steps)
        if (step.Torque != 0)
            painter.drawText(QPointF(map.Column(step.Position) + 3, map.Row(step.Torque) + (step.Torque > 0 ? 12 : -3)),
                             FormatFloat("0.00", step.Torque));
}

} // namespace

void PaintTorquePlot(QPainter& painter, const QRectF& area, const TTorquePlotContent& content)
{
    if (content.Steps.empty()) return;
    const QRectF frame(area.left() + kLeft, area.top() + kTop, area.width() - kLeft - kRight,
                       area.height() - kTop - kBottom);
    const TTorqueMapping map = MappingOf(frame, content);
    DrawAxes(painter, map, area.left());
    DrawSteps(painter, map, content.Steps);
}
