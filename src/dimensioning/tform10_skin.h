// The face of the dimensioning window: a shaded panel with rounded corners, whose transparent
// corners cut the window's shape.
#pragma once

#include <QPixmap>
#include <QSize>

QPixmap DimensioningSkin(QSize size);
