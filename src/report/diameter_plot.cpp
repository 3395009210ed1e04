#include "report/diameter_plot.h"

#include "report/plot_frame.h"
#include "report/report_blocks.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

constexpr double kPlotHeight = 110; // points
const QColor kRequiredColour(0, 0, 200);
const QColor kTooThinColour(220, 0, 0);

struct TDiameterPlot {
    TPlotFrame Frame;
    QFont Font;
    std::vector<TVerificationRow> Rows; // those with a required diameter
    std::vector<TProfileStep> Steps;
};

void PaintDrawn(QPainter& painter, const TDiameterPlot& plot)
{
    if (plot.Steps.empty()) return;
    QPainterPath path(plot.Frame.At(plot.Steps.front().From, plot.Steps.front().DiameterFrom));
    for (const TProfileStep& step : plot.Steps) {
        path.lineTo(plot.Frame.At(step.From, step.DiameterFrom));
        path.lineTo(plot.Frame.At(step.To, step.DiameterTo));
    }
    painter.setPen(QPen(Qt::black, 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void PaintRequired(QPainter& painter, const TDiameterPlot& plot, TTextPlacement& labels)
{
    QPainterPath path;
    for (const TVerificationRow& row : plot.Rows) {
        const QPointF at = plot.Frame.At(row.Position, *row.Required);
        if (path.elementCount() == 0) path.moveTo(at);
        else path.lineTo(at);
    }
    painter.setPen(QPen(kRequiredColour, 0.7, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setFont(plot.Font);
    const QFontMetricsF metrics(plot.Font, painter.device());
    for (const TVerificationRow& row : plot.Rows) {
        const bool thin = row.Verdict == TVerdict::TooSmall;
        const QPointF at = plot.Frame.At(row.Position, *row.Required);
        painter.setPen(QPen(thin ? kTooThinColour : kRequiredColour, 0.5));
        painter.setBrush(thin ? kTooThinColour : kRequiredColour);
        painter.drawEllipse(at, 1.6, 1.6);
        PaintValueLabel(painter, metrics, labels, at - QPointF(0, 2), PlotValue(*row.Required), true);
    }
}

void PaintLegend(QPainter& painter, const TPlotFrame& frame)
{
    const QPointF start(frame.Area.right() - 150, frame.Area.top() - 4);
    painter.setPen(QPen(Qt::black, 0.9));
    painter.drawLine(start, start + QPointF(14, 0));
    painter.drawText(start + QPointF(17, 2.5), "drawn");
    painter.setPen(QPen(kRequiredColour, 0.7, Qt::DashLine));
    painter.drawLine(start + QPointF(50, 0), start + QPointF(64, 0));
    painter.setPen(Qt::black);
    painter.drawText(start + QPointF(67, 2.5), "required d(x)");
}

TDiameterPlot MakePlot(const TTypeface& type, const TVerification& strength, const std::vector<TProfileStep>& steps)
{
    TDiameterPlot plot{{}, type.Font(6.5), {}, steps};
    long double from = 0, to = 0, widest = 0;
    for (const TVerificationRow& row : strength.Rows) {
        to = std::max(to, row.Position);
        if (row.Required) plot.Rows.push_back(row), widest = std::max(widest, *row.Required);
    }
    for (const TProfileStep& step : steps)
        from = std::min(from, step.From), to = std::max(to, step.To),
        widest = std::max({widest, step.DiameterFrom, step.DiameterTo});
    const QRectF area(kPlotSideRoom, 10, kWrittenWidth - kPlotSideRoom - 10, kPlotHeight - 18);
    plot.Frame = FrameFor(area, from, to, 0, widest);
    return plot;
}

} // namespace

std::vector<TBlock> DiameterPlotBlocks(const TTypeface& type, const TVerification& strength,
                                       const std::vector<TProfileStep>& steps)
{
    const TDiameterPlot plot = MakePlot(type, strength, steps);
    if (plot.Rows.empty()) return {};
    std::vector<long double> stations;
    for (const TVerificationRow& row : plot.Rows) stations.push_back(row.Position);
    const TBlock diagram{kPlotHeight, [=](QPainter& painter) {
                             painter.save();
                             painter.setRenderHint(QPainter::Antialiasing);
                             PaintPlotFrame(painter, plot.Frame, "d [mm]", stations, plot.Font);
                             PaintLegend(painter, plot.Frame);
                             PaintDrawn(painter, plot);
                             TTextPlacement labels = PlotLabels(plot.Frame, QRectF(0, 0, kWrittenWidth, kPlotHeight));
                             PaintRequired(painter, plot, labels);
                             painter.restore();
                         }};
    return {CaptionBlock(type, "Required diameter against the drawn one"), diagram};
}
