// A frameless window cut to a region, with a skin painted behind its children, that the user
// drags by its body. Windows of the program derive from it.
#include "widgets/skinned_window.h"

#include <QBitmap>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>

namespace {
// The shape of a kept skin is found once.
QRegion OpaqueRegion(const QPixmap& skin)
{
    if (!skin.hasAlphaChannel())
        return QRegion(skin.rect());
    static QHash<qint64, QRegion> shapes;
    const auto found = shapes.constFind(skin.cacheKey());
    if (found != shapes.cend()) return *found;
    if (shapes.size() >= 64) shapes.clear();
    return *shapes.insert(skin.cacheKey(), QRegion(skin.mask()));
}
}

SkinnedWindow::SkinnedWindow(QWidget* parent, Qt::WindowFlags extraFlags)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | extraFlags)
{
}

void SkinnedWindow::SetSkin(const QPixmap& skin)
{
    skin_.Set(skin);
    SetRegion(skin.isNull() ? QRegion() : OpaqueRegion(skin));
    update();
}

void SkinnedWindow::SetSkinDrawer(PictureDrawer drawer)
{
    skin_.Set(std::move(drawer));
    update();
}

// A region that grows uncovers pixels the window has not painted yet.
void SkinnedWindow::SetRegion(const QRegion& region)
{
    if (region.isEmpty())
        clearMask();
    else
        setMask(region);
    update();
}

void SkinnedWindow::SetAlwaysOnTop(bool onTop)
{
    if (onTop == IsAlwaysOnTop())
        return;
    // Changing the flags hides the window; bring it back as it was.
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible)
        show();
}

void SkinnedWindow::PaintSkin(QPainter& painter)
{
    const QPixmap skin = skin_.Render(size());
    if (!skin.isNull())
        painter.drawPixmap(0, 0, skin);
}

void SkinnedWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintSkin(painter);
}

void SkinnedWindow::mousePressEvent(QMouseEvent* event)
{
    if (!draggable_ || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    dragging_ = true;
    grabOffset_ = event->globalPosition().toPoint() - pos();
    event->accept();
}

void SkinnedWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    move(event->globalPosition().toPoint() - grabOffset_);
    event->accept();
}

void SkinnedWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragging_ && event->button() == Qt::LeftButton)
        dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}
