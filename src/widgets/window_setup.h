// Set-up shared by the program's fixed-size windows and panels.
#pragma once

#include <QColor>
#include <QIcon>
#include <QRect>
#include <QString>
#include <QStyle>

class QLineEdit;
class QWidget;

// The style's standard icon, read from its image files once and kept until the application ends:
// a new set of work windows asks for the same ones again.
QIcon StandardIcon(const QWidget& widget, QStyle::StandardPixmap glyph);

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
