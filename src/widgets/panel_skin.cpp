#include "widgets/panel_skin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmapCache>

QPixmap TransparentPixmap(const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap KeptSkin(const QString& key, const std::function<QPixmap()>& draw)
{
    QPixmap skin;
    if (QPixmapCache::find(key, &skin)) return skin;
    skin = draw();
    QPixmapCache::insert(key, skin);
    return skin;
}

QPixmap RoundedPanelSkin(const QSize& size, const QColor& top, const QColor& bottom)
{
    QPixmap skin = TransparentPixmap(size);
    QPainter painter(&skin);
    // Hard edges: the shape is taken from the alpha channel, and half-transparent pixels would
    // leave a ragged outline.
    painter.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    painter.setBrush(face);
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 12, 12);
    return skin;
}
