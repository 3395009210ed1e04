// Pictures of the 3D window, painted with antialiasing on transparent or light grounds.
#include "windows/view3d/tform9_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kNavy(0, 0, 128);
constexpr double kHeightInUnits = 26; // scene units over the picture's height

void DrawLamp(QPainter& painter, const QPointF& centre, double radius)
{
    QRadialGradient glow(centre, radius * 2.2);
    glow.setColorAt(0, QColor(255, 255, 160));
    glow.setColorAt(0.45, QColor(255, 230, 60, 180));
    glow.setColorAt(1, QColor(255, 230, 60, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 2.2, radius * 2.2);
    painter.setBrush(QColor(255, 220, 0));
    painter.setPen(QPen(QColor(120, 90, 0), 1));
    painter.drawEllipse(centre, radius, radius);
}

} // namespace

// An oblique view: scene X to the right, Y up, Z towards the lower left.
QPointF LightPicturePoint(const QSize& size, double x, double y, double z)
{
    const double unit = size.height() / kHeightInUnits;
    return {size.width() * 0.5 + (x - z * 0.35) * unit, size.height() * 0.55 - (y - z * 0.25) * unit};
}

void DrawLightBulb(QPainter& painter, const QRect& area)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(area).adjusted(4, 3, -4, -3);
    const QPointF centre(box.center().x(), box.top() + box.height() * 0.4);
    const double radius = box.width() * 0.27;
    painter.setPen(QPen(QColor(230, 170, 0), 2, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 8; ++ray) {
        const QLineF line = QLineF::fromPolar(radius * 1.75, ray * 45.0 + 22.5).translated(centre);
        painter.drawLine(QLineF(centre, line.p2()).pointAt(0.7), line.p2());
    }
    QRadialGradient glass(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    glass.setColorAt(0, Qt::white);
    glass.setColorAt(1, QColor(255, 215, 40));
    painter.setBrush(glass);
    painter.setPen(QPen(QColor(150, 110, 0), 1));
    painter.drawEllipse(centre, radius, radius);
    const QRectF base(centre.x() - radius * 0.5, centre.y() + radius * 0.9, radius, radius * 0.8);
    painter.setBrush(QColor(120, 120, 130));
    painter.setPen(QPen(QColor(60, 60, 70), 1));
    painter.drawRoundedRect(base, 1.5, 1.5);
}

void DrawCentreMark(QPainter& painter, const QRect& area)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = QRectF(area).center();
    const double radius = area.height() * 0.32;
    painter.setPen(QPen(kNavy, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    painter.drawLine(QPointF(centre.x() - radius * 1.6, centre.y()), QPointF(centre.x() + radius * 1.6, centre.y()));
    painter.drawLine(QPointF(centre.x(), centre.y() - radius * 1.4), QPointF(centre.x(), centre.y() + radius * 1.4));
    painter.setBrush(QColor(200, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, 2, 2);
}

void DrawCloseMark(QPainter& painter, const QRect& area)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(area).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(90, 90, 110), 1));
    painter.setBrush(QColor(225, 228, 236));
    painter.drawRoundedRect(box, 2, 2);
    painter.setPen(QPen(QColor(150, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
    const QRectF cross = box.adjusted(4, 4, -4, -4);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

QPixmap LightPositionsPicture(const QSize& size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    QLinearGradient ground(0, 0, 0, size.height());
    ground.setColorAt(0, QColor(245, 247, 252));
    ground.setColorAt(1, QColor(214, 222, 236));
    painter.fillRect(picture.rect(), ground);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto at = [&](double x, double y, double z) { return LightPicturePoint(size, x, y, z); };
    const QPointF origin = at(0, 0, 0);
    const double unit = size.height() / kHeightInUnits;
    painter.setPen(QPen(QColor(120, 120, 140), 1, Qt::DashLine));
    painter.drawLine(at(-12, 0, 0), at(12, 0, 0));
    painter.drawLine(at(0, -9, 0), at(0, 11, 0));
    painter.drawLine(at(0, 0, -12), at(0, 0, 12));
    QLinearGradient steel(at(0, 2, 0), at(0, -2, 0));
    steel.setColorAt(0, QColor(235, 238, 245));
    steel.setColorAt(0.5, QColor(150, 156, 170));
    steel.setColorAt(1, QColor(80, 84, 96));
    painter.setBrush(steel);
    painter.setPen(QPen(QColor(60, 60, 70), 1));
    painter.drawRect(QRectF(at(-5, 1.5, 0), at(-1, -1.5, 0)));
    painter.drawRect(QRectF(at(-1, 2, 0), at(5, -2, 0)));
    DrawLamp(painter, at(10, 10, 10), unit * 0.7);   // L1
    DrawLamp(painter, at(-10, -5, -10), unit * 0.7); // L2
    // The camera with LC on it, looking at the origin.
    const QPointF eye = at(6, 6, 10);
    painter.setPen(QPen(kNavy, 1, Qt::DotLine));
    painter.drawLine(eye, origin);
    painter.setPen(QPen(kNavy, 1));
    painter.setBrush(QColor(60, 70, 110));
    painter.drawRoundedRect(QRectF(eye - QPointF(unit, unit * 0.6), QSizeF(unit * 2, unit * 1.2)), 2, 2);
    DrawLamp(painter, eye + QPointF(0, -unit * 1.2), unit * 0.45);
    return picture;
}
