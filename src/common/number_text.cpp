#include "common/number_text.h"

#include "common/errors.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <optional>

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

TDecimalDigits SignificantDigits(long double value, int digits)
{
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

// N with `decimals` digits after the separator; N has no trailing zero when decimals > 0.
QString ScaledIntegerText(long long scaled, int decimals)
{
    const QString digits = QString::number(std::llabs(scaled)).rightJustified(decimals + 1, '0');
    const QString sign = scaled < 0 ? "-" : "";
    if (decimals == 0) return sign + digits;
    return sign + digits.left(digits.size() - decimals) + Separator() + digits.right(decimals);
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
