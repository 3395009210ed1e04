// The pictures of the four distributed-load cases: the load over the shaft with X, L, L2 and
// the intensity F marked; and the glyph of the conversion buttons.
#pragma once

#include "analysis/load_conversion.h"

#include <QIcon>
#include <QImage>

inline constexpr int kLoadPictureWidth = 200;
inline constexpr int kLoadPictureHeight = 50;

QImage DistributedLoadPicture(TLoadCase loadCase);

// A green arrow into a point: the glyph of the buttons that convert a load.
QIcon ConversionGlyph();
