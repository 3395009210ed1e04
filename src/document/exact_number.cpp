#include "document/exact_number.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

// The program may run under a locale whose decimal separator is a comma.
locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

// A number as JSON writes one: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsDecimalNumber(const QString& text)
{
    const QChar* c = text.cbegin();
    const QChar* const end = text.cend();
    const auto digits = [&] {
        const QChar* first = c;
        while (c != end && c->isDigit() && c->unicode() < 128) ++c;
        return c - first;
    };
    if (c != end && *c == '-') ++c;
    if (c != end && *c == '0') ++c;
    else if (digits() == 0) return false;
    if (c != end && *c == '.') {
        ++c;
        if (digits() == 0) return false;
    }
    if (c != end && (*c == 'e' || *c == 'E')) {
        ++c;
        if (c != end && (*c == '+' || *c == '-')) ++c;
        if (digits() == 0) return false;
    }
    return c == end;
}

bool IsZeroText(const QString& text)
{
    for (QChar c : text) {
        if (c == 'e' || c == 'E') return true;
        if (c >= '1' && c <= '9') return false;
    }
    return true;
}

} // namespace

QString ExactNumberText(long double value)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, written.ptr - buffer);
}

std::optional<long double> ReadExactNumber(const QString& text)
{
    if (!IsDecimalNumber(text)) return std::nullopt;
    const QByteArray latin = text.toLatin1();
    errno = 0;
    const long double value = strtold_l(latin.constData(), nullptr, CLocale());
    // Subnormal values report a range error too, but come back exact; only overflow to
    // infinity and underflow to zero are losses.
    if (!std::isfinite(value)) return std::nullopt;
    if (errno == ERANGE && value == 0 && !IsZeroText(text)) return std::nullopt;
    return value;
}
