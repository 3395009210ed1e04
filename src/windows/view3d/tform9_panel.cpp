// A panel over the 3D window that carries a caption and is dragged about the window by its body.
#include "windows/view3d/tform9_panel.h"

#include "widgets/panel_dragger.h"

#include <QPainter>

TDragPanel::TDragPanel(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    new PanelDragger(this, this);
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
