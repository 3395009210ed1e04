#include "report/plot_frame.h"

#include "common/number_text.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

double TPlotFrame::Column(long double x) const
{
    return double(Area.left() + (x - From) / (To - From) * Area.width());
}

double TPlotFrame::Row(long double value) const
{
    const long double share = Downwards ? (value - Low) / (High - Low) : (High - value) / (High - Low);
    return double(Area.top() + share * Area.height());
}

TPlotFrame FrameFor(const QRectF& area, long double from, long double to, long double low, long double high,
                    bool downwards)
{
    low = std::min<long double>(low, 0), high = std::max<long double>(high, 0);
    if (!(high - low > 0)) low = -1, high = 1;
    const long double margin = (high - low) * 0.08L;
    return {area, from, to > from ? to : from + 1, low - margin, high + margin, downwards, low, high};
}

namespace {

// The least and most values at their heights, then the name where it keeps clear of them.
void PaintSideLabels(QPainter& painter, const TPlotFrame& frame, const QString& name)
{
    const QRectF& area = frame.Area;
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double right = area.left() - 3, height = metrics.height();
    TTextPlacement side;
    for (long double value : {frame.Least, frame.Most}) {
        if (value == 0) continue;
        const double row = frame.Row(value);
        painter.drawLine(QPointF(area.left() - 2, row), QPointF(area.left(), row));
        const QString text = PlotValue(value);
        const QRectF box = BoxAt({right, row}, {metrics.horizontalAdvance(text) + 1, height}, 1, 0.5);
        if (side.Take({box})) painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
    }
    const QSizeF size(metrics.horizontalAdvance(name) + 1, height);
    const double middle = area.center().y(), zero = frame.Row(0);
    const std::optional<QRectF> box = side.Take({BoxAt({right, zero}, size, 1, 0.5), BoxAt({right, middle}, size, 1, 0.5),
                                                 BoxAt({right, area.top()}, size, 1, 1), BoxAt({right, area.bottom()}, size, 1, 0)});
    if (box) painter.drawText(*box, Qt::AlignRight | Qt::AlignVCenter, name);
}

} // namespace

void PaintPlotFrame(QPainter& painter, const TPlotFrame& frame, const QString& name,
                    const std::vector<long double>& stations, const QFont& font)
{
    const QRectF& area = frame.Area;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(190, 190, 190), 0.3, Qt::DashLine));
    for (long double x : stations) painter.drawLine(QPointF(frame.Column(x), area.top()), QPointF(frame.Column(x), area.bottom()));
    painter.setPen(QPen(Qt::black, 0.5));
    const double zero = frame.Row(0);
    painter.drawLine(QPointF(area.left(), zero), QPointF(area.right(), zero));
    painter.drawLine(QPointF(area.left(), area.top()), QPointF(area.left(), area.bottom()));
    painter.setFont(font);
    PaintSideLabels(painter, frame, name);
}

QString PlotValue(long double value)
{
    const long double rounded = std::nearbyint(value * 100) / 100;
    return FloatToStr(rounded == 0 ? 0 : rounded);
}

TTextPlacement PlotLabels(const TPlotFrame& frame, const QRectF& block)
{
    constexpr double far = 1e5;
    TTextPlacement labels;
    labels.Reserve(QRectF(block.left() - far, block.top() - far, 3 * far, far));   // above
    labels.Reserve(QRectF(block.left() - far, block.bottom(), 3 * far, far));      // below
    labels.Reserve(QRectF(block.left() - far, block.top(), far + frame.Area.left(), block.height())); // the side
    labels.Reserve(QRectF(block.right(), block.top(), far, block.height()));
    return labels;
}

void PaintValueLabel(QPainter& painter, const QFontMetricsF& metrics, TTextPlacement& labels, QPointF at, const QString& text,
                     bool above, int lean)
{
    const QSizeF size(metrics.horizontalAdvance(text) + 1, metrics.height());
    const QPointF lifted = at + QPointF(0, above ? -2.5 : 2.5);
    const double down = above ? 1 : 0;
    const QRectF centred = BoxAt(lifted, size, 0.5, down), right = BoxAt(lifted + QPointF(1.5, 0), size, 0, down),
                 left = BoxAt(lifted - QPointF(1.5, 0), size, 1, down);
    const std::optional<QRectF> box = lean < 0   ? labels.Take({left})
                                      : lean > 0 ? labels.Take({right})
                                                 : labels.Take({centred, right, left});
    if (!box) return;
    painter.drawText(*box, Qt::AlignCenter, text);
}
