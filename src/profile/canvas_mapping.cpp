#include "profile/canvas_mapping.h"

#include "common/errors.h"

#include <algorithm>
#include <cmath>
#include <limits>

static int16_t MapToPixel(long double value, long double shaftLength, int offset)
{
    const long double scaled = CheckedDivide(value * 500, shaftLength);
    const long double low = std::numeric_limits<int16_t>::min() - offset;
    const long double high = std::numeric_limits<int16_t>::max() - offset;
    // Halves to even as Round does; rintl does not save the floating-point state for every pixel.
    return static_cast<int16_t>(std::rintl(std::clamp(scaled, low, high)) + offset);
}

int16_t px(long double x, long double shaftLength) { return MapToPixel(x, shaftLength, 50); }

int16_t py(long double y, long double shaftLength) { return MapToPixel(y, shaftLength, 100); }
