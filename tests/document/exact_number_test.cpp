#include "document/exact_number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool SameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0; // the 80 bits that hold the value
}

} // namespace

TEST(ExactNumber, HardValuesReadBackBitForBit)
{
    using limits = std::numeric_limits<long double>;
    const long double values[] = {0.1L,         1.0L / 3,   -2.0L / 3,  0.0L,     -0.0L,        1e-300L,
                                  limits::denorm_min(), LDBL_MIN / 3, LDBL_MIN, LDBL_MAX, -LDBL_MAX,
                                  12345678901234567890.0L, 0.30000000000000000001L};
    for (long double value : values) {
        const QString text = ExactNumberText(value);
        const auto back = ReadExactNumber(text);
        ASSERT_TRUE(back.has_value()) << qPrintable(text);
        EXPECT_TRUE(SameBits(value, *back)) << qPrintable(text);
    }
    EXPECT_EQ(ExactNumberText(-0.0L), "-0");
    EXPECT_EQ(ExactNumberText(0.1L), "0.1");
}

// Only the form the file writes is read: no other separator, no blanks, no infinity, and nothing
// that the extended range cannot hold.
TEST(ExactNumber, RefusesWhatDoesNotHoldOneFiniteValue)
{
    for (const char* text : {"", " 1", "1 ", "1,5", "+1", "01", ".5", "1.", "0x1p3", "inf", "nan", "-inf",
                             "1e5000", "-1e5000", "1e-5000", "1e", "--1", "-", "-01", "0.", "1e+", "1.5e", "2E-",
                             "\u0663", "1\u0663"})
        EXPECT_FALSE(ReadExactNumber(text).has_value()) << text;
    EXPECT_EQ(ReadExactNumber("0e-9999"), 0.0L);
    EXPECT_EQ(ReadExactNumber("1.5E2"), 150.0L);
    EXPECT_EQ(ReadExactNumber("-0.25e+1"), -2.5L);
}
