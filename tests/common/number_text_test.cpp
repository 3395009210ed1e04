#include "common/errors.h"
#include "common/number_text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

struct TFormatCase {
    long double value;
    const char* general;
    const char* fixed2;
    const char* fixed3;
};

const TFormatCase kFormatCases[] = {
    {0, "0", "0.00", "0.000"},
    {100, "100", "100.00", "100.000"},
    {37.5L, "37.5", "37.50", "37.500"},
    {-500, "-500", "-500.00", "-500.000"},
    {12345.678L, "12345.678", "12345.68", "12345.678"},
    {0.125L, "0.125", "0.13", "0.125"},
    {-0.125L, "-0.125", "-0.13", "-0.125"},
    {0.1L + 0.2L, "0.3", "0.30", "0.300"},
    {2.0L / 3.0L, "0.666666666666667", "0.67", "0.667"},
    {0.00001L, "0.00001", "0.00", "0.000"},
    {0.000001L, "1E-6", "0.00", "0.000"},
    {1.5e20L, "1.5E20", "150000000000000000000.00", "150000000000000000000.000"},
    {999999999999999.0L, "999999999999999", "999999999999999.00", "999999999999999.000"},
    {9.995L, "9.995", "10.00", "9.995"},
    {-0.001L, "-0.001", "0.00", "-0.001"},
    {60000, "60000", "60000.00", "60000.000"},
    // Exact halves at the fifteenth digit go to the even neighbour, a carry can reach a new digit,
    // and the smallest values still come out right.
    {100000000000000.5L, "100000000000000", "100000000000000.50", "100000000000000.500"},
    {100000000000001.5L, "100000000000002", "100000000000001.50", "100000000000001.500"},
    {999999999999999.5L, "1E15", "999999999999999.50", "999999999999999.500"},
    {1e-20L, "1E-20", "0.00", "0.000"},
};

TEST(NumberText, GeneralAndFixedFormatsUnderBothSeparators)
{
    for (const QChar separator : {QChar('.'), QChar(',')}) {
        DecimalSeparatorScope scope(separator);
        for (const TFormatCase& c : kFormatCases) {
            const auto expect = [&](const char* text) { return QString(text).replace('.', separator); };
            EXPECT_EQ(FloatToStr(c.value), expect(c.general)) << c.general;
            EXPECT_EQ(FormatFloat("0.00", c.value), expect(c.fixed2)) << c.general;
            EXPECT_EQ(FormatFloat("0.000", c.value), expect(c.fixed3)) << c.general;
        }
    }
}

TEST(NumberText, ParsesSignsBlanksAndTheSeparatorOnly)
{
    EXPECT_EQ(StrToFloat("50"), 50);
    EXPECT_EQ(StrToFloat("  -12.5 "), -12.5L);
    EXPECT_EQ(StrToFloat("+.5"), 0.5L);
    EXPECT_EQ(StrToFloat("1E3"), 1000);
    EXPECT_EQ(StrToFloat("0.1"), 0.1L);
    for (const char* bad : {"", " ", "abc", "1,5", "1.2.3", "--1", "1e", "inf", "nan", "1 000", "1e99999"}) {
        try {
            StrToFloat(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const KorvelError& error) {
            EXPECT_EQ(error.Text(), QString("'%1' is not a valid floating point value").arg(bad));
        }
    }
    DecimalSeparatorScope comma(',');
    EXPECT_EQ(StrToFloat("37,5"), 37.5L);
    EXPECT_THROW(StrToFloat("37.5"), KorvelError);
}

// Whatever the program writes into a field or a drawing text must read back, down to the values
// below the normal range (9.99999999996053E-4941) and up to the largest.
TEST(NumberText, EveryWrittenNumberReadsBack)
{
    const long double extremes[] = {std::numeric_limits<long double>::denorm_min(), 1e-4940L, -3.3e-4935L,
                                    std::numeric_limits<long double>::min(), 1e-4000L,
                                    std::numeric_limits<long double>::max(), -1.5e300L, 2.0L / 3.0L};
    for (const QChar separator : {QChar('.'), QChar(',')}) {
        DecimalSeparatorScope scope(separator);
        for (const long double value : extremes) {
            const QString text = FloatToStr(value);
            const long double back = StrToFloat(text);
            EXPECT_NEAR(double(back / value), 1.0, 1e-14) << text.toStdString();
        }
    }
    EXPECT_THROW(StrToFloat("1E-5000"), KorvelError); // nothing the program writes underflows to 0
}

TEST(NumberText, RoundsHalvesToEven)
{
    EXPECT_EQ(Round(12.5L), 12);
    EXPECT_EQ(Round(13.5L), 14);
    EXPECT_EQ(Round(-12.5L), -12);
    EXPECT_EQ(Round(62.4999L), 62);
    EXPECT_EQ(Round(0.5L), 0);
    EXPECT_THROW(Round(NAN), KorvelError);
    // Beyond the integer range there is no nearest integer to give.
    EXPECT_EQ(Round(-9.2e18L), -9200000000000000000LL);
    for (const long double huge : {1e19L, -1e30L, 9.3e18L}) {
        try {
            Round(huge);
            ADD_FAILURE() << "rounded " << double(huge);
        } catch (const KorvelError& error) {
            EXPECT_EQ(error.Text(), kInvalidOperation);
        }
    }
}

TEST(NumberText, ArithmeticFaultsBecomeMessages)
{
    EXPECT_EQ(CheckedDivide(1, 4), 0.25L);
    try {
        CheckedDivide(1, 0);
        ADD_FAILURE();
    } catch (const KorvelError& error) {
        EXPECT_EQ(error.Text(), "Floating point division by zero");
    }
    try {
        CheckedDivide(0, 0);
        ADD_FAILURE();
    } catch (const KorvelError& error) {
        EXPECT_EQ(error.Text(), "Invalid floating point operation");
    }
    MessageRecorder recorder;
    bool after = false;
    RunGuarded([&] {
        StrToFloat("x");
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_EQ(recorder.texts, QStringList{"'x' is not a valid floating point value"});
}

} // namespace

namespace {

// Values with a few decimals take a short way to their text; every other value goes through the
// digit search. Entered decimals must come back as typed, and products as the nearest 15 digits.
QString ShortDecimal(long long mantissa, int decimals)
{
    QString text = QString::number(std::llabs(mantissa)).rightJustified(decimals + 1, '0');
    if (decimals > 0) {
        text.insert(text.size() - decimals, '.');
        while (text.endsWith('0')) text.chop(1);
        if (text.endsWith('.')) text.chop(1);
    }
    return mantissa < 0 && text != "0" ? "-" + text : text;
}

TEST(NumberText, ShortDecimalsComeBackAsTypedAndProductsToFifteenDigits)
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<long long> mantissas(-999999, 999999);
    std::uniform_int_distribution<int> decimals(0, 4);
    for (int i = 0; i < 20000; ++i) {
        const QString typed = ShortDecimal(mantissas(random), decimals(random));
        const long double value = StrToFloat(typed);
        ASSERT_EQ(FloatToStr(value), typed);

        const long double product = value * (1 + i % 97) / 7.0L;
        const long double back = StrToFloat(FloatToStr(product));
        ASSERT_LE(std::fabs(back - product), std::fabs(product) * 5e-15L) << qPrintable(FloatToStr(product));
    }
}

} // namespace
