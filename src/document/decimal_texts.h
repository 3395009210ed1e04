// The decimal separator of the texts a design holds: the file writes every number with ".", the
// windows show the machine's separator. The two forms map one to one, so that any text, a
// number or a slip, comes back as it was typed.
#pragma once

#include "document/design.h"

// "0,308" as the design holds it ("0.308") under a "," separator; unchanged under ".".
QString StoredDecimals(const QString& shown);
// The way back, for the windows.
QString ShownDecimals(const QString& stored);

// The texts of a design that hold numbers (the dimensioning fields and the DHL lines) in the
// other form; the names of the material and the cycle are left as they are.
TDesign StoredDecimals(TDesign design);
TDesign ShownDecimals(TDesign design);

// A design of the first file version holds its numbers with the separator of the machine that
// wrote it, "." or ","; both read as ".".
TDesign DecimalsOfFirstVersion(TDesign design);
