#include "report/deflection_painting.h"

#include "common/number_text.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kLeft = 70, kRight = 12, kGap = 6;

struct TBand {
    QRectF Area;
    long double Scale = 1; // the largest magnitude drawn, at the band's edge
    long double Row(long double value) const { return Area.center().y() - value / Scale * Area.height() / 2; }
};

struct TMapping {
    long double Start, End;
    QRectF Frame;
    qreal Column(long double x) const { return qreal(Frame.left() + (x - Start) / (End - Start) * Frame.width()); }
};

void DrawOutline(QPainter& painter, const TMapping& map, const TDeflectionPlotContent& content, const QRectF& area)
{
    long double widest = 0;
    for (const TShaftPiece& p : content.Shaft.Pieces) widest = std::max({widest, p.R1, p.R2});
    const auto row = [&](long double r) { return qreal(area.center().y() - r / widest * area.height() / 2); };
    QPainterPath upper, lower;
    upper.moveTo(map.Column(content.Shaft.Start()), area.center().y());
    lower.moveTo(map.Column(content.Shaft.Start()), area.center().y());
    for (const TShaftPiece& p : content.Shaft.Pieces) {
        upper.lineTo(map.Column(p.X1), row(p.R1)), upper.lineTo(map.Column(p.X2), row(p.R2));
        lower.lineTo(map.Column(p.X1), row(-p.R1)), lower.lineTo(map.Column(p.X2), row(-p.R2));
    }
    upper.lineTo(map.Column(content.Shaft.End()), area.center().y());
    lower.lineTo(map.Column(content.Shaft.End()), area.center().y());
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(QColor(225, 225, 225));
    painter.drawPath(upper);
    painter.drawPath(lower);
    painter.setBrush(Qt::black);
    for (long double bearing : content.Bearings) {
        const qreal x = map.Column(bearing), y = area.bottom();
        painter.drawPolygon(QPolygonF({QPointF(x, y - 8), QPointF(x - 5, y), QPointF(x + 5, y)}));
    }
}

template <class Pick>
void DrawCurve(QPainter& painter, const TMapping& map, const TBand& band, const std::vector<TCurveSample>& samples,
               const QColor& colour, const Pick& pick)
{
    QPainterPath path;
    for (size_t i = 0; i < samples.size(); ++i) {
        const QPointF point(map.Column(samples[i].X), qreal(band.Row(pick(samples[i]))));
        if (i == 0) path.moveTo(point);
        else path.lineTo(point);
    }
    painter.setPen(QPen(colour, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// One band of three curves: horizontal, vertical, resultant of the deflection or the slope.
void DrawBand(QPainter& painter, const TMapping& map, TBand band, const std::vector<TCurveSample>& samples,
              bool slope, const QString& unit, qreal left)
{
    const auto value = [slope](const TElasticPoint& p) { return slope ? p.Slope : p.Deflection; };
    band.Scale = 0;
    for (const TCurveSample& s : samples) band.Scale = std::max(band.Scale, value(s.Resultant));
    if (!(band.Scale > 0)) band.Scale = 1;
    painter.setPen(QPen(Qt::lightGray, 1, Qt::DashLine));
    painter.drawLine(QPointF(band.Area.left(), band.Area.center().y()), QPointF(band.Area.right(), band.Area.center().y()));
    painter.setPen(Qt::gray);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band.Area);
    painter.setPen(Qt::black);
    const QString top = FormatFloat(slope ? "0.000000" : "0.0000", band.Scale);
    painter.drawText(QRectF(left, band.Area.top() - 2, kLeft - 4, 16), Qt::AlignRight, top);
    painter.drawText(QRectF(left, band.Area.bottom() - 14, kLeft - 4, 16), Qt::AlignRight, "-" + top);
    painter.drawText(QRectF(left, band.Area.center().y() - 8, kLeft - 4, 16), Qt::AlignRight, unit);
    DrawCurve(painter, map, band, samples, kHorizontalCurveColor, [&](const TCurveSample& s) { return value(s.Horizontal); });
    DrawCurve(painter, map, band, samples, kVerticalCurveColor, [&](const TCurveSample& s) { return value(s.Vertical); });
    DrawCurve(painter, map, band, samples, kResultantCurveColor, [&](const TCurveSample& s) { return value(s.Resultant); });
}

void DrawLegend(QPainter& painter, const QRectF& frame)
{
    const std::array<std::pair<QString, QColor>, 3> entries{{{"horizontal", kHorizontalCurveColor},
                                                             {"vertical", kVerticalCurveColor},
                                                             {"resultant", kResultantCurveColor}}};
    qreal x = frame.left();
    for (const auto& [name, colour] : entries) {
        painter.setPen(QPen(colour, 2));
        painter.drawLine(QPointF(x, frame.top() + 7), QPointF(x + 18, frame.top() + 7));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 22, frame.top() + 11), name);
        x += 30 + painter.fontMetrics().horizontalAdvance(name);
    }
}

} // namespace

void PaintDeflectionPlot(QPainter& painter, const QRectF& area, const TDeflectionPlotContent& content)
{
    if (content.Samples.empty()) return;
    const QRectF frame(area.left() + kLeft, area.top() + 2, area.width() - kLeft - kRight, area.height() - 4);
    const qreal legend = 16, outline = frame.height() * 0.22;
    const qreal band = (frame.height() - legend - outline - 2 * kGap) / 2;
    const TMapping map{content.Shaft.Start(), content.Shaft.End(), frame};
    DrawLegend(painter, frame);
    DrawOutline(painter, map, content, QRectF(frame.left(), frame.top() + legend, frame.width(), outline));
    const qreal deflectionTop = frame.top() + legend + outline + kGap;
    DrawBand(painter, map, {QRectF(frame.left(), deflectionTop, frame.width(), band)}, content.Samples, false, "y [mm]",
             area.left());
    DrawBand(painter, map, {QRectF(frame.left(), deflectionTop + band + kGap, frame.width(), band)}, content.Samples,
             true, "slope [rad]", area.left());
}
