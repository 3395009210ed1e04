// An on/off picture switch: a checkable button showing one picture when on and another when off.
// Without pictures of its own it draws a lever switch.
#include "widgets/image_switch.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {
const QSize kDefaultSize(40, 20);

// A sunken slot with a knob at the right and a green lamp when on, the knob at the left when off.
void DrawLever(QPainter& painter, const QRect& area, bool on)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF slot = QRectF(area).adjusted(1, 1, -1, -1);
    const qreal radius = slot.height() / 2;
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(on ? QColor(64, 176, 64) : QColor(128, 128, 128));
    painter.drawRoundedRect(slot, radius, radius);
    const qreal knob = slot.height() - 4;
    const qreal knobLeft = on ? slot.right() - 2 - knob : slot.left() + 2;
    painter.setBrush(QColor(236, 236, 236));
    painter.drawEllipse(QRectF(knobLeft, slot.top() + 2, knob, knob));
}
}

ImageSwitch::ImageSwitch(QWidget* parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    on_.Set([](QPainter& painter, const QRect& area) { DrawLever(painter, area, true); });
    off_.Set([](QPainter& painter, const QRect& area) { DrawLever(painter, area, false); });
}

void ImageSwitch::SetPictures(const QPixmap& on, const QPixmap& off)
{
    on_.Set(on);
    off_.Set(off);
    update();
}

void ImageSwitch::SetPictureDrawers(PictureDrawer on, PictureDrawer off)
{
    on_.Set(std::move(on));
    off_.Set(std::move(off));
    update();
}

QSize ImageSwitch::sizeHint() const
{
    return on_.NaturalSize(kDefaultSize);
}

void ImageSwitch::paintEvent(QPaintEvent*)
{
    QPixmap picture = (isChecked() ? on_ : off_).Render(size());
    if (picture.isNull())
        return;
    if (!isEnabled()) {
        QStyleOption option;
        option.initFrom(this);
        picture = style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
    }
    const QSize pictureSize = picture.deviceIndependentSize().toSize();
    QPainter(this).drawPixmap((width() - pictureSize.width()) / 2, (height() - pictureSize.height()) / 2, picture);
}
