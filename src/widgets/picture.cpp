// Pictures of the widget set: a stored pixmap or a routine that draws one on demand.
#include "widgets/picture.h"

#include <QPainter>

void Picture::Set(const QPixmap& pixmap)
{
    pixmap_ = pixmap;
    drawer_ = nullptr;
}

void Picture::Set(PictureDrawer drawer)
{
    pixmap_ = QPixmap();
    drawer_ = std::move(drawer);
}

void Picture::Clear()
{
    pixmap_ = QPixmap();
    drawer_ = nullptr;
}

QPixmap Picture::Render(const QSize& size) const
{
    if (!drawer_ || size.isEmpty())
        return pixmap_;
    QPixmap canvas(size);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    drawer_(painter, QRect(QPoint(0, 0), size));
    return canvas;
}

QSize Picture::NaturalSize(const QSize& fallback) const
{
    return pixmap_.isNull() ? fallback : pixmap_.size();
}
