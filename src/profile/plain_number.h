// The numbers of the drawing text in the form the tools write them, read fast: the Generate
// pass reads every field of the text after each edit.
#pragma once

#include <QStringView>

// Blanks, an optional sign, digits and optional decimals after the decimal separator, blanks:
// sets `value` exactly as StrToFloat would and returns true. Returns false for any other text
// (which StrToFloat then reads or rejects) and for a value beyond the extended range.
bool ReadPlainNumber(QStringView text, long double& value);
