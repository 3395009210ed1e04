// Set-up shared by the program's windows: fixed sizes, plain backgrounds, coming to the front.
#include "widgets/window_setup.h"

#include <QPalette>
#include <QWidget>

void PlaceFixedWindow(QWidget& window, const QString& caption, const QRect& geometry)
{
    window.setWindowTitle(caption);
    window.setGeometry(geometry);
    window.setFixedSize(geometry.size());
}

void ComeToFront(QWidget& window)
{
    window.raise();
    window.activateWindow();
}

void SetPlainBackground(QWidget& widget, const QColor& color)
{
    QPalette colours = widget.palette();
    colours.setColor(QPalette::Window, color);
    colours.setColor(QPalette::WindowText, Qt::black);
    widget.setPalette(colours);
    widget.setAutoFillBackground(true);
}
