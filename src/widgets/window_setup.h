// Set-up shared by the program's fixed-size windows and panels.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLineEdit;
class QWidget;

// Caption, place and a client size that the user cannot change.
void PlaceFixedWindow(QWidget& window, const QString& caption, const QRect& geometry);
// Brings a window that is being shown to the front and gives it the keyboard focus: show()
// alone leaves a window that is already open wherever it was, perhaps behind the one in use.
void ComeToFront(QWidget& window);
// A plain background of `color` with black text.
void SetPlainBackground(QWidget& widget, const QColor& color);
// Escape closes the window, as its close box does: nothing is applied.
void CloseOnEscape(QWidget& window);
// The field takes the focus with its text selected, so that what is typed replaces it.
void SelectField(QLineEdit& field);
