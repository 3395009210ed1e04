// The pictures of the start-up windows, drawn by our own code: the splash, the navigation
// panel's skin and the glyphs of its buttons.
#include "windows/main/app_pictures.h"

#include "widgets/panel_skin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {
const QColor kNavy(28, 53, 80);
const QColor kSteel(47, 95, 138);
const QColor kShaftLight(226, 230, 236);
const QColor kShaftDark(120, 132, 148);
const QColor kGlyphInk(40, 48, 60);
const QColor kHorizontalLoad(30, 90, 200);
const QColor kVerticalLoad(200, 40, 40);

QFont PictureFont(int pixelSize, bool bold)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QPainterPath RoundedOutline(const QSize& size, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, size.width(), size.height()), radius, radius);
    return path;
}

// A stepped shaft seen from the side: journal, seat, collar, seat, journal.
void DrawShaft(QPainter& painter, const QRectF& box)
{
    const qreal steps[][2] = {{0.00, 0.45}, {0.14, 0.70}, {0.38, 1.00}, {0.52, 0.80}, {0.80, 0.45}, {1.00, 0}};
    QLinearGradient shade(0, box.top(), 0, box.bottom());
    shade.setColorAt(0, kShaftDark);
    shade.setColorAt(0.35, kShaftLight);
    shade.setColorAt(1, kShaftDark);
    painter.setPen(QPen(QColor(60, 70, 85), 1));
    painter.setBrush(shade);
    for (int i = 0; i + 1 < 6; ++i) {
        const qreal half = box.height() * steps[i][1] / 2;
        const qreal left = box.left() + box.width() * steps[i][0];
        const qreal right = box.left() + box.width() * steps[i + 1][0];
        painter.drawRect(QRectF(left, box.center().y() - half, right - left, 2 * half));
    }
    painter.setPen(QPen(QColor(250, 210, 90), 1, Qt::DashDotLine));
    painter.drawLine(QPointF(box.left() - 6, box.center().y()), QPointF(box.right() + 6, box.center().y()));
}

// The raised face every panel glyph is drawn on.
QRect GlyphFace(QPainter& painter, const QRect& area)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect face = area.adjusted(0, 0, -1, -1);
    QLinearGradient light(face.topLeft(), face.bottomLeft());
    light.setColorAt(0, QColor(252, 252, 252));
    light.setColorAt(1, QColor(206, 212, 222));
    painter.setPen(QColor(140, 150, 165));
    painter.setBrush(light);
    painter.drawRoundedRect(face, 4, 4);
    return face.adjusted(5, 5, -5, -5);
}

void DrawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour)
{
    painter.setPen(QPen(colour, 2));
    painter.drawLine(from, to);
    const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF across(-direction.y(), direction.x());
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF({to, to - direction * 6 + across * 3.5, to - direction * 6 - across * 3.5}));
}

// Shaft on two bearings with a load arrow, the picture of one plane's load entry.
void DrawPlaneGlyph(QPainter& painter, const QRect& area, const QColor& load, const QString& plane)
{
    const QRect box = GlyphFace(painter, area);
    const qreal axis = box.top() + box.height() * 0.62;
    painter.setPen(QPen(kGlyphInk, 2));
    painter.drawLine(QPointF(box.left(), axis), QPointF(box.right(), axis));
    painter.setBrush(kGlyphInk);
    painter.setPen(Qt::NoPen);
    for (qreal x : {box.left() + 4.0, box.right() - 4.0})
        painter.drawPolygon(QPolygonF({QPointF(x, axis + 1), QPointF(x - 4, axis + 8), QPointF(x + 4, axis + 8)}));
    DrawArrow(painter, QPointF(box.center().x(), box.top()), QPointF(box.center().x(), axis - 1), load);
    painter.setFont(PictureFont(10, true));
    painter.setPen(load);
    painter.drawText(QRectF(box.left(), box.top() - 2, box.width() / 2.0 - 2, 14), Qt::AlignRight, plane);
}
} // namespace

QPixmap SplashPicture(const QSize& size)
{
    QPixmap picture = TransparentPixmap(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, size.height());
    ground.setColorAt(0, kSteel);
    ground.setColorAt(1, kNavy);
    painter.fillPath(RoundedOutline(size, 14), ground);
    painter.setPen(QPen(QColor(150, 180, 210), 1));
    painter.drawPath(RoundedOutline(size, 14).translated(0.5, 0.5));

    painter.setFont(PictureFont(34, true));
    painter.setPen(Qt::white);
    painter.drawText(QRect(18, 22, size.width() - 36, 44), Qt::AlignLeft | Qt::AlignVCenter, "Korvel");
    painter.setFont(PictureFont(11, false));
    painter.setPen(QColor(190, 214, 240));
    painter.drawText(QRect(20, 66, size.width() - 40, 16), Qt::AlignLeft, "Shaft strength design");
    DrawShaft(painter, QRectF(26, 100, size.width() - 52, 44));
    painter.setPen(QColor(160, 186, 214));
    painter.drawText(QRect(20, size.height() - 26, size.width() - 40, 16), Qt::AlignRight, "CAD");
    return picture;
}

QPixmap PanelSkin(const QSize& size)
{
    QPixmap skin = TransparentPixmap(size);
    QPainter painter(&skin);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient frame(0, 0, size.width(), 0);
    frame.setColorAt(0, kSteel);
    frame.setColorAt(1, kNavy);
    painter.fillPath(RoundedOutline(size, 9), frame);
    painter.setBrush(QColor(250, 250, 250));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(4, 22, size.width() - 8, size.height() - 26), 5, 5);
    painter.setFont(PictureFont(12, true));
    painter.setPen(Qt::white);
    painter.drawText(QRect(10, 3, size.width() - 20, 16), Qt::AlignLeft | Qt::AlignVCenter, "Korvel");
    return skin;
}

void DrawInitialDataGlyph(QPainter& painter, const QRect& area)
{
    const QRect box = GlyphFace(painter, area);
    const QRectF sheet(box.left() + 4, box.top(), box.width() - 8, box.height());
    painter.setPen(QPen(kGlyphInk, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.setPen(QPen(kHorizontalLoad, 1.5));
    for (int line = 0; line < 4; ++line) {
        const qreal y = sheet.top() + 5 + line * 6;
        painter.drawLine(QPointF(sheet.left() + 4, y), QPointF(sheet.right() - 4 - (line % 2) * 6, y));
    }
}

// A toothed wheel on a shaft, seen from the side.
void DrawShaftElementsGlyph(QPainter& painter, const QRect& area)
{
    const QRect box = GlyphFace(painter, area);
    const QPointF centre = QRectF(box).center();
    const qreal radius = box.width() / 2.0 - 3;
    painter.setPen(QPen(kGlyphInk, 1));
    painter.setBrush(Qt::white);
    QPolygonF teeth;
    constexpr int kTeeth = 10;
    for (int i = 0; i < 4 * kTeeth; ++i) {
        const qreal angle = i * 2 * std::numbers::pi / (4 * kTeeth);
        const qreal r = (i / 2) % 2 == 0 ? radius : radius - 3;
        teeth << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    painter.drawPolygon(teeth);
    painter.setBrush(kHorizontalLoad);
    painter.drawEllipse(centre, radius / 3, radius / 3);
}

void DrawHorizontalPlaneGlyph(QPainter& painter, const QRect& area)
{
    DrawPlaneGlyph(painter, area, kHorizontalLoad, "H");
}

void DrawVerticalPlaneGlyph(QPainter& painter, const QRect& area)
{
    DrawPlaneGlyph(painter, area, kVerticalLoad, "V");
}

// Half-section of a stepped shaft over its axis, as the profile editor draws it.
void DrawProfileGlyph(QPainter& painter, const QRect& area)
{
    const QRect box = GlyphFace(painter, area);
    const qreal axis = box.bottom() - 4;
    painter.setPen(QPen(kShaftDark, 1, Qt::DashDotLine));
    painter.drawLine(QPointF(box.left(), axis), QPointF(box.right(), axis));
    const qreal w = box.width();
    const QPolygonF outline({QPointF(box.left() + 1, axis), QPointF(box.left() + 1, axis - 10),
                             QPointF(box.left() + w * 0.3, axis - 10), QPointF(box.left() + w * 0.3, axis - 20),
                             QPointF(box.left() + w * 0.65, axis - 20), QPointF(box.left() + w * 0.65, axis - 14),
                             QPointF(box.right() - 1, axis - 14), QPointF(box.right() - 1, axis)});
    painter.setPen(QPen(kGlyphInk, 2));
    painter.drawPolyline(outline);
}

// A shaded cylinder lying along its axis.
void DrawSolidGlyph(QPainter& painter, const QRect& area)
{
    const QRect box = GlyphFace(painter, area);
    const QRectF body(box.left() + 4, box.top() + 5, box.width() - 10, box.height() - 10);
    QLinearGradient shade(0, body.top(), 0, body.bottom());
    shade.setColorAt(0, kShaftDark);
    shade.setColorAt(0.3, kShaftLight);
    shade.setColorAt(1, QColor(80, 90, 105));
    painter.setPen(QPen(kGlyphInk, 1));
    painter.setBrush(shade);
    painter.drawRect(body);
    painter.setBrush(QColor(190, 198, 210));
    painter.drawEllipse(QRectF(body.right() - 4, body.top(), 8, body.height()));
}

void DrawViewGlyph(QPainter& painter, const QRect& area, int kind)
{
    const QRect box = GlyphFace(painter, area).adjusted(-1, -1, 1, 1);
    painter.setPen(QPen(kGlyphInk, 1.5));
    painter.setBrush(Qt::NoBrush);
    const QPointF centre = QRectF(box).center();
    if (kind == 2) {
        painter.drawArc(QRectF(box).adjusted(1, 1, -1, -1), 30 * 16, 280 * 16);
        painter.drawLine(centre + QPointF(7, -4), centre + QPointF(7, -8));
        return;
    }
    if (kind == 3) {
        painter.drawRect(QRectF(box).adjusted(2, 2, -2, -2));
        return;
    }
    painter.drawEllipse(QRectF(box.left(), box.top(), 10, 10));
    painter.drawLine(QPointF(box.left() + 9, box.top() + 9), QPointF(box.right(), box.bottom()));
    painter.drawLine(QPointF(box.left() + 3, box.top() + 5), QPointF(box.left() + 7, box.top() + 5));
    if (kind == 0) painter.drawLine(QPointF(box.left() + 5, box.top() + 3), QPointF(box.left() + 5, box.top() + 7));
}
