// Shaft millimetres to pixels of the editor's drawing: one scale, 500 / L, in both directions,
// the shaft from column 50 to 550 and its axis on row 100.
#pragma once

#include <cstdint>

// Round(x * 500 / L) + 50 and Round(y * 500 / L) + 100. A point far outside the picture lands on
// the edge of the 16-bit range instead of wrapping round into it. L = 0 fails with the
// arithmetic message.
int16_t px(long double x, long double shaftLength);
int16_t py(long double y, long double shaftLength);
