#include "check/fatigue_inputs.h"

#include "common/errors.h"
#include "dimensioning/materials.h"

#include <algorithm>

namespace {

const TMaterial* MaterialNamed(const QString& name)
{
    const auto& table = MaterialTable();
    const auto found = std::find_if(table.begin(), table.end(), [&](const TMaterial& m) { return m.Name == name; });
    return found == table.end() ? nullptr : &*found;
}

} // namespace

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
