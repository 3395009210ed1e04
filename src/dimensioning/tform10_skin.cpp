#include "dimensioning/tform10_skin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap DimensioningSkin(QSize size)
{
    QPixmap skin(size);
    skin.fill(Qt::transparent);
    QPainter painter(&skin);
    // Hard edges: the mask is taken from the alpha channel, and half-transparent pixels would
    // leave a ragged outline.
    painter.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0, QColor(232, 238, 247));
    face.setColorAt(1, QColor(200, 212, 230));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 12, 12);
    return skin;
}
