#include "dimensioning/twist_span_fields.h"

#include "common/errors.h"
#include "common/number_text.h"

namespace {

std::optional<long double> ReadEnd(const QString& text)
{
    if (text.trimmed().isEmpty()) return std::nullopt;
    return StrToFloat(text);
}

} // namespace

TTwistSpan ReadTwistSpan(const QString& fromText, const QString& toText)
{
    const TTwistSpan span{ReadEnd(fromText), ReadEnd(toText)};
    if (span.From && span.To && *span.To < *span.From)
        RaiseError("Mt must act from a position to one further right: " + fromText.trimmed() + " is past " + toText.trimmed());
    return span;
}
