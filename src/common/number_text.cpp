#include "common/number_text.h"

#include "common/errors.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <optional>
#include <string>

namespace {

constexpr int kGeneralDigits = 15;
constexpr int kExactDigits = 18; // enough to tell every extended value apart

QChar& Separator()
{
    static QChar separator = QLocale::system().decimalPoint().isEmpty()
                                 ? QChar('.')
                                 : QLocale::system().decimalPoint().at(0);
    return separator;
}

// The decimal digits of |value| rounded to `digits` significant digits, and the power of ten
// of the first digit.
struct TDecimalDigits {
    QString digits;
    int exponent = 0;
};

// The binary point of a value that the digits below are worked out for lies at most this many
// places below the last bit of its 64-bit mantissa (from about 1E-18), so that the fraction and
// ten times it fit in 128 bits; and not above it (values below 2^64).
constexpr int kDeepestBinaryPoint = 124;

// Rounds a digit string to its first `kept` digits, halves to even as the C library does, given
// whether anything other than zeros follows it; a carry out of the first digit raises `exponent`.
void RoundToEven(std::string& digits, size_t kept, bool moreFollows, int& exponent)
{
    const int next = digits[kept] - '0';
    const bool beyond = moreFollows || std::any_of(digits.begin() + qsizetype(kept) + 1, digits.end(),
                                                   [](char c) { return c != '0'; });
    digits.resize(kept);
    if (next < 5 || (next == 5 && !beyond && (digits.back() - '0') % 2 == 0)) return;
    size_t i = kept;
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i > 0) {
        ++digits[i - 1];
        return;
    }
    digits.insert(digits.begin(), '1');
    digits.pop_back();
    ++exponent;
}

// The decimal digits of a positive value read off its exact binary fraction with integer
// arithmetic: the C library's conversion of an extended value goes through multiple precision
// and costs tens of times more. Nothing for a value out of that range.
std::optional<TDecimalDigits> DigitsFromBinary(long double value, int digits)
{
    int binaryExponent = 0;
    const long double fraction = std::frexp(value, &binaryExponent);
    const int shift = 64 - binaryExponent; // value = mantissa / 2^shift
    if (!(value > 0) || shift < 0 || shift > kDeepestBinaryPoint) return std::nullopt;
    using TWide = unsigned __int128;
    const TWide mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
    const TWide unit = TWide(1) << shift;
    const auto whole = static_cast<uint64_t>(mantissa >> shift);
    TWide rest = mantissa & (unit - 1);
    std::string text;
    int exponent = -1;
    if (whole != 0) {
        char buffer[24];
        text.assign(buffer, std::to_chars(buffer, buffer + sizeof buffer, whole).ptr);
        exponent = int(text.size()) - 1;
    }
    while (text.size() < size_t(digits) + 1) {
        rest *= 10;
        const char digit = char('0' + int(rest >> shift));
        rest &= unit - 1;
        if (text.empty() && digit == '0') --exponent;
        else text += digit;
    }
    RoundToEven(text, size_t(digits), rest != 0, exponent);
    return TDecimalDigits{QString::fromLatin1(text.data(), qsizetype(text.size())), exponent};
}

TDecimalDigits SignificantDigits(long double value, int digits)
{
    if (std::optional<TDecimalDigits> exact = DigitsFromBinary(std::fabs(value), digits)) return *exact;
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, digits - 1);
    const char* e = std::find(buffer, written.ptr, 'e');
    TDecimalDigits result;
    result.digits.reserve(digits);
    for (const char* c = buffer; c != e; ++c)
        if (*c != '.') result.digits += QLatin1Char(*c);
    std::from_chars(e + (e[1] == '+' ? 2 : 1), written.ptr, result.exponent);
    return result;
}

QString StripTrailingZeros(QString digits)
{
    while (digits.size() > 1 && digits.endsWith('0')) digits.chop(1);
    return digits;
}

QString FixedLayout(const QString& digits, int exponent)
{
    if (exponent < 0) return "0" + QString(Separator()) + QString(-exponent - 1, '0') + digits;
    const QString padded = digits.leftJustified(exponent + 1, '0');
    const QString integer = padded.left(exponent + 1);
    const QString fraction = padded.mid(exponent + 1);
    return fraction.isEmpty() ? integer : integer + Separator() + fraction;
}

QString ScientificLayout(const QString& digits, int exponent)
{
    QString mantissa = digits.left(1);
    if (digits.size() > 1) mantissa += Separator() + digits.mid(1);
    return mantissa + "E" + QString::number(exponent);
}

// Adds one unit at the last place of a digit string (99 -> 100).
void IncrementDigits(QString& digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return;
        }
        digits[i] = '0';
    }
    digits.prepend('1');
}

// N with `decimals` digits after the separator; N has no trailing zero when decimals > 0. Written
// straight into one string: most values a plane lists take this way.
QString ScaledIntegerText(long long scaled, int decimals)
{
    char digits[24];
    const qsizetype count = std::to_chars(digits, digits + sizeof digits, std::llabs(scaled)).ptr - digits;
    const qsizetype leadingZeros = std::max<qsizetype>(0, decimals + 1 - count);
    QString text;
    text.reserve(count + leadingZeros + 2);
    if (scaled < 0) text += QLatin1Char('-');
    for (qsizetype i = 0; i < leadingZeros; ++i) text += QLatin1Char('0');
    text.append(QLatin1String(digits, count));
    if (decimals > 0) text.insert(text.size() - decimals, Separator());
    return text;
}

// Most entered values have a few decimals. When value * 10^k lands exactly on an integer N below
// 10^15, the value lies within a few units of 10^-19 (relative) of N / 10^k, far inside the half
// unit of the 15th digit, so N / 10^k is its 15-digit text: no digit search needed.
std::optional<QString> ShortDecimalText(long double value)
{
    if (value != 0 && std::fabs(value) < 1e-5L) return std::nullopt; // written with an exponent
    long double scaled = value;
    for (int decimals = 0; decimals <= kGeneralDigits && std::fabs(scaled) < 1e15L; ++decimals) {
        if (scaled == std::truncl(scaled)) return ScaledIntegerText(static_cast<long long>(scaled), decimals);
        scaled *= 10;
    }
    return std::nullopt;
}

// from_chars refuses a result below the normal range, yet FloatToStr writes such values, and
// what the program writes must read back. The C locale reads the decimal point.
std::optional<long double> ReadSubnormal(const QByteArray& latin)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    char* end = nullptr;
    const long double value = strtold_l(latin.constData(), &end, cLocale);
    if (end != latin.constData() + latin.size() || std::fpclassify(value) != FP_SUBNORMAL) return std::nullopt;
    return value;
}

int DecimalsOf(const QString& format)
{
    const qsizetype point = format.indexOf('.');
    return point < 0 ? 0 : int(format.size() - point - 1);
}

} // namespace

QChar DecimalSeparator() { return Separator(); }

void SetDecimalSeparator(QChar separator) { Separator() = separator; }

QString FloatToStr(long double value)
{
    CheckedValue(value);
    if (const std::optional<QString> text = ShortDecimalText(value)) return *text;
    const TDecimalDigits decimal = SignificantDigits(value, kGeneralDigits);
    const QString digits = StripTrailingZeros(decimal.digits);
    const bool scientific = decimal.exponent < -5 || decimal.exponent >= kGeneralDigits;
    const QString text = scientific ? ScientificLayout(digits, decimal.exponent)
                                    : FixedLayout(digits, decimal.exponent);
    return value < 0 ? "-" + text : text;
}

QString FormatFloat(const QString& format, long double value)
{
    CheckedValue(value);
    const int decimals = DecimalsOf(format);
    const TDecimalDigits decimal = SignificantDigits(value, kExactDigits);
    // The value times 10^decimals as an integer digit string, rounded half away from zero.
    const int kept = decimal.exponent + 1 + decimals;
    QString scaled;
    if (kept >= 0) {
        scaled = decimal.digits.left(kept).leftJustified(kept, '0');
        if (kept < decimal.digits.size() && decimal.digits[kept] >= '5') IncrementDigits(scaled);
    }
    const bool isZero = std::all_of(scaled.begin(), scaled.end(), [](QChar c) { return c == '0'; });
    scaled = scaled.rightJustified(decimals + 1, '0');
    const QString integer = scaled.left(scaled.size() - decimals);
    const QString sign = value < 0 && !isZero ? "-" : "";
    return sign + integer + (decimals > 0 ? Separator() + scaled.right(decimals) : QString());
}

long double StrToFloat(const QString& text)
{
    const QString separator = QRegularExpression::escape(QString(Separator()));
    static QString lastSeparator;
    static QRegularExpression pattern;
    if (lastSeparator != separator) {
        lastSeparator = separator;
        pattern = QRegularExpression("^ *[+-]?(\\d+(" + separator + "\\d*)?|" + separator +
                                     "\\d+)([eE][+-]?\\d+)? *$");
    }
    const auto fail = [&] { RaiseError(QString("'%1' is not a valid floating point value").arg(text)); };
    if (!pattern.match(text).hasMatch()) fail();
    QString plain = text.trimmed();
    plain.replace(Separator(), '.');
    const bool negative = plain.startsWith('-');
    if (negative || plain.startsWith('+')) plain.remove(0, 1);
    // from_chars reads with the decimal point whatever the process locale says.
    const QByteArray latin = plain.toLatin1();
    long double value = 0;
    const auto result = std::from_chars(latin.constData(), latin.constData() + latin.size(), value);
    if (result.ec == std::errc::result_out_of_range) value = ReadSubnormal(latin).value_or(NAN);
    else if (result.ec != std::errc()) fail();
    if (!std::isfinite(value)) fail();
    return negative ? -value : value;
}

QString IntToStr(long long value) { return QString::number(value); }

long long Round(long double value)
{
    // 2^63 bounds the integers a long long holds; converting a value beyond them is undefined.
    constexpr long double kLimit = 9223372036854775808.0L;
    const long double nearest = std::nearbyintl(value);
    if (!(nearest >= -kLimit && nearest < kLimit)) RaiseError(kInvalidOperation);
    return static_cast<long long>(nearest);
}
