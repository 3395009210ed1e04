// A frameless window cut to a region, with a skin painted behind its children, that the user
// drags by its body. Windows of the program derive from it.
#pragma once

#include "widgets/picture.h"

#include <QPoint>
#include <QRegion>
#include <QWidget>

class SkinnedWindow : public QWidget {
    Q_OBJECT
public:
    explicit SkinnedWindow(QWidget* parent = nullptr, Qt::WindowFlags extraFlags = {});

    // Paints the pixmap at the top left and cuts the window to its non-transparent pixels.
    void SetSkin(const QPixmap& skin);
    // Paints the whole window with the drawer; the shape stays as it is.
    void SetSkinDrawer(PictureDrawer drawer);
    // Cuts the window to the region (window coordinates); an empty region shows it whole.
    void SetRegion(const QRegion& region);
    QRegion Region() const { return mask(); }

    void SetAlwaysOnTop(bool onTop);
    bool IsAlwaysOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

    void SetDraggable(bool draggable) { draggable_ = draggable; }
    bool IsDraggable() const { return draggable_; }

protected:
    // Draws the skin; override to paint more behind the children, calling this first.
    virtual void PaintSkin(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;
    // Presses that no child takes start a drag; derived windows that override these call them.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Picture skin_;
    bool draggable_ = true;
    bool dragging_ = false;
    QPoint grabOffset_;
};
