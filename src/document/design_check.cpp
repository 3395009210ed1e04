#include "document/design_check.h"

#include "common/errors.h"
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

std::optional<long double> ReadOptionalNumber(const TJsonFields& fields, const QString& key)
{
    if (fields.Text(key).isEmpty()) return std::nullopt;
    return fields.Number(key);
}

QStringList Names(const auto& names) { return QStringList(names.begin(), names.end()); }

QJsonObject FatigueObject(const TFatigueInputs& inputs)
{
    QJsonArray bearings;
    for (const TBearingInputs& bearing : inputs.Bearings)
        bearings.append(QJsonObject{{"Kind", BearingKindNames()[size_t(bearing.Kind)]}, {"Rating", ExactNumberText(bearing.Rating)}});
    return {{"UltimateStrength", OptionalNumberText(inputs.UltimateStrength)},
            {"YieldStrength", OptionalNumberText(inputs.YieldStrength)},
            {"Surface", SurfaceNames()[size_t(inputs.Surface)]},
            {"Reliability", ReliabilityNames()[size_t(inputs.Reliability)]},
            {"FatigueSafety", ExactNumberText(inputs.FatigueSafety)},
            {"YieldSafety", ExactNumberText(inputs.YieldSafety)},
            {"ShearModulus", ExactNumberText(inputs.ShearModulus)},
            {"TwistLimit", ExactNumberText(inputs.TwistLimit)},
            {"Bearings", bearings},
            {"RequiredLife", ExactNumberText(inputs.RequiredLife)}};
}

TFatigueInputs ReadFatigue(const TJsonFields& fields)
{
    TFatigueInputs inputs;
    inputs.UltimateStrength = ReadOptionalNumber(fields, "UltimateStrength");
    inputs.YieldStrength = ReadOptionalNumber(fields, "YieldStrength");
    inputs.Surface = TSurface(fields.Choice("Surface", Names(SurfaceNames())));
    inputs.Reliability = TReliability(fields.Choice("Reliability", Names(ReliabilityNames())));
    inputs.FatigueSafety = fields.Number("FatigueSafety");
    inputs.YieldSafety = fields.Number("YieldSafety");
    inputs.ShearModulus = fields.Number("ShearModulus");
    inputs.TwistLimit = fields.Number("TwistLimit");
    const std::vector<TJsonFields> bearings = fields.Objects("Bearings", 2);
    if (bearings.size() != inputs.Bearings.size()) RaiseFieldError(fields.PathOf("Bearings"), "two bearings, A and B");
    for (size_t i = 0; i < bearings.size(); ++i)
        inputs.Bearings[i] = {TBearingKind(bearings[i].Choice("Kind", Names(BearingKindNames()))), bearings[i].Number("Rating")};
    inputs.RequiredLife = fields.Number("RequiredLife");
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
    inputs.Modulus = fields.Number("Modulus");
    inputs.SlopeLimit = fields.Number("SlopeLimit");
    inputs.DeflectionRatio = fields.Number("DeflectionRatio");
    inputs.Density = fields.Number("Density");
    inputs.Speed = fields.Number("Speed");
    for (const TJsonFields& mass : fields.Objects("Masses", kMostMasses))
        inputs.Masses.push_back({mass.Number("Position"), mass.Number("Mass")});
    // Written before the fatigue check existed: its defaults.
    if (fields.Has("Fatigue")) inputs.Fatigue = ReadFatigue(fields.Object("Fatigue"));
    const QString problem = CheckInputsProblem(inputs);
    if (!problem.isEmpty()) RaiseError("The field \"Check\" of the design cannot be used: " + problem + ".");
    return inputs;
}
