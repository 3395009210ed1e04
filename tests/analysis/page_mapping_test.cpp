// Columns and rows of the page: the shaft's ends, halves to even, and values far off the page
// held at the edge of the pixel range instead of wrapping around.
#include "analysis/page_mapping.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(PageMapping, ShaftPositionsAndValuesLandOnTheirPixels)
{
    EXPECT_EQ(PagePosX(0, 1000), 50);
    EXPECT_EQ(PagePosX(250, 1000), 175);
    EXPECT_EQ(PagePosX(1000, 1000), 550);
    EXPECT_EQ(PagePosX(25, 1000), 62); // 12.5 columns: halves to even
    EXPECT_EQ(PagePosX(27, 1000), 64); // 13.5
    EXPECT_EQ(PageValueY(335, 1000, 1000), 380);
    EXPECT_EQ(PageValueY(235, 500, -500), 190);
    EXPECT_EQ(PageValueY(335, 0, 0), 335);
}

TEST(PageMapping, FarValuesAreHeldAtTheEndsOfThePixelRange)
{
    constexpr long double kHuge = std::numeric_limits<long double>::max();
    EXPECT_EQ(PagePosX(1e30L, 100), 32767);
    EXPECT_EQ(PagePosX(kHuge, 100), 32767);
    EXPECT_EQ(PagePosX(-kHuge, 100), -32768);
    EXPECT_EQ(PagePosX(9.2233720368547758e18L, 500), 32767); // where a sum after rounding overflowed
    EXPECT_EQ(PageValueY(335, 1e-4000L, kHuge), 32767);
    EXPECT_EQ(PageValueY(235, 1, -kHuge), -32768);
    EXPECT_THROW(PagePosX(10, 0), KorvelError);
    EXPECT_THROW(PagePosX(NAN, 100), KorvelError);
}
