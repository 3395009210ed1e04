#include "windows/editor/torque_plot.h"

#include <QPainter>

TTorquePlot::TTorquePlot(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(120);
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    hide();
}

void TTorquePlot::Show(TTorquePlotContent content)
{
    content_ = std::move(content);
    setVisible(!content_.Steps.empty());
    update();
}

void TTorquePlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintTorquePlot(painter, rect(), content_);
}
