#include "profile/plain_number.h"

#include "common/number_text.h"

#include <array>
#include <charconv>
#include <iterator>
#include <cmath>
#include <cstdint>

namespace {

constexpr qsizetype kMaxDigits = 60;
constexpr int kExactDigits = 19; // every integer of 19 digits is exact in 64 bits
constexpr int kExactPowers = 27; // 10^27 = 5^27 * 2^27, and 5^27 fits in 64 bits

constexpr std::array<long double, kExactPowers + 1> PowersOfTen()
{
    std::array<long double, kExactPowers + 1> powers{};
    long double power = 1;
    for (long double& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}

constexpr auto kPowersOfTen = PowersOfTen();

struct TDigits {
    bool negative = false;
    char text[kMaxDigits * 2 + 8]; // the digits and room for an exponent
    int count = 0;
    int decimals = 0;
};

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool CopyDigits(QStringView text, qsizetype& i, TDigits& digits)
{
    const qsizetype first = i;
    for (; i < text.size() && IsDigit(text[i]) && i - first < kMaxDigits; ++i)
        digits.text[digits.count++] = char(text[i].unicode());
    return i > first;
}

bool SplitPlainNumber(QStringView text, TDigits& digits)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) digits.negative = text[i++] == u'-';
    if (!CopyDigits(text, i, digits)) return false;
    if (i < text.size() && text[i] == DecimalSeparator()) {
        const int integerDigits = digits.count;
        if (!CopyDigits(text, ++i, digits)) return false;
        digits.decimals = digits.count - integerDigits;
    }
    while (i < text.size() && text[i] == u' ') ++i;
    return i == text.size();
}

// Exact integer over exact power of ten: one correctly rounded division, as the library's
// conversion rounds. Longer texts go to the library.
bool DigitsValue(TDigits& digits, long double& magnitude)
{
    if (digits.count <= kExactDigits && digits.decimals <= kExactPowers) {
        uint64_t mantissa = 0;
        for (int k = 0; k < digits.count; ++k) mantissa = mantissa * 10 + uint64_t(digits.text[k] - '0');
        magnitude = static_cast<long double>(mantissa) / kPowersOfTen[digits.decimals];
        return true;
    }
    char* end = digits.text + digits.count;
    *end++ = 'e';
    *end++ = '-';
    end = std::to_chars(end, std::end(digits.text), digits.decimals).ptr;
    const auto result = std::from_chars(digits.text, end, magnitude, std::chars_format::scientific);
    return result.ec == std::errc() && result.ptr == end;
}

} // namespace

bool ReadPlainNumber(QStringView text, long double& value)
{
    TDigits digits;
    long double magnitude = 0;
    if (!SplitPlainNumber(text, digits) || !DigitsValue(digits, magnitude)) return false;
    value = digits.negative ? -magnitude : magnitude;
    return std::isfinite(value);
}
