// Set-up shared by the program's fixed-size windows and panels.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QWidget;

// Caption, place and a client size that the user cannot change.
void PlaceFixedWindow(QWidget& window, const QString& caption, const QRect& geometry);
// A plain background of `color` with black text.
void SetPlainBackground(QWidget& widget, const QColor& color);
