// Panels dragged inside their window; a drag never leaves the panel wholly outside it.
#include "view3d/tform9_panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TDragPanel::TDragPanel(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
}

void TDragPanel::SetCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void TDragPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (caption_.isEmpty()) return;
    QPainter painter(this);
    painter.drawText(rect(), Qt::AlignCenter, caption_);
}

void TDragPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QFrame::mousePressEvent(event);
    dragging_ = true;
    grabOffset_ = event->position().toPoint();
    raise();
}

void TDragPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return QFrame::mouseMoveEvent(event);
    const QPoint wanted = mapToParent(event->position().toPoint()) - grabOffset_;
    const QSize room = parentWidget()->size();
    // Some of the panel stays inside the window, so it can always be dragged back.
    constexpr int kKeep = 12;
    move(std::clamp(wanted.x(), kKeep - width(), room.width() - kKeep),
         std::clamp(wanted.y(), 0, room.height() - kKeep));
}

void TDragPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) dragging_ = false;
    QFrame::mouseReleaseEvent(event);
}
