#include "report/report_profile.h"

#include "common/number_text.h"
#include "report/report_blocks.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kDrawingHeight = 110; // mm of paper at most
constexpr double kLabelRoom = 12;      // mm of paper above and below the section

double Radius(const TDxfDrawing& drawing)
{
    double radius = 0;
    for (const TDxfLine& line : drawing.Lines) radius = std::max({radius, std::fabs(line.Y1), std::fabs(line.Y2)});
    for (const TDxfArc& arc : drawing.Arcs) radius = std::max(radius, std::fabs(arc.CY) + arc.Radius);
    return radius;
}

// Paper points of a drawing point: x from the axis's left end, y up from the axis.
struct TPaperMap {
    double Left = 0, AxisRow = 0, PointsPerUnit = 1;
    QPointF operator()(double x, double y) const { return {(x - Left) * PointsPerUnit, AxisRow - y * PointsPerUnit}; }
};

void PaintAxis(QPainter& painter, const TPaperMap& map, const TDxfLine& axis)
{
    QPen pen(Qt::black, 0.25);
    pen.setDashPattern({24, 4, 4, 4});
    painter.setPen(pen);
    painter.drawLine(map(axis.X1, 0), map(axis.X2, 0));
}

void PaintContour(QPainter& painter, const TPaperMap& map, const TDxfDrawing& drawing)
{
    painter.setPen(QPen(Qt::black, 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const TDxfLine& line : drawing.Lines) painter.drawLine(map(line.X1, line.Y1), map(line.X2, line.Y2));
    for (const TDxfArc& arc : drawing.Arcs) {
        const QPointF corner = map(arc.CX - arc.Radius, arc.CY + arc.Radius);
        const QRectF box(corner, QSizeF(2 * arc.Radius * map.PointsPerUnit, 2 * arc.Radius * map.PointsPerUnit));
        const double span = std::fmod(arc.EndAngle - arc.StartAngle + 360, 360);
        QPainterPath path;
        path.arcMoveTo(box, arc.StartAngle);
        path.arcTo(box, arc.StartAngle, span);
        painter.drawPath(path);
    }
}

void PaintArrowHead(QPainter& painter, QPointF tip, double towards)
{
    painter.drawPolygon(QPolygonF({tip, tip + QPointF(-1.2, towards * 4), tip + QPointF(1.2, towards * 4)}));
}

// Written upright along the dimension line, one label where there is room beside the last one.
void PaintDiameters(QPainter& painter, const TPaperMap& map, const TDxfDrawing& drawing, const QFont& font)
{
    const QFontMetricsF metrics(font, painter.device());
    painter.setFont(font);
    double lastColumn = -1e9;
    for (const TDxfLine& line : drawing.Lines) {
        if (line.Y1 != line.Y2 || !(line.Y1 > 0)) continue;
        const QPointF top = map((line.X1 + line.X2) / 2, line.Y1);
        const QPointF bottom = map((line.X1 + line.X2) / 2, -line.Y1);
        if (top.x() - lastColumn < metrics.height()) continue;
        lastColumn = top.x();
        painter.setPen(QPen(Qt::black, 0.25));
        painter.setBrush(Qt::black);
        painter.drawLine(top, bottom);
        PaintArrowHead(painter, top, 1);
        PaintArrowHead(painter, bottom, -1);
        painter.save();
        painter.translate(top.x() - 1, (top.y() + bottom.y()) / 2);
        painter.rotate(-90);
        const QString text = QString::fromUtf8("\u00D8") + FormatFloat("0.00", 2 * line.Y1);
        painter.drawText(QPointF(-metrics.horizontalAdvance(text) / 2, -metrics.descent()), text);
        painter.restore();
    }
}

} // namespace

double DrawingScale(const TDxfDrawing& drawing, double width, double height)
{
    const double length = std::max(drawing.Axis.X2 - drawing.Axis.X1, 1e-9);
    const double across = std::max(2 * Radius(drawing), 1e-9);
    static const std::array<double, 13> scales{10, 5, 2, 1, 0.5, 0.2, 0.1, 0.05, 0.02, 0.01, 0.005, 0.002, 0.001};
    for (double scale : scales)
        if (length * scale <= width && across * scale <= height) return scale;
    return scales.back();
}

QString ScaleText(double scale)
{
    if (scale >= 1) return FloatToStr(scale) + ":1";
    return "1:" + FloatToStr(std::nearbyint(1 / scale));
}

TBlock ProfileBlock(const TTypeface& type, const TDxfDrawing& drawing)
{
    const double scale = DrawingScale(drawing, kWrittenWidth / kPointsPerMm, kDrawingHeight);
    const double across = 2 * Radius(drawing) * scale * kPointsPerMm;
    const double room = kLabelRoom * kPointsPerMm;
    const QFont labels = type.Font(6.5);
    const QFont caption = type.Font(kBodySize);
    const double height = across + 2 * room;
    const TPaperMap map{drawing.Axis.X1, room + across / 2, scale * kPointsPerMm};
    return {height, [=](QPainter& painter) {
                painter.save();
                painter.setRenderHint(QPainter::Antialiasing);
                PaintAxis(painter, map, drawing.Axis);
                PaintContour(painter, map, drawing);
                PaintDiameters(painter, map, drawing, labels);
                painter.setFont(caption);
                painter.setPen(Qt::black);
                painter.drawText(QRectF(0, height - room / 2, kWrittenWidth, room / 2), Qt::AlignLeft | Qt::AlignVCenter,
                                 "Scale " + ScaleText(scale) + ", dimensions in mm");
                painter.restore();
            }};
}
