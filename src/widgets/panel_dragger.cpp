#include "widgets/panel_dragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

PanelDragger::PanelDragger(QWidget* handle, QWidget* panel) : QObject(handle), panel_(panel)
{
    handle->installEventFilter(this);
}

bool PanelDragger::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        dragging_ = true;
        grab_ = panel_->mapFromGlobal(mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!dragging_ || !(mouse->buttons() & Qt::LeftButton)) return false;
        const QWidget* window = panel_->parentWidget();
        QPoint place = window->mapFromGlobal(mouse->globalPosition().toPoint()) - grab_;
        // Kept whole inside the window, so that it can always be taken again.
        place.setX(std::clamp(place.x(), 0, std::max(0, window->width() - panel_->width())));
        place.setY(std::clamp(place.y(), 0, std::max(0, window->height() - panel_->height())));
        panel_->move(place);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) dragging_ = false;
        return dragging_;
    default:
        return QObject::eventFilter(watched, event);
    }
}
