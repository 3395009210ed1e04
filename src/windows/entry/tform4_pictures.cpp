#include "windows/entry/tform4_pictures.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace {

constexpr int kLoadTop = 8;   // row of the intensity F
constexpr int kShaftTop = 27; // the load stands on the shaft
constexpr int kShaftBottom = 32;
constexpr int kDimensionRow = 37;
const QColor kLoadColour(0, 0, 160);

void DrawShaft(QPainter& painter)
{
    painter.setPen(Qt::black);
    painter.setBrush(QColor(210, 210, 210));
    painter.drawRect(QRectF(4, kShaftTop, 192, kShaftBottom - kShaftTop));
}

void DrawArrowDown(QPainter& painter, qreal x, qreal top)
{
    if (kShaftTop - top < 4) return;
    painter.drawLine(QPointF(x, top), QPointF(x, kShaftTop));
    painter.drawLine(QPointF(x, kShaftTop), QPointF(x - 2, kShaftTop - 3));
    painter.drawLine(QPointF(x, kShaftTop), QPointF(x + 2, kShaftTop - 3));
}

// Row of the outline above column x (the outline runs left to right).
qreal OutlineRowAt(const QPolygonF& outline, qreal x)
{
    for (int i = 1; i < outline.size(); ++i) {
        const QPointF a = outline[i - 1];
        const QPointF b = outline[i];
        if (a.x() < b.x() && x >= a.x() && x <= b.x())
            return a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
    }
    return kShaftTop;
}

// The load outline from its corner points, with arrows down to the shaft under it.
void DrawLoad(QPainter& painter, const QPolygonF& outline)
{
    painter.setPen(kLoadColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(outline);
    const qreal left = outline.first().x();
    const qreal right = outline.last().x();
    const int gaps = qRound((right - left) / 9);
    for (int i = 0; i <= gaps; ++i) {
        const qreal x = left + (right - left) * i / gaps;
        DrawArrowDown(painter, x, OutlineRowAt(outline, x));
    }
}

void DrawDimension(QPainter& painter, qreal x1, qreal x2, const QString& name)
{
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(x1, kDimensionRow - 3), QPointF(x1, kDimensionRow + 3));
    painter.drawLine(QPointF(x2, kDimensionRow - 3), QPointF(x2, kDimensionRow + 3));
    painter.drawLine(QPointF(x1, kDimensionRow), QPointF(x2, kDimensionRow));
    painter.drawText(QRectF(x1, kDimensionRow + 1, x2 - x1, 12), Qt::AlignCenter, name);
}

void DrawIntensity(QPainter& painter, qreal x)
{
    painter.setPen(kLoadColour);
    painter.drawText(QRectF(x - 12, kLoadTop - 8, 24, 10), Qt::AlignCenter, "F");
}

QPolygonF LoadOutline(TLoadCase loadCase)
{
    const qreal base = kShaftTop;
    const qreal top = kLoadTop;
    switch (loadCase) {
    case TLoadCase::Uniform: return {{{60, base}, {60, top}, {150, top}, {150, base}}};
    case TLoadCase::Rising: return {{{60, base}, {150, top}, {150, base}}};
    case TLoadCase::Falling: return {{{60, base}, {60, top}, {150, base}}};
    case TLoadCase::Trapezoid: break;
    }
    return {{{30, base}, {75, top}, {125, top}, {170, base}}};
}

void DrawCaseDimensions(QPainter& painter, TLoadCase loadCase)
{
    if (loadCase != TLoadCase::Trapezoid) {
        DrawDimension(painter, 4, 60, "X");
        DrawDimension(painter, 60, 150, "L");
        DrawIntensity(painter, loadCase == TLoadCase::Rising ? 150 : 60);
        return;
    }
    DrawDimension(painter, 4, 30, "X");
    DrawDimension(painter, 30, 75, "L");
    DrawDimension(painter, 75, 125, "L2");
    DrawDimension(painter, 125, 170, "L");
    DrawIntensity(painter, 100);
}

} // namespace

QImage DistributedLoadPicture(TLoadCase loadCase)
{
    QImage image(kLoadPictureWidth, kLoadPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    DrawShaft(painter);
    DrawLoad(painter, LoadOutline(loadCase));
    DrawCaseDimensions(painter, loadCase);
    return image;
}

QIcon ConversionGlyph()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 110, 0), 1));
    painter.setBrush(QColor(0, 160, 0));
    painter.drawPolygon(QPolygonF({{1, 5}, {8, 5}, {8, 1}, {14, 8}, {8, 15}, {8, 11}, {1, 11}}));
    return QIcon(QPixmap::fromImage(image));
}
