// The number reader on any text, with either decimal separator: a text reads or fails with the
// message, and every number read is written so that it reads back (general form to 15 digits,
// the fixed formats to their last decimal). The drawing text's fast reader agrees with it.
// Input: the first byte picks the separator (odd: comma), the rest is the text.
#include "fuzz_support.h"

#include "common/number_text.h"
#include "profile/plain_number.h"

#include <cmath>
#include <cstdio>

namespace {

QString Show(long double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", value);
    return text;
}

void ExpectReadsBack(const QString& written, long double value, long double tolerance)
{
    long double back = 0;
    Require(Attempt([&] { back = StrToFloat(written); }), "a written number does not read back", written);
    Require(std::fabs(back - value) <= tolerance, "a written number reads back as another", written + " from " + Show(value));
}

void CheckWrittenForms(long double value)
{
    const long double magnitude = std::fabs(value);
    ExpectReadsBack(FloatToStr(value), value, magnitude * 1e-14L);
    // The fixed formats round the value's 18-digit decimal form, so they may be off by a half
    // unit of their last decimal and a unit of that form's last digit.
    const long double lastDigit = magnitude * 1e-17L;
    ExpectReadsBack(FormatFloat("0.00", value), value, (0.005L + lastDigit) * 1.0001L);
    ExpectReadsBack(FormatFloat("0.000", value), value, (0.0005L + lastDigit) * 1.0001L);
    long long rounded = 0;
    if (Attempt([&] { rounded = Round(value); }))
        Require(std::fabs(static_cast<long double>(rounded) - value) <= 0.5L, "Round moves by more than a half", Show(value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    SetDecimalSeparator(data[0] % 2 ? ',' : '.');
    const QString text = InputText(data + 1, size - 1);
    long double value = 0;
    const bool read = Attempt([&] { value = StrToFloat(text); });
    if (read) {
        Require(std::isfinite(value), "an infinite number read", text);
        CheckWrittenForms(value);
    }
    long double plain = 0;
    if (ReadPlainNumber(text, plain))
        Require(read && plain == value, "the fast reader disagrees with StrToFloat", text);
    SetDecimalSeparator('.');
    return 0;
}
