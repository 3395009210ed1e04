#include "document/elements_file.h"

#include "document/exact_number.h"

#include <QJsonObject>

namespace {

// More elements than any shaft carries; each puts a few loads in a plane of 255.
constexpr qsizetype kMostElements = 255;
constexpr int kFirstVersionWithElements = 4;

const QStringList kElementKindNames{"gear", "bevel gear", "belt pulley", "chain sprocket", "coupling"};
const QStringList kFlowNames{"driving", "driven"};
const QStringList kHandNames{"right", "left"};
const QStringList kRotationNames{"counter-clockwise", "clockwise"};

QJsonObject ElementObject(const TMachineElement& e)
{
    return {{"Kind", kElementKindNames[int(e.Kind)]},
            {"Position", ExactNumberText(e.Position)},
            {"Mass", ExactNumberText(e.Mass)},
            {"GivenAsPower", e.GivenAsPower},
            {"Power", ExactNumberText(e.Power)},
            {"Torque", ExactNumberText(e.Torque)},
            {"Flow", kFlowNames[int(e.Flow)]},
            {"Angle", ExactNumberText(e.Angle)},
            {"Diameter", ExactNumberText(e.Diameter)},
            {"PressureAngle", ExactNumberText(e.PressureAngle)},
            {"HelixAngle", ExactNumberText(e.HelixAngle)},
            {"Hand", kHandNames[int(e.Hand)]},
            {"PitchConeAngle", ExactNumberText(e.PitchConeAngle)},
            {"ApexTowardsPlusX", e.ApexTowardsPlusX},
            {"TensionRatioGiven", e.TensionRatioGiven},
            {"TensionRatio", ExactNumberText(e.TensionRatio)},
            {"BeltFactor", ExactNumberText(e.BeltFactor)},
            {"RadialFraction", ExactNumberText(e.RadialFraction)}};
}

TMachineElement ReadElement(const TJsonFields& f)
{
    TMachineElement e;
    e.Kind = TElementKind(f.Choice("Kind", kElementKindNames));
    e.Position = f.Number("Position");
    e.Mass = f.Number("Mass");
    e.GivenAsPower = f.Switch("GivenAsPower");
    e.Power = f.Number("Power");
    e.Torque = f.Number("Torque");
    e.Flow = TPowerFlow(f.Choice("Flow", kFlowNames));
    e.Angle = f.Number("Angle");
    e.Diameter = f.Number("Diameter");
    e.PressureAngle = f.Number("PressureAngle");
    e.HelixAngle = f.Number("HelixAngle");
    e.Hand = THelixHand(f.Choice("Hand", kHandNames));
    e.PitchConeAngle = f.Number("PitchConeAngle");
    e.ApexTowardsPlusX = f.Switch("ApexTowardsPlusX");
    e.TensionRatioGiven = f.Switch("TensionRatioGiven");
    e.TensionRatio = f.Number("TensionRatio");
    e.BeltFactor = f.Number("BeltFactor");
    e.RadialFraction = f.Number("RadialFraction");
    return e;
}

} // namespace

QJsonArray ElementsArray(const std::vector<TMachineElement>& elements)
{
    QJsonArray array;
    for (const TMachineElement& element : elements) array.append(ElementObject(element));
    return array;
}

QString RotationText(TShaftRotation rotation) { return kRotationNames[int(rotation)]; }

std::vector<TMachineElement> ReadElements(const TJsonFields& fields, int version)
{
    std::vector<TMachineElement> elements;
    if (version < kFirstVersionWithElements) return elements;
    for (const TJsonFields& element : fields.Objects("Elements", kMostElements)) elements.push_back(ReadElement(element));
    return elements;
}

TShaftRotation ReadRotation(const TJsonFields& fields, int version)
{
    if (version < kFirstVersionWithElements) return TShaftRotation::CounterClockwise;
    return TShaftRotation(fields.Choice("Rotation", kRotationNames));
}
