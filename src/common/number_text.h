// Number texts: the general format, the fixed formats "0.00" / "0.000", parsing of extended
// values, and rounding with halves to even. All use the program's decimal separator.
#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

// The decimal separator of every number text; taken from the system locale at start.
QChar DecimalSeparator();
void SetDecimalSeparator(QChar separator);

// Shortest text with up to 15 significant digits; "E" exponent form only when the value is below
// 0.00001 or has more than 15 integer digits (1E-6, 1.5E20).
QString FloatToStr(long double value);

// A format such as "0", "0.00" or "0.000": that many decimals, halves away from zero on the
// decimal value, no thousands separator.
QString FormatFloat(const QString& format, long double value);

// Optional sign and blanks around the number; anything else fails with
// "'<text>' is not a valid floating point value".
long double StrToFloat(const QString& text);

QString IntToStr(long long value);

// To the nearest integer, halves to the even neighbour (12.5 -> 12, 13.5 -> 14); NaN, infinity
// and values beyond the 64-bit range fail with "Invalid floating point operation".
long long Round(long double value);
