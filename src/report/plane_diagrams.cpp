#include "report/plane_diagrams.h"

#include "report/plot_frame.h"
#include "report/report_blocks.h"
#include "report/resultant_moment.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kSchemeHeight = 90, kDiagramHeight = 84; // points
constexpr double kLabelSize = 6.5;
constexpr double kArrowLength = 20;
const QColor kDiagramFill(228, 228, 228);
const QColor kForceColour(0, 0, 160);

QRectF PlotArea(double height) { return {kPlotSideRoom, 8, kWrittenWidth - kPlotSideRoom - 10, height - 16}; }

std::vector<long double> Positions(const Tincarcare& terms)
{
    std::vector<long double> positions;
    for (const Tvector& term : terms) positions.push_back(term.Position);
    return positions;
}

// The loads' shafts and arcs, and their heads, gathered to be drawn in one stroke and one fill: a
// shaft with hundreds of loads stays a small file, quickly written.
struct TLoadSymbols {
    QPainterPath Strokes, Heads;
};

void AddArrowHead(QPainterPath& heads, QPointF tip, QPointF from)
{
    const QPointF along = (tip - from) / std::max(1e-9, std::hypot(tip.x() - from.x(), tip.y() - from.y()));
    const QPointF across(-along.y(), along.x());
    heads.addPolygon(QPolygonF({tip, tip - 4 * along + 1.6 * across, tip - 4 * along - 1.6 * across, tip}));
}

void PaintBearing(QPainter& painter, QPointF on)
{
    painter.drawPolygon(QPolygonF({on, on + QPointF(-4, 7), on + QPointF(4, 7)}));
    painter.drawLine(on + QPointF(-6, 8.5), on + QPointF(6, 8.5));
}

// Direction 1 acts with the reactions, upwards from below the shaft; 0 downwards from above.
void AddForce(TLoadSymbols& symbols, QPointF on, bool upwards)
{
    const QPointF tail = on + QPointF(0, upwards ? kArrowLength : -kArrowLength);
    symbols.Strokes.moveTo(tail);
    symbols.Strokes.lineTo(on);
    AddArrowHead(symbols.Heads, on, tail);
}

// Direction 1 turns clockwise on paper.
void AddMomentSymbol(TLoadSymbols& symbols, QPointF on, bool clockwise)
{
    constexpr double radius = 7, start = 150, sweep = 300;
    const double turn = clockwise ? -1 : 1, first = clockwise ? start : 180 - start;
    const QRectF circle(on - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    symbols.Strokes.arcMoveTo(circle, first);
    symbols.Strokes.arcTo(circle, first, turn * sweep);
    const auto onCircle = [&](double degrees) {
        const double angle = degrees * std::numbers::pi / 180;
        return on + radius * QPointF(std::cos(angle), -std::sin(angle));
    };
    AddArrowHead(symbols.Heads, onCircle(first + turn * sweep), onCircle(first + turn * (sweep - 25)));
}

struct TScheme {
    TPlotFrame Frame;
    QFont Font;
};

void AddSchemeLoad(QPainter& painter, const QFontMetricsF& metrics, TTextPlacement& labels, const TScheme& scheme,
                   const TEnteredLoad& load, TLoadSymbols& symbols)
{
    const QPointF on = scheme.Frame.At(load.Load.Position, 0);
    const bool upwards = load.Load.Direction == 1;
    if (load.Kind == TEntryKind::Moment) {
        AddMomentSymbol(symbols, on, upwards);
        PaintValueLabel(painter, metrics, labels, on - QPointF(0, 8), load.Load.Name + " = " + PlotValue(load.Load.Value) + " N*mm", true);
        return;
    }
    AddForce(symbols, on, upwards);
    const QPointF tail = on + QPointF(0, upwards ? kArrowLength : -kArrowLength);
    PaintValueLabel(painter, metrics, labels, tail, load.Load.Name + " = " + PlotValue(load.Load.Value) + " N", !upwards);
}

// The x axis under the scheme: the shaft's ends and every bearing and load, in mm, where there is room.
void PaintPositions(QPainter& painter, const QFontMetricsF& metrics, TTextPlacement& labels, const TPlotFrame& frame,
                    const TPlanePage& plane, const std::vector<TEnteredLoad>& loads)
{
    std::vector<long double> positions{0, plane.ShaftLength};
    for (const Tvector& bearing : plane.Bearings) positions.push_back(bearing.Position);
    for (const TEnteredLoad& load : loads) positions.push_back(load.Load.Position);
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    const double row = kSchemeHeight - metrics.height() - 1;
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, row, kPlotSideRoom - 3, metrics.height()), Qt::AlignRight | Qt::AlignVCenter, "x [mm]");
    for (long double x : positions) PaintValueLabel(painter, metrics, labels, {frame.Column(x), row - 2.5}, PlotValue(x), false);
}

void PaintScheme(QPainter& painter, const TScheme& scheme, const TPlanePage& plane, const std::vector<TEnteredLoad>& loads)
{
    const TPlotFrame& frame = scheme.Frame;
    painter.setFont(scheme.Font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, frame.Area.top(), kPlotSideRoom - 3, frame.Area.height()), Qt::AlignRight | Qt::AlignVCenter,
                     "loads");
    painter.setPen(QPen(Qt::black, 1.2));
    painter.drawLine(frame.At(0, 0), frame.At(plane.ShaftLength, 0));
    TTextPlacement labels = PlotLabels(frame, QRectF(0, 0, kWrittenWidth, kSchemeHeight));
    const QFontMetricsF metrics(scheme.Font, painter.device());
    painter.setPen(QPen(Qt::black, 0.5));
    painter.setBrush(Qt::white);
    for (size_t i = 0; i < plane.Bearings.size(); ++i) {
        const QPointF on = frame.At(plane.Bearings[i].Position, 0);
        PaintBearing(painter, on);
        QString text = plane.Bearings[i].Name;
        if (plane.Calculated && i < plane.BearingReactions.size())
            text += " = " + PlotValue(plane.BearingReactions[i]) + " N";
        PaintValueLabel(painter, metrics, labels, on + QPointF(0, 9), text, false);
    }
    painter.setPen(kForceColour);
    TLoadSymbols symbols;
    for (const TEnteredLoad& load : loads) AddSchemeLoad(painter, metrics, labels, scheme, load, symbols);
    painter.strokePath(symbols.Strokes, QPen(kForceColour, 0.8));
    painter.fillPath(symbols.Heads, kForceColour);
    PaintPositions(painter, metrics, labels, frame, plane, loads);
}

TBlock SchemeBlock(const TTypeface& type, const TPlanePage& plane, const std::vector<TEnteredLoad>& loads)
{
    const TScheme scheme{FrameFor(PlotArea(kSchemeHeight), 0, plane.ShaftLength, -1, 1), type.Font(kLabelSize)};
    return {kSchemeHeight, [=](QPainter& painter) {
                painter.save();
                painter.setRenderHint(QPainter::Antialiasing);
                PaintScheme(painter, scheme, plane, loads);
                painter.restore();
            }};
}

// The corners of a diagram by their size, largest first: where labels crowd, the largest keep theirs.
std::vector<size_t> LabelOrder(const std::vector<TDiagramPoint>& line)
{
    std::vector<size_t> order;
    for (size_t i = 0; i < line.size(); ++i) {
        const bool repeated = i > 0 && line[i - 1].X == line[i].X && line[i - 1].Value == line[i].Value;
        if (line[i].Labelled && !repeated && PlotValue(line[i].Value) != "0") order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return std::fabs(line[a].Value) > std::fabs(line[b].Value); });
    return order;
}

// A diagram's outline closed along its zero line, filled light, with the values at its corners.
void PaintDiagram(QPainter& painter, const TPlotFrame& frame, double height, const std::vector<TDiagramPoint>& line,
                  const QFont& font)
{
    if (line.empty()) return;
    QPainterPath path(frame.At(line.front().X, 0));
    for (const TDiagramPoint& point : line) path.lineTo(frame.At(point.X, point.Value));
    path.lineTo(frame.At(line.back().X, 0));
    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(kDiagramFill);
    painter.drawPath(path);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    TTextPlacement labels = PlotLabels(frame, QRectF(0, 0, kWrittenWidth, height));
    for (size_t i : LabelOrder(line)) {
        const bool above = frame.Row(line[i].Value) < frame.Row(0);
        const auto jump = [&](size_t j) { return j < line.size() && line[j].X == line[i].X && line[j].Value != line[i].Value; };
        const bool jumpsIn = i > 0 && jump(i - 1), jumpsOut = jump(i + 1);
        PaintValueLabel(painter, metrics, labels, frame.At(line[i].X, line[i].Value), PlotValue(line[i].Value), above,
                        jumpsIn ? 1 : jumpsOut ? -1 : 0);
    }
}

TBlock DiagramBlock(const TTypeface& type, const std::vector<TDiagramPoint>& line, const QString& name,
                    long double length, const std::vector<long double>& stations, bool downwards)
{
    long double low = 0, high = 0;
    for (const TDiagramPoint& point : line) low = std::min(low, point.Value), high = std::max(high, point.Value);
    const TPlotFrame frame = FrameFor(PlotArea(kDiagramHeight), 0, length, low, high, downwards);
    const QFont font = type.Font(kLabelSize);
    return {kDiagramHeight, [=](QPainter& painter) {
                painter.save();
                painter.setRenderHint(QPainter::Antialiasing);
                PaintPlotFrame(painter, frame, name, stations, font);
                PaintDiagram(painter, frame, kDiagramHeight, line, font);
                painter.restore();
            }};
}

// The shear of each segment between neighbouring force terms, as steps.
std::vector<TDiagramPoint> ShearLine(const TPlanePage& plane)
{
    std::vector<TDiagramPoint> line;
    for (size_t j = 0; j < plane.ShearPoints.size() && j + 1 < plane.ForceTerms.size(); ++j) {
        const long double from = plane.ForceTerms[j].Position, to = plane.ForceTerms[j + 1].Position;
        const long double shear = plane.ShearPoints[j].Shear;
        line.push_back({from, shear, false});
        line.push_back({(from + to) / 2, shear}); // written over the middle of its step
        line.push_back({to, shear, false});
    }
    return line;
}

QString PlaneName(bool horizontal) { return horizontal ? "Horizontal plane" : "Vertical plane"; }

const TPlanePage* CalculatedPlane(const TPlanePages& pages, bool horizontal)
{
    for (const TPlanePage& plane : pages.Planes)
        if (plane.Horizontal == horizontal && plane.Calculated) return &plane;
    return nullptr;
}

} // namespace

std::vector<TBlock> PlaneDiagramBlocks(const TTypeface& type, const TPlanePage& plane, const std::vector<TEnteredLoad>& loads)
{
    std::vector<TBlock> blocks;
    if (!(plane.ShaftLength > 0)) return blocks;
    std::vector<TEnteredLoad> own;
    std::copy_if(loads.begin(), loads.end(), std::back_inserter(own), [&](const TEnteredLoad& load) {
        return load.Horizontal == plane.Horizontal && load.Kind != TEntryKind::Bearing;
    });
    const QString name = PlaneName(plane.Horizontal);
    blocks.push_back(CaptionBlock(type, name + ": load scheme" + (plane.Calculated ? ", shear force and bending moment" : "")));
    blocks.push_back(SchemeBlock(type, plane, own));
    if (!plane.Calculated) return blocks;
    blocks.push_back(DiagramBlock(type, ShearLine(plane), "F [N]", plane.ShaftLength, Positions(plane.ForceTerms), false));
    blocks.push_back(DiagramBlock(type, MomentLine(plane.MomentPoints, plane.MomentTerms), "M [N*mm]", plane.ShaftLength,
                                  Positions(plane.MomentTerms), true));
    return blocks;
}

std::vector<TBlock> ResultantMomentBlocks(const TTypeface& type, const TPlanePages& pages)
{
    const TPlanePage* horizontal = CalculatedPlane(pages, true);
    const TPlanePage* vertical = CalculatedPlane(pages, false);
    if (!horizontal || !vertical) return {};
    const std::vector<TDiagramPoint> curve = ResultantMoment(MomentLine(horizontal->MomentPoints, horizontal->MomentTerms),
                                                             MomentLine(vertical->MomentPoints, vertical->MomentTerms));
    std::vector<long double> stations = Positions(horizontal->MomentTerms);
    for (long double x : Positions(vertical->MomentTerms)) stations.push_back(x);
    return {CaptionBlock(type, "Resultant bending moment sqrt(MH^2 + MV^2)"),
            DiagramBlock(type, curve, "M [N*mm]", horizontal->ShaftLength, stations, true)};
}
