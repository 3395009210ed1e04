#include "analysis/page_mapping.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <limits>

namespace {

// Round(numerator / denominator) + offset, held inside the 16-bit pixel range before the offset
// is added, so that no value far off the image wraps around onto it. A zero denominator fails as
// a division, NaN as an invalid operation.
int16_t ClampedPixel(long double numerator, long double denominator, int offset)
{
    if (denominator == 0) CheckedDivide(numerator, denominator);
    const long double low = std::numeric_limits<int16_t>::min() - offset;
    const long double high = std::numeric_limits<int16_t>::max() - offset;
    return static_cast<int16_t>(Round(std::clamp(numerator / denominator, low, high)) + offset);
}

} // namespace

int16_t PagePosX(long double x, long double shaftLength) { return ClampedPixel(x * 500, shaftLength, 50); }

int16_t PagePosX(long double x, long double shaftLength, const TViewZoom& zoom)
{
    return ZoomedColumn(zoom, CheckedDivide(x * 500, shaftLength), 50);
}

int16_t PageValueY(int base, long double vmax, long double v)
{
    if (vmax == 0) return static_cast<int16_t>(base);
    return ClampedPixel(v * 45, vmax, base);
}
