#include "check/fatigue_inputs.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "dimensioning/materials.h"

#include <algorithm>
#include <cmath>

namespace {

bool Positive(long double v) { return std::isfinite(v) && v > 0; }

const TMaterial* MaterialNamed(const QString& name)
{
    const auto& table = MaterialTable();
    const auto found = std::find_if(table.begin(), table.end(), [&](const TMaterial& m) { return m.Name == name; });
    return found == table.end() ? nullptr : &*found;
}

} // namespace

QString FatigueInputsProblem(const TFatigueInputs& inputs)
{
    if (inputs.UltimateStrength && !Positive(*inputs.UltimateStrength)) return "Sut must be greater than 0";
    if (inputs.YieldStrength && !Positive(*inputs.YieldStrength)) return "Sy must be greater than 0";
    if (!Positive(inputs.FatigueSafety) || !Positive(inputs.YieldSafety)) return "The required safety factors must be greater than 0";
    if (!Positive(inputs.ShearModulus)) return "The shear modulus G must be greater than 0";
    if (!Positive(inputs.TwistLimit)) return "The allowed twist must be greater than 0";
    for (const TBearingInputs& bearing : inputs.Bearings)
        if (!std::isfinite(bearing.Rating) || bearing.Rating < 0) return "A bearing's rating C cannot be negative";
    if (!Positive(inputs.RequiredLife)) return "The required bearing life must be greater than 0";
    return QString();
}

TFatigueMaterial FatigueMaterialOf(const TFatigueInputs& inputs, const QString& materialName)
{
    const TMaterial* material = MaterialNamed(materialName);
    if ((!inputs.UltimateStrength || !inputs.YieldStrength) && !material)
        RaiseError("Type Sut and Sy: the dimensioning has applied no material of the list");
    TFatigueMaterial result;
    result.UltimateStrength = inputs.UltimateStrength ? *inputs.UltimateStrength : material->BreakingStress;
    result.YieldStrength = inputs.YieldStrength ? *inputs.YieldStrength : material->YieldStress;
    result.Surface = inputs.Surface;
    result.Reliability = inputs.Reliability;
    return result;
}

const std::array<QString, 2>& BearingKindNames()
{
    static const std::array<QString, 2> names{"ball", "roller"};
    return names;
}
