// Where the windows open: beside the window they belong to without covering it, and where the
// user last left them, never off the screen. The rules work on plain rectangles (frames
// included), so that they are tried without a window.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QApplication;
class QWidget;

// A window of `size` beside `anchor`, inside `screen` (its available area), covering no part of
// `anchor`: to its right where the whole window fits, else below it, else to its left, else
// above it. Where no side holds it whole, it shrinks to the side that gives it the largest area
// at no less than `minimum`; where none does that either, to the roomiest side, over a part of
// the anchor then. It always stays whole on the screen.
QRect PlaceBeside(const QRect& anchor, const QSize& size, const QSize& minimum, const QRect& screen);

// `wanted` moved the least onto the screen it overlaps most (the first when it overlaps none),
// shrunk where larger than that screen: no part of the window, its title bar above all, is left
// where the user cannot reach it.
QRect KeptOnScreen(const QRect& wanted, const QList<QRect>& screens);

// The window's frame as it stood when the user last closed it (QSettings, under `key`). False
// when none is stored, or when it no longer lies whole on one of today's screens (a monitor
// gone, a smaller screen): the window then opens where it does the first time.
bool RestorePlace(QWidget& window, const QString& key);
// From now on every hide of the window stores its frame under `key`.
void RememberPlace(QWidget& window, const QString& key);
// Opens the window beside `anchor` by the rule above, at its own size, shrunk to the room but
// not below its minimum.
void OpenBeside(QWidget& window, const QWidget& anchor);

// From now on every dialog opens where the user last left one of its kind and title, as long
// as it lies whole on a screen there.
void KeepDialogPlaces(QApplication& application);
