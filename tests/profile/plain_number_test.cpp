#include "profile/plain_number.h"

#include "common/number_text.h"
#include "profile_test_support.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

QString RandomDigits(std::mt19937& random, int count)
{
    QString digits;
    for (int k = 0; k < count; ++k) digits += QChar('0' + int(random() % 10));
    return digits;
}

// The fast reading must give the very value that StrToFloat gives, rounding included.
TEST(PlainNumber, ReadsExactlyAsStrToFloatUnderEitherSeparator)
{
    std::mt19937 random(91);
    for (const QChar separator : {QChar('.'), QChar(',')}) {
        DecimalSeparatorScope scope(separator);
        for (int n = 0; n < 20000; ++n) {
            QString text = QString(" ").repeated(int(random() % 2)) + (random() % 3 == 0 ? "-" : "");
            text += RandomDigits(random, 1 + int(random() % 24));
            if (random() % 4 != 0) text += separator + RandomDigits(random, 1 + int(random() % 32));
            long double value = 0;
            ASSERT_TRUE(ReadPlainNumber(text, value)) << qPrintable(text);
            const long double expected = StrToFloat(text);
            ASSERT_EQ(value, expected) << qPrintable(text);
            ASSERT_EQ(std::signbit(value), std::signbit(expected)) << qPrintable(text);
        }
    }
}

TEST(PlainNumber, LeavesOtherFormsToStrToFloat)
{
    long double value = 0;
    for (const char* other : {"", " ", "-", "1e3", "5.", ".5", "1,5", "1.2.3", "1 2", "\t1", "٣"})
        EXPECT_FALSE(ReadPlainNumber(QString::fromUtf8(other), value)) << other;
    EXPECT_TRUE(ReadPlainNumber(u" +12.5 ", value));
    EXPECT_EQ(value, 12.5L);
    EXPECT_FALSE(ReadPlainNumber(QString("9").repeated(5000), value)); // too long to copy: left to StrToFloat
}

} // namespace
