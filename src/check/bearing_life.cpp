#include "check/bearing_life.h"

#include "common/errors.h"
#include "diagrams/section_moment.h"

#include <algorithm>
#include <cmath>

long double ResultantReaction(double horizontal, double vertical)
{
    return std::sqrt(static_cast<long double>(horizontal) * horizontal + static_cast<long double>(vertical) * vertical);
}

std::vector<long double> BearingLoads(const TBearingReactions& horizontal, const TBearingReactions& vertical, int count)
{
    std::vector<long double> loads;
    for (size_t i = 0; i < size_t(std::clamp(count, 0, kBearingLetters)); ++i)
        loads.push_back(ResultantReaction(horizontal[i], vertical[i]));
    const long double largest = loads.empty() ? 0 : *std::max_element(loads.begin(), loads.end());
    for (long double& load : loads)
        if (load <= kRoundOffShare * largest) load = 0;
    return loads;
}

long double EquivalentLoad(long double radial, long double axial, const TBearingInputs& bearing)
{
    // Fa / Fr <= e without the division, so that Fr = 0 needs no case of its own.
    if (axial <= bearing.E * radial) return CheckedValue(bearing.XUpToE * radial + bearing.YUpToE * axial);
    return CheckedValue(bearing.XBeyondE * radial + bearing.YBeyondE * axial);
}

TBearingLife BearingLife(long double load, const TBearingInputs& bearing, long double speed, long double requiredHours)
{
    return BearingLife(load, 0, bearing, speed, requiredHours);
}

TBearingLife BearingLife(long double radial, long double axial, const TBearingInputs& bearing, long double speed,
                         long double requiredHours)
{
    TBearingLife life;
    life.Axial = axial;
    life.Load = EquivalentLoad(radial, axial, bearing);
    const long double load = life.Load;
    if (!(bearing.Rating > 0)) {
        life.Problem = "no rating C given";
        return life;
    }
    if (!(load > 0)) {
        life.Problem = "unloaded";
        life.Unloaded = true;
        return life;
    }
    // ISO 281:2007: p = 3 for ball bearings, 10/3 for roller bearings; C from kN to N.
    const long double exponent = bearing.Kind == TBearingKind::Ball ? 3.0L : 10.0L / 3;
    life.Revolutions = CheckedValue(std::pow(1000 * bearing.Rating / load, exponent));
    if (!(speed > 0)) {
        life.Problem = "no operating speed given";
        return life;
    }
    life.Hours = CheckedValue(1e6L * *life.Revolutions / (60 * speed));
    life.Short = *life.Hours < requiredHours;
    return life;
}
