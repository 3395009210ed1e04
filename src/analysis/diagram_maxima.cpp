// Maxima of the shear and moment lists, with the critical section of the moment diagram.
#include "analysis/diagram_maxima.h"

#include "analysis/page_mapping.h"

#include <cmath>

long double MaxShear(const Tav2& shear)
{
    long double maximum = 0;
    for (const TShearPoint& point : shear)
        if (std::fabs(point.Shear) > maximum) maximum = std::fabs(point.Shear);
    return maximum;
}

long double MaxMoment(TAnalysisState& state, const Tav& moments)
{
    long double maximum = 0;
    for (size_t k = 0; k < moments.size(); ++k) {
        for (long double moment : {moments[k].Left, moments[k].Right}) {
            if (std::fabs(moment) <= maximum) continue;
            maximum = std::fabs(moment);
            state.CriticalSection = static_cast<uint8_t>(k + 1);
            state.CriticalX = PagePosX(state.MomentTerms.at(k).Position, state.ShaftLength);
        }
    }
    return maximum;
}
