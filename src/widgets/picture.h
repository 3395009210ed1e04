// Pictures of the widget set: a stored pixmap or a routine that draws one on demand.
#pragma once

#include <QPixmap>
#include <QRect>
#include <functional>

class QPainter;

// Draws a picture into the given rectangle of a painter.
using PictureDrawer = std::function<void(QPainter& painter, const QRect& area)>;

// Holds one of the two picture forms and renders it as a pixmap.
class Picture {
public:
    void Set(const QPixmap& pixmap);
    void Set(PictureDrawer drawer);
    void Clear();
    bool IsEmpty() const { return pixmap_.isNull() && !drawer_; }

    // A stored pixmap keeps its own size; a drawer fills `size` on a transparent ground.
    QPixmap Render(const QSize& size) const;
    // The stored pixmap's size, or `fallback` for a drawer or no picture.
    QSize NaturalSize(const QSize& fallback) const;

private:
    QPixmap pixmap_;
    PictureDrawer drawer_;
};
