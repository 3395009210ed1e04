// Shaft millimetres to pixels of the editor's drawing: one scale, 500 / L, in both directions,
// the shaft from column 50 to 550 and its axis on row 100, seen through the editor's zoom.
#pragma once

#include "common/view_zoom.h"

#include <cstdint>

// Round(x * 500 / L) + 50 and Round(y * 500 / L) + 100 at the whole-shaft view; a zoom magnifies
// and shifts the distance from column 50 and row 100. A point far outside the picture lands on the
// edge of the 16-bit range instead of wrapping round into it. L = 0 fails with the arithmetic
// message.
int16_t px(long double x, long double shaftLength, const TViewZoom& zoom = {});
int16_t py(long double y, long double shaftLength, const TViewZoom& zoom = {});
