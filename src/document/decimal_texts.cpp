#include "document/decimal_texts.h"

#include "common/number_text.h"

#include <functional>

namespace {

const QChar kStoredSeparator('.');

// Swaps the two separators, so that every text has exactly one counterpart.
QString SwapSeparators(const QString& text)
{
    const QChar shown = DecimalSeparator();
    if (shown == kStoredSeparator) return text;
    QString swapped = text;
    for (QChar& c : swapped) {
        if (c == shown) c = kStoredSeparator;
        else if (c == kStoredSeparator) c = shown;
    }
    return swapped;
}

TDesign WithNumberTexts(TDesign design, const std::function<QString(const QString&)>& change)
{
    TDimensioningInputs& inputs = design.Dimensioning;
    for (QString* text : {&inputs.TwistingMoment, &inputs.AllowTwistStress, &inputs.StaticStress,
                          &inputs.PulsatoryStress, &inputs.AlternatingStress, &inputs.TorsionCoeff, &inputs.TwistFrom,
                          &inputs.TwistTo})
        *text = change(*text);
    for (QString& line : design.Profile) line = change(line);
    return design;
}

} // namespace

QString StoredDecimals(const QString& shown) { return SwapSeparators(shown); }

QString ShownDecimals(const QString& stored) { return SwapSeparators(stored); }

TDesign StoredDecimals(TDesign design)
{
    return WithNumberTexts(std::move(design), [](const QString& text) { return StoredDecimals(text); });
}

TDesign ShownDecimals(TDesign design)
{
    return WithNumberTexts(std::move(design), [](const QString& text) { return ShownDecimals(text); });
}

TDesign DecimalsOfFirstVersion(TDesign design)
{
    return WithNumberTexts(std::move(design), [](QString text) { return text.replace(',', kStoredSeparator); });
}
