// A button in a window's caption area. The platform draws the title bar itself, so the button
// sits inside the window at the top right, a fixed distance from the right edge, on every resize.
#include "widgets/caption_button.h"

#include <QEvent>
#include <QPainter>

void DrawRaisedFace(QPainter& painter, const QRect& area)
{
    painter.fillRect(area, QColor(212, 208, 200));
    painter.setPen(Qt::white);
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
}

namespace {
constexpr int kTop = 2;
const QSize kSize(18, 16);

// A minimise bar on a raised face, like the title bar's own buttons.
void DrawCaptionGlyph(QPainter& painter, const QRect& area)
{
    DrawRaisedFace(painter, area);
    painter.fillRect(area.left() + 4, area.bottom() - 4, area.width() - 9, 2, Qt::black);
}
}

CaptionButton::CaptionButton(QWidget* window, int rightMargin)
    : ImageButton(window), rightMargin_(rightMargin)
{
    resize(kSize);
    SetPictureDrawer(DrawCaptionGlyph);
    window->installEventFilter(this);
    FollowWindow();
}

void CaptionButton::SetRightMargin(int rightMargin)
{
    rightMargin_ = rightMargin;
    FollowWindow();
}

bool CaptionButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        FollowWindow();
    return ImageButton::eventFilter(watched, event);
}

void CaptionButton::FollowWindow()
{
    move(parentWidget()->width() - rightMargin_, kTop);
    raise();
}
