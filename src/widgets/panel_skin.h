// Pictures from which skinned windows take their face and their shape.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>

// A picture with nothing on it yet: whatever is not painted stays transparent.
QPixmap TransparentPixmap(const QSize& size);

// The picture that `draw` makes, drawn once for each key and then kept: every new window of a
// kind wears the same skin, and an opened design makes the work windows anew.
QPixmap KeptSkin(const QString& key, const std::function<QPixmap()>& draw);

// A panel shaded from `top` to `bottom` with a navy border and rounded corners; the transparent
// corners cut the shape of the window that wears it.
QPixmap RoundedPanelSkin(const QSize& size, const QColor& top, const QColor& bottom);
