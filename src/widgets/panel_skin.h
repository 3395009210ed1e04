// Pictures from which skinned windows take their face and their shape.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>

// A picture with nothing on it yet: whatever is not painted stays transparent.
QPixmap TransparentPixmap(const QSize& size);

// A panel shaded from `top` to `bottom` with a navy border and rounded corners; the transparent
// corners cut the shape of the window that wears it.
QPixmap RoundedPanelSkin(const QSize& size, const QColor& top, const QColor& bottom);
