#include "windows/editor/deflection_plot.h"

#include <QPainter>

TDeflectionPlot::TDeflectionPlot(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(220);
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
}

void TDeflectionPlot::Show(std::optional<TContent> content)
{
    content_ = std::move(content);
    update();
}

void TDeflectionPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!content_) return;
    painter.setRenderHint(QPainter::Antialiasing);
    PaintDeflectionPlot(painter, rect(), *content_);
}
