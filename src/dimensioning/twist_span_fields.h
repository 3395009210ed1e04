// The span of the twisting moment as the dimensioning window's two fields give it: an empty
// field leaves that end at the shaft's end.
#pragma once

#include "analysis/twist_span.h"

#include <QString>

// Fails with the conversion message for a text that is no number, and with its own message
// when the span ends before it starts.
TTwistSpan ReadTwistSpan(const QString& fromText, const QString& toText);
