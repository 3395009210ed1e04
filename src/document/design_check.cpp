#include "document/design_check.h"

#include "common/errors.h"
#include "document/exact_number.h"
#include "document/json_fields.h"

#include <QJsonArray>

namespace {

const QString kCheckKey = QStringLiteral("Check");

QJsonArray MassesArray(const std::vector<TMountedMass>& masses)
{
    QJsonArray array;
    for (const TMountedMass& mass : masses)
        array.append(QJsonObject{{"Position", ExactNumberText(mass.Position)}, {"Mass", ExactNumberText(mass.Mass)}});
    return array;
}

} // namespace

QJsonObject CheckInputsObject(const TCheckInputs& inputs)
{
    return {{"Modulus", ExactNumberText(inputs.Modulus)},
            {"SlopeLimit", ExactNumberText(inputs.SlopeLimit)},
            {"DeflectionRatio", ExactNumberText(inputs.DeflectionRatio)},
            {"Density", ExactNumberText(inputs.Density)},
            {"Speed", ExactNumberText(inputs.Speed)},
            {"Masses", MassesArray(inputs.Masses)}};
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
    for (const TJsonFields& mass : fields.Objects("Masses"))
        inputs.Masses.push_back({mass.Number("Position"), mass.Number("Mass")});
    const QString problem = CheckInputsProblem(inputs);
    if (!problem.isEmpty()) RaiseError("The field \"Check\" of the design cannot be used: " + problem + ".");
    return inputs;
}
