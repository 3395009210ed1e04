#include "analysis/load_conversion.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <utility>
#include <vector>

namespace {

// The window reports any unreadable field with its own message, not the parser's.
long double ReadField(const QString& text)
{
    try {
        return StrToFloat(text);
    } catch (const KorvelError&) {
        RaiseError(kWrongData);
    }
}

} // namespace

void CheckDistributedLoadComplete(TLoadCase loadCase, const TDistributedLoadTexts& texts)
{
    if (texts.X.isEmpty() || texts.F.isEmpty() || texts.L.isEmpty()) RaiseError(kMissingData);
    if (loadCase == TLoadCase::Trapezoid && texts.L2.isEmpty()) RaiseError(kMissingData);
}

QString ResultantPositionText(TLoadCase loadCase, const TDistributedLoadTexts& texts)
{
    const long double x = ReadField(texts.X);
    const long double l = ReadField(texts.L);
    switch (loadCase) {
    case TLoadCase::Uniform: return FloatToStr(CheckedValue(x + l / 2));
    case TLoadCase::Rising: return FloatToStr(CheckedValue(x + l * 2 / 3));
    case TLoadCase::Falling: return FloatToStr(CheckedValue(x + l * 1 / 3));
    case TLoadCase::Trapezoid: break;
    }
    // The trapezoid is symmetric: its resultant acts at the middle of the plateau.
    return FloatToStr(CheckedValue((x + l) + ReadField(texts.L2) / 2));
}

QString ResultantValueText(TLoadCase loadCase, const TDistributedLoadTexts& texts)
{
    const long double f = ReadField(texts.F);
    const long double l = ReadField(texts.L);
    switch (loadCase) {
    case TLoadCase::Uniform: return FloatToStr(CheckedValue(f * l));
    case TLoadCase::Rising:
    case TLoadCase::Falling: return FloatToStr(CheckedValue(f * l / 2));
    case TLoadCase::Trapezoid: break;
    }
    return FloatToStr(CheckedValue(f * l + f * ReadField(texts.L2)));
}

QString EccentricMomentText(const QString& forceText, const QString& leverText)
{
    const long double force = StrToFloat(forceText);
    const long double lever = StrToFloat(leverText);
    return FormatFloat("0.000", CheckedValue(lever * force));
}

int FirstUnreadable(const QStringList& texts)
{
    for (int i = 0; i < texts.size(); ++i) {
        try {
            StrToFloat(texts[i]);
        } catch (const KorvelError&) {
            return i;
        }
    }
    return -1;
}

TDistributedField FaultyDistributedField(TLoadCase loadCase, const TDistributedLoadTexts& texts)
{
    using TField = std::pair<TDistributedField, QString>;
    const TField x{TDistributedField::X, texts.X}, f{TDistributedField::F, texts.F};
    const TField l{TDistributedField::L, texts.L}, l2{TDistributedField::L2, texts.L2};
    std::vector<TField> typed{x, f, l};
    std::vector<TField> readOrder{x, l}; // the position is worked out before the value
    if (loadCase == TLoadCase::Trapezoid) {
        typed.push_back(l2);
        readOrder.push_back(l2);
    }
    readOrder.push_back(f);
    for (const auto& [field, text] : typed)
        if (text.isEmpty()) return field;
    for (const auto& [field, text] : readOrder)
        if (FirstUnreadable({text}) == 0) return field;
    return TDistributedField::None;
}
