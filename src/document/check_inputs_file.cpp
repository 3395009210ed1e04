#include "document/check_inputs_file.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "document/exact_number.h"
#include "document/json_fields.h"

#include <QJsonArray>

namespace {

// More masses than any shaft carries: a longer list is refused before it is read.
constexpr qsizetype kMostMasses = 255;

const QString kCheckKey = QStringLiteral("Check");

QJsonArray MassesArray(const std::vector<TMountedMass>& masses)
{
    QJsonArray array;
    for (const TMountedMass& mass : masses)
        array.append(QJsonObject{{"Position", ExactNumberText(mass.Position)}, {"Mass", ExactNumberText(mass.Mass)}});
    return array;
}

QString OptionalNumberText(const std::optional<long double>& value)
{
    return value ? ExactNumberText(*value) : QString();
}

// A number within its physical range, refused with the field's path and the range.
long double RangedNumber(const TJsonFields& fields, const QString& key, TCheckInput input)
{
    const long double value = fields.Number(key);
    const TInputRange& range = RangeOf(input);
    if (!InRange(value, range))
        RaiseFieldError(fields.PathOf(key), RangeText(range) + " (" + range.Name + "), not " + FloatToStr(value));
    return value;
}

std::optional<long double> ReadOptionalNumber(const TJsonFields& fields, const QString& key, TCheckInput input)
{
    if (fields.Text(key).isEmpty()) return std::nullopt;
    return RangedNumber(fields, key, input);
}

QStringList Names(const auto& names) { return QStringList(names.begin(), names.end()); }

bool DefaultFactors(const TBearingInputs& bearing)
{
    const TBearingInputs plain;
    return bearing.XUpToE == plain.XUpToE && bearing.YUpToE == plain.YUpToE && bearing.XBeyondE == plain.XBeyondE &&
           bearing.YBeyondE == plain.YBeyondE && bearing.E == plain.E;
}

// The equivalent-load factors only where they differ from the radial load alone, so that a design
// without axial loads reads as it did before bearings had them.
QJsonObject BearingObject(const TBearingInputs& bearing)
{
    QJsonObject object{{"Kind", BearingKindNames()[size_t(bearing.Kind)]}, {"Rating", ExactNumberText(bearing.Rating)},
                       {"Stiffness", ExactNumberText(bearing.Stiffness)}};
    if (DefaultFactors(bearing)) return object;
    object.insert("XUpToE", ExactNumberText(bearing.XUpToE));
    object.insert("YUpToE", ExactNumberText(bearing.YUpToE));
    object.insert("XBeyondE", ExactNumberText(bearing.XBeyondE));
    object.insert("YBeyondE", ExactNumberText(bearing.YBeyondE));
    object.insert("E", ExactNumberText(bearing.E));
    return object;
}

void ReadFactors(const TJsonFields& fields, TBearingInputs& bearing)
{
    using enum TCheckInput;
    bearing.XUpToE = RangedNumber(fields, "XUpToE", RadialFactor);
    bearing.YUpToE = RangedNumber(fields, "YUpToE", AxialFactor);
    bearing.XBeyondE = RangedNumber(fields, "XBeyondE", RadialFactor);
    bearing.YBeyondE = RangedNumber(fields, "YBeyondE", AxialFactor);
    bearing.E = RangedNumber(fields, "E", AxialRatioLimit);
}

// Written before bearings could give way: rigid; before they took axial loads: radial load alone.
TBearingInputs ReadBearing(const TJsonFields& fields)
{
    TBearingInputs bearing{TBearingKind(fields.Choice("Kind", Names(BearingKindNames()))),
                           RangedNumber(fields, "Rating", TCheckInput::Rating),
                           fields.Has("Stiffness") ? RangedNumber(fields, "Stiffness", TCheckInput::Stiffness) : 0};
    if (fields.Has("E")) ReadFactors(fields, bearing);
    return bearing;
}

// A and B always; the others up to the last one given anything.
size_t WrittenBearings(const TFatigueInputs& inputs)
{
    size_t count = inputs.Bearings.size();
    while (count > 2 && inputs.Bearings[count - 1] == TBearingInputs{}) --count;
    return count;
}

// The grade and its ruling diameter, written only when a grade gave Sut and Sy.
void WriteGrade(const TFatigueInputs& inputs, QJsonObject& object)
{
    if (inputs.Grade.isEmpty()) return;
    object.insert("Grade", inputs.Grade);
    if (inputs.RulingDiameter) object.insert("RulingDiameter", ExactNumberText(*inputs.RulingDiameter));
}

void ReadGrade(const TJsonFields& fields, TFatigueInputs& inputs)
{
    if (!fields.Has("Grade")) return;
    inputs.Grade = fields.Text("Grade");
    if (fields.Has("RulingDiameter")) inputs.RulingDiameter = RangedNumber(fields, "RulingDiameter", TCheckInput::RulingDiameter);
}

QJsonObject FatigueObject(const TFatigueInputs& inputs)
{
    QJsonArray bearings;
    for (size_t i = 0; i < WrittenBearings(inputs); ++i) bearings.append(BearingObject(inputs.Bearings[i]));
    QJsonObject object{{"UltimateStrength", OptionalNumberText(inputs.UltimateStrength)},
            {"YieldStrength", OptionalNumberText(inputs.YieldStrength)},
            {"Surface", SurfaceNames()[size_t(inputs.Surface)]},
            {"Reliability", ReliabilityNames()[size_t(inputs.Reliability)]},
            {"FatigueSafety", ExactNumberText(inputs.FatigueSafety)},
            {"YieldSafety", ExactNumberText(inputs.YieldSafety)},
            {"ShearModulus", ExactNumberText(inputs.ShearModulus)},
            {"TwistLimit", ExactNumberText(inputs.TwistLimit)},
            {"Bearings", bearings},
            {"LocatingBearing", inputs.LocatingBearing},
            {"RequiredLife", ExactNumberText(inputs.RequiredLife)}};
    WriteGrade(inputs, object);
    return object;
}

TFatigueInputs ReadFatigue(const TJsonFields& fields)
{
    TFatigueInputs inputs;
    inputs.UltimateStrength = ReadOptionalNumber(fields, "UltimateStrength", TCheckInput::UltimateStrength);
    inputs.YieldStrength = ReadOptionalNumber(fields, "YieldStrength", TCheckInput::YieldStrength);
    inputs.Surface = TSurface(fields.Choice("Surface", Names(SurfaceNames())));
    inputs.Reliability = TReliability(fields.Choice("Reliability", Names(ReliabilityNames())));
    inputs.FatigueSafety = RangedNumber(fields, "FatigueSafety", TCheckInput::FatigueSafety);
    inputs.YieldSafety = RangedNumber(fields, "YieldSafety", TCheckInput::YieldSafety);
    inputs.ShearModulus = RangedNumber(fields, "ShearModulus", TCheckInput::ShearModulus);
    inputs.TwistLimit = RangedNumber(fields, "TwistLimit", TCheckInput::TwistLimit);
    const std::vector<TJsonFields> bearings = fields.Objects("Bearings", qsizetype(inputs.Bearings.size()));
    if (bearings.size() < 2) RaiseFieldError(fields.PathOf("Bearings"), "two to eight bearings, A to H");
    for (size_t i = 0; i < bearings.size(); ++i) inputs.Bearings[i] = ReadBearing(bearings[i]);
    // Written before the axial load had a bearing of its own: A takes it.
    if (fields.Has("LocatingBearing"))
        inputs.LocatingBearing = fields.Integer("LocatingBearing", 0, kBearingLetters - 1);
    inputs.RequiredLife = RangedNumber(fields, "RequiredLife", TCheckInput::RequiredLife);
    ReadGrade(fields, inputs);
    return inputs;
}

} // namespace

QJsonObject CheckInputsObject(const TCheckInputs& inputs)
{
    return {{"Modulus", ExactNumberText(inputs.Modulus)},
            {"SlopeLimit", ExactNumberText(inputs.SlopeLimit)},
            {"DeflectionRatio", ExactNumberText(inputs.DeflectionRatio)},
            {"Density", ExactNumberText(inputs.Density)},
            {"Speed", ExactNumberText(inputs.Speed)},
            {"Masses", MassesArray(inputs.Masses)},
            {"Fatigue", FatigueObject(inputs.Fatigue)}};
}

TCheckInputs ReadCheckInputs(const QJsonObject& document)
{
    TCheckInputs inputs;
    if (!document.contains(kCheckKey)) return inputs;
    const TJsonFields fields = TJsonFields(document, QString()).Object(kCheckKey);
    inputs.Modulus = RangedNumber(fields, "Modulus", TCheckInput::Modulus);
    inputs.SlopeLimit = RangedNumber(fields, "SlopeLimit", TCheckInput::SlopeLimit);
    inputs.DeflectionRatio = RangedNumber(fields, "DeflectionRatio", TCheckInput::DeflectionRatio);
    inputs.Density = RangedNumber(fields, "Density", TCheckInput::Density);
    inputs.Speed = RangedNumber(fields, "Speed", TCheckInput::Speed);
    for (const TJsonFields& mass : fields.Objects("Masses", kMostMasses))
        inputs.Masses.push_back({mass.Number("Position"), RangedNumber(mass, "Mass", TCheckInput::Mass)});
    // Written before the fatigue check existed: its defaults.
    if (fields.Has("Fatigue")) inputs.Fatigue = ReadFatigue(fields.Object("Fatigue"));
    return inputs;
}
