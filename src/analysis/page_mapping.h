// Where a shaft position and a diagram value land on the page and on the editor image.
#pragma once

#include "common/view_zoom.h"

#include <cstdint>

// Column of shaft position x: Round(x * 500 / shaftLength) + 50, so the shaft spans columns 50 to
// 550. Fails with the arithmetic message when shaftLength is 0; a column beyond the 16-bit range
// is held at its end.
int16_t PagePosX(long double x, long double shaftLength);
// The same column on the editor's band seen through its zoom; the whole-shaft view gives the
// column above.
int16_t PagePosX(long double x, long double shaftLength, const TViewZoom& zoom);

// Row of diagram value v: Round(v * 45 / vmax) + base, so the largest value lies 45 rows from the
// base row. A diagram whose largest value is 0 lies flat on its base row. Held inside the 16-bit
// range like the column.
int16_t PageValueY(int base, long double vmax, long double v);
