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

// Hidden edges as a workshop drawing dashes them, between the outline's weight and the thin lines.
void PaintHidden(QPainter& painter, const TDrawingLayout& layout)
{
    QPen pen(Qt::black, 0.35);
    pen.setDashPattern({12, 4});
    painter.setPen(pen);
    painter.drawLines(layout.Hidden.data(), int(layout.Hidden.size()));
}

void PaintLayout(QPainter& painter, const TDrawingLayout& layout, const QFont& font)
{
    PaintHidden(painter, layout);
    painter.setPen(QPen(Qt::black, 0.25));
    painter.drawLines(layout.Lines.data(), int(layout.Lines.size()));
    QPainterPath symbols;
    for (const QPolygonF& symbol : layout.Symbols) symbols.addPolygon(symbol), symbols.closeSubpath();
    painter.fillPath(symbols, Qt::black);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    for (const TPlacedText& text : layout.Texts) {
        if (!text.Upright) {
            painter.drawText(text.Box, Qt::AlignCenter, text.Text);
            if (text.Circled) painter.drawEllipse(text.Box.adjusted(0.2, 0.2, -0.2, -0.2));
            continue;
        }
        painter.save();
        painter.translate(text.Box.center());
        painter.rotate(-90);
        painter.drawText(QRectF(-text.Box.height() / 2, -text.Box.width() / 2, text.Box.height(), text.Box.width()),
                         Qt::AlignCenter, text.Text);
        painter.restore();
    }
}

// The drawing's left edge on the written width: its labels kept on the paper where they fit.
double LeftOffset(const TDrawingLayout& layout)
{
    return std::clamp(-layout.Bounds.left(), 0.0, std::max(0.0, kWrittenWidth - layout.Bounds.right()));
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

std::vector<TBlock> ProfileBlocks(const TTypeface& type, const TDxfDrawing& drawing, const std::vector<TProfileStep>& steps,
                                  const std::vector<TDrawingMark>& marks)
{
    const double scale = DrawingScale(drawing, kWrittenWidth / kPointsPerMm, kDrawingHeight);
    const double pointsPerMm = scale * kPointsPerMm;
    const QFont labels = type.Font(6.5);
    const TDrawingLayout layout = LayOutDrawing(steps, marks, pointsPerMm, type.Metrics(labels));
    const QRectF bounds = layout.Bounds | QRectF(0, -Radius(drawing) * pointsPerMm, 1, 2 * Radius(drawing) * pointsPerMm);
    const double left = LeftOffset(layout);
    const long double start = steps.empty() ? drawing.Axis.X1 : steps.front().From;
    const TPaperMap map{double(start), 0, pointsPerMm};
    std::vector<TBlock> blocks{{bounds.height() + 4, [=](QPainter& painter) {
                                    painter.save();
                                    painter.setRenderHint(QPainter::Antialiasing);
                                    painter.translate(left, 2 - bounds.top());
                                    PaintAxis(painter, map, drawing.Axis);
                                    PaintContour(painter, map, drawing);
                                    PaintLayout(painter, layout, labels);
                                    painter.restore();
                                }}};
    blocks.push_back(TextBlock(type, "Scale " + ScaleText(scale) + ", dimensions in mm", type.Font(kBodySize)));
    if (layout.Omitted > 0)
        blocks.push_back(TextBlock(type, QString::number(layout.Omitted) + " dimensions have no room at this scale: the steps table gives them.",
                                   type.Font(kBodySize)));
    if (!layout.Listed.empty()) {
        const std::vector<TBlock> table = TableBlocks(type, {"No.", "radius or chamfer", "where"}, layout.Listed, {});
        blocks.insert(blocks.end(), table.begin(), table.end());
    }
    return blocks;
}
