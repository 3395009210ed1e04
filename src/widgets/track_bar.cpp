// A track bar that writes labels beside its ticks, in a band on the tick side of the groove.
#include "widgets/track_bar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

TrackBar::TrackBar(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent)
{
}

void TrackBar::SetTickLabels(const QMap<int, QString>& labels)
{
    labels_ = labels;
    updateGeometry();
    update();
}

void TrackBar::SetLabelInterval(int interval)
{
    QMap<int, QString> labels;
    // Counted wide, so that a range ending near the largest int does not wrap round for ever.
    for (long long value = minimum(); interval > 0 && value <= maximum(); value += interval)
        labels.insert(int(value), QString::number(value));
    SetTickLabels(labels);
}

int TrackBar::LabelBand() const
{
    if (labels_.isEmpty())
        return 0;
    if (orientation() == Qt::Horizontal)
        return fontMetrics().height();
    int widest = 0;
    for (const QString& label : labels_)
        widest = std::max(widest, fontMetrics().horizontalAdvance(label));
    return widest + 2;
}

// Labels go above a horizontal bar or left of a vertical one only when the ticks are only there.
bool TrackBar::LabelsFirst() const
{
    return tickPosition() == QSlider::TicksAbove;
}

void TrackBar::initStyleOption(QStyleOptionSlider* option) const
{
    QSlider::initStyleOption(option);
    const int band = LabelBand();
    if (orientation() == Qt::Horizontal)
        option->rect.adjust(0, LabelsFirst() ? band : 0, 0, LabelsFirst() ? 0 : -band);
    else
        option->rect.adjust(LabelsFirst() ? band : 0, 0, LabelsFirst() ? 0 : -band, 0);
}

QPoint TrackBar::LabelCentre(int value) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = value;
    option.sliderValue = value;
    const QPoint handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this).center();
    const QRect slider = option.rect;
    const int half = LabelBand() / 2;
    if (orientation() == Qt::Horizontal)
        return {handle.x(), LabelsFirst() ? slider.top() - half : slider.bottom() + 1 + half};
    return {LabelsFirst() ? slider.left() - half : slider.right() + 1 + half, handle.y()};
}

void TrackBar::paintEvent(QPaintEvent* event)
{
    QSlider::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    for (auto label = labels_.cbegin(); label != labels_.cend(); ++label) {
        QRect box(QPoint(0, 0), QSize(metrics.horizontalAdvance(label.value()), metrics.height()));
        box.moveCenter(LabelCentre(label.key()));
        // Keep the end labels whole instead of cutting them at the edges.
        box.moveLeft(std::clamp(box.left(), 0, std::max(0, width() - box.width())));
        box.moveTop(std::clamp(box.top(), 0, std::max(0, height() - box.height())));
        painter.drawText(box, Qt::AlignCenter, label.value());
    }
}

QSize TrackBar::WithLabelBand(const QSize& slider) const
{
    const int band = LabelBand();
    return orientation() == Qt::Horizontal ? slider + QSize(0, band) : slider + QSize(band, 0);
}

QSize TrackBar::sizeHint() const
{
    return WithLabelBand(QSlider::sizeHint());
}

QSize TrackBar::minimumSizeHint() const
{
    return WithLabelBand(QSlider::minimumSizeHint());
}
