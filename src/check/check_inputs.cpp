#include "check/check_inputs.h"

#include "common/number_text.h"

#include <cmath>
#include <map>

namespace {

constexpr long double kSafetyLowest = 1, kSafetyHighest = 10;

// The limits of the twist and of the strengths are ours: no stiffness limit allows a shaft a
// tenth of a turn per metre, and no metal a shaft is made of is weaker than 10 MPa or stronger
// than 5000 MPa.
// A bearing's radial stiffness: rolling bearings run from about 1E4 N/mm (a small deep-groove ball
// bearing) to a few 1E6 N/mm (a large preloaded roller bearing); 1 N/mm is softer than any rubber
// mount, and 1E9 N/mm is stiffer than any shaft of the drawing (a rigid bearing in all but name).
// Inside that range the critical speed's stiffness matrix stays well conditioned in double.
// The equivalent-load factors of the makers' tables stay below 1 for X and about 2.5 for Y and e
// on radial bearings; thrust bearings reach a little above; our limits leave room for both.
const std::map<TCheckInput, TInputRange>& RangeTable()
{
    using enum TCheckInput;
    static const std::map<TCheckInput, TInputRange> table{
        {Modulus, {"E", "MPa", 1000, 1000000}},
        {ShearModulus, {"G", "MPa", 1000, 500000}},
        {Density, {"the density", "kg/m^3", 100, 50000}},
        {Mass, {"a mass", "kg", 0, 1000000}},
        {Speed, {"the operating speed", "rpm", 0, 1000000}},
        {SlopeLimit, {"the slope limit", "rad", 0, 0.1L, false}},
        {DeflectionRatio, {"the deflection limit per bearing span", "", 0, 0.1L, false}},
        {Rating, {"a bearing's rating C", "kN", 0, 100000, false, true}},
        {Stiffness, {"a bearing's radial stiffness", "N/mm", 1, 1e9L, true, true, "rigid"}},
        {RequiredLife, {"the required life L10h", "h", 1, 10000000}},
        {FatigueSafety, {"the required n_f", "", kSafetyLowest, kSafetyHighest}},
        {YieldSafety, {"the required n_y", "", kSafetyLowest, kSafetyHighest}},
        {TwistLimit, {"the twist limit", "deg/m", 0, 36, false}},
        {UltimateStrength, {"Sut", "MPa", 10, 5000}},
        {YieldStrength, {"Sy", "MPa", 10, 5000}},
        {RulingDiameter, {"the ruling diameter", "mm", 0.01L, 10000}},
        {RadialFactor, {"a bearing's factor X", "", 0, 5}},
        {AxialFactor, {"a bearing's factor Y", "", 0, 10}},
        {AxialRatioLimit, {"a bearing's limit e", "", 0, 10}},
    };
    return table;
}

QString WithUnit(const QString& text, const QString& unit) { return unit.isEmpty() ? text : text + " " + unit; }

QString Capitalised(QString text)
{
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

struct TNamedValue {
    TCheckInput Input;
    long double Value;
    QString Subject; // empty: the range's own name
};

std::vector<TNamedValue> NamedValues(const TCheckInputs& inputs)
{
    using enum TCheckInput;
    const TFatigueInputs& fatigue = inputs.Fatigue;
    std::vector<TNamedValue> values{{Modulus, inputs.Modulus, {}}, {SlopeLimit, inputs.SlopeLimit, {}},
                                    {DeflectionRatio, inputs.DeflectionRatio, {}}, {Density, inputs.Density, {}},
                                    {Speed, inputs.Speed, {}}};
    for (const TMountedMass& mass : inputs.Masses)
        values.push_back({Mass, mass.Mass, "the mass at x = " + FloatToStr(mass.Position) + " mm"});
    if (fatigue.UltimateStrength) values.push_back({UltimateStrength, *fatigue.UltimateStrength, {}});
    if (fatigue.YieldStrength) values.push_back({YieldStrength, *fatigue.YieldStrength, {}});
    values.insert(values.end(), {{FatigueSafety, fatigue.FatigueSafety, {}}, {YieldSafety, fatigue.YieldSafety, {}},
                                 {ShearModulus, fatigue.ShearModulus, {}}, {TwistLimit, fatigue.TwistLimit, {}},
                                 {RequiredLife, fatigue.RequiredLife, {}}});
    for (size_t i = 0; i < fatigue.Bearings.size(); ++i) {
        const QString bearing = QString("bearing ") + QChar('A' + int(i));
        values.push_back({Rating, fatigue.Bearings[i].Rating, bearing + "'s rating C"});
        values.push_back({Stiffness, fatigue.Bearings[i].Stiffness, bearing + "'s radial stiffness"});
        const TBearingInputs& factors = fatigue.Bearings[i];
        values.insert(values.end(), {{RadialFactor, factors.XUpToE, bearing + "'s X for Fa/Fr <= e"},
                                     {AxialFactor, factors.YUpToE, bearing + "'s Y for Fa/Fr <= e"},
                                     {RadialFactor, factors.XBeyondE, bearing + "'s X for Fa/Fr > e"},
                                     {AxialFactor, factors.YBeyondE, bearing + "'s Y for Fa/Fr > e"},
                                     {AxialRatioLimit, factors.E, bearing + "'s e"}});
    }
    return values;
}

} // namespace

const TInputRange& RangeOf(TCheckInput input) { return RangeTable().at(input); }

bool InRange(long double value, const TInputRange& range)
{
    if (range.ZeroMeansNone && value == 0) return true;
    const bool aboveLowest = range.LowestIncluded ? value >= range.Lowest : value > range.Lowest;
    return std::isfinite(value) && aboveLowest && value <= range.Highest;
}

QString RangeText(const TInputRange& range)
{
    const QString highest = WithUnit(FloatToStr(range.Highest), range.Unit);
    const QString text = range.LowestIncluded ? "from " + FloatToStr(range.Lowest) + " to " + highest
                                              : "above " + FloatToStr(range.Lowest) + ", up to " + highest;
    return range.ZeroMeansNone ? "0 (" + range.ZeroMeaning + ") or " + text : text;
}

QString OutOfRangeText(const TInputRange& range, long double value, const QString& subject)
{
    const QString given = std::isfinite(value) ? FloatToStr(value) : QString("a finite number");
    return Capitalised(subject.isEmpty() ? range.Name : subject) + " must be " + RangeText(range) + ", not " + given;
}

QString CheckInputsProblem(const TCheckInputs& inputs)
{
    for (const TNamedValue& named : NamedValues(inputs))
        if (!InRange(named.Value, RangeOf(named.Input)))
            return OutOfRangeText(RangeOf(named.Input), named.Value, named.Subject);
    return QString();
}

TCheckInputs WithElementMasses(TCheckInputs inputs, const std::vector<TMachineElement>& elements)
{
    for (const TMachineElement& element : elements)
        if (element.Mass > 0) inputs.Masses.push_back({element.Position, element.Mass});
    return inputs;
}
