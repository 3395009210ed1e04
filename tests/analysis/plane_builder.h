// Load terms and planes as the load entry stores them, for the analysis tests.
#pragma once

#include "analysis/analysis_state.h"

inline Tvector Bearing(const QString& name, long double position)
{
    return {name, 1, 'f', position, 0, 1, 0};
}

inline Tvector Force(const QString& name, long double position, long double value, uint8_t direction)
{
    return {name, 0, 'f', position, value, direction, 0};
}

inline Tvector Moment(const QString& name, long double position, long double value, uint8_t direction)
{
    return {name, 0, 'm', position, value, direction, 0};
}

inline TAnalysisState Plane(long double length, Tincarcare reactions, Tincarcare forces = {},
                            Tincarcare moments = {})
{
    TAnalysisState state;
    state.ShaftLength = length;
    state.Reactions = std::move(reactions);
    state.BearingCount = static_cast<uint8_t>(state.Reactions.size());
    state.Forces = std::move(forces);
    state.ForceCount = static_cast<uint8_t>(state.Forces.size());
    state.Moments = std::move(moments);
    state.MomentCount = static_cast<uint8_t>(state.Moments.size());
    return state;
}
