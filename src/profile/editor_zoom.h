// The editor's zoom and pan: a view of the drawing band from the whole shaft down to a 64th of
// it. The view never leaves the whole-shaft picture's rows, and the shaft's ends never move
// inside the columns where the whole shaft shows them, so a pan cannot lose the shaft.
#pragma once

#include "common/view_zoom.h"

#include <QPoint>

constexpr long double kMaxZoom = 64;

// The whole shaft: today's picture, pixel for pixel.
inline TViewZoom WholeShaft() { return {}; }
bool IsZoomed(const TViewZoom& zoom);

// Magnified by `factor` (held between 1 and the largest magnification) about the band pixel `at`:
// the point under it stays under it unless the limits move the view.
TViewZoom ZoomedAbout(const TViewZoom& zoom, long double factor, QPoint at);
// Moved by `by` pixels of the band, within the limits.
TViewZoom Panned(const TViewZoom& zoom, QPoint by);
// The magnification of a turn of the wheel: twice for every two notches of 120.
long double WheelFactor(int angleDelta);
