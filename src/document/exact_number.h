// Number texts of the design file: the shortest decimal text that reads back to the very same
// extended value, independent of the decimal separator the program shows.
#pragma once

#include <QString>
#include <optional>

// "0.1", "-0", "4e-4951", "1.189731495357231765e+4932"; infinities and NaN as "inf" and "nan".
QString ExactNumberText(long double value);

// A finite decimal number in the form the file writes (optional minus, digits, optional
// fraction and exponent, "." as separator); nothing else, and no value beyond the extended range.
std::optional<long double> ReadExactNumber(const QString& text);
