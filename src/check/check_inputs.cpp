#include "check/check_inputs.h"

#include "common/number_text.h"

#include <cmath>

QString CheckInputsProblem(const TCheckInputs& inputs)
{
    const auto positive = [](long double v) { return std::isfinite(v) && v > 0; };
    if (!positive(inputs.Modulus)) return "The elastic modulus E must be greater than 0";
    if (!positive(inputs.SlopeLimit)) return "The allowed slope must be greater than 0";
    if (!positive(inputs.DeflectionRatio)) return "The allowed deflection must be greater than 0";
    if (!positive(inputs.Density)) return "The density must be greater than 0";
    if (!std::isfinite(inputs.Speed) || inputs.Speed < 0) return "The operating speed cannot be negative";
    for (const TMountedMass& mass : inputs.Masses)
        if (!std::isfinite(mass.Position) || !std::isfinite(mass.Mass) || mass.Mass < 0)
            return "The mass at x = " + FloatToStr(mass.Position) + " mm must be 0 kg or more";
    return FatigueInputsProblem(inputs.Fatigue);
}
