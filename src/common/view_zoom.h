// A magnified and shifted view of a picture drawn in pixels: where a drawing's own mapping has
// placed a point at some distance from its origin pixel, the view places it that distance times
// the scale, plus the shift, from the same origin.
#pragma once

#include <cstdint>

struct TViewZoom {
    long double Scale = 1;
    long double ShiftX = 0; // pixels, after scaling
    long double ShiftY = 0;
};

bool operator==(const TViewZoom& a, const TViewZoom& b);

// origin + Round(scale * fromOrigin + shift), halves to even. A point far outside the picture lands
// on the edge of the 16-bit range instead of wrapping round into it. At scale 1 and shift 0 this
// is Round(fromOrigin) + origin exactly.
int16_t ZoomedPixel(long double fromOrigin, long double scale, long double shift, int origin);
// The column and the row of the view.
int16_t ZoomedColumn(const TViewZoom& zoom, long double fromOrigin, int origin);
int16_t ZoomedRow(const TViewZoom& zoom, long double fromOrigin, int origin);
