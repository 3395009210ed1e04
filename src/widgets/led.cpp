// An LED indicator: a round-cornered rectangle shaded from black at the top to yellow (on)
// or white (off) at the bottom.
#include "widgets/led.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int kCornerRadius = 6;
}

Led::Led(QWidget* parent) : QWidget(parent)
{
}

void Led::SetOn(bool on)
{
    if (on == on_)
        return;
    on_ = on;
    update();
}

QSize Led::sizeHint() const
{
    return {17, 17};
}

void Led::paintEvent(QPaintEvent*)
{
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, Qt::black);
    shade.setColorAt(1, on_ ? Qt::yellow : Qt::white);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawRoundedRect(rect(), kCornerRadius, kCornerRadius);
}
