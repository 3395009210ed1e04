#include "analysis/page_mapping.h"

#include "common/errors.h"
#include "common/number_text.h"

int16_t PagePosX(long double x, long double shaftLength)
{
    return static_cast<int16_t>(Round(CheckedDivide(x * 500, shaftLength)) + 50);
}

int16_t PageValueY(int base, long double vmax, long double v)
{
    if (vmax == 0) return static_cast<int16_t>(base);
    return static_cast<int16_t>(Round(CheckedDivide(v * 45, vmax)) + base);
}
