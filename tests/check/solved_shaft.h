// Shafts entered and calculated in both planes as the load windows do it, for the check tests.
#pragma once

#include "analysis/analysis_state.h"
#include "analysis/load_entry.h"
#include "analysis/solver.h"

#include <vector>

struct TTestLoad {
    long double Position = 0;
    long double Value = 0;
    bool Up = false;
    bool Moment = false;
};

inline void EnterAndSolve(TAnalysisState& state, const std::vector<TTestLoad>& loads, bool horizontal)
{
    for (const TTestLoad& load : loads) {
        if (load.Moment) AddMoment(state, load.Position, load.Value, load.Up, horizontal);
        else AddForce(state, load.Position, load.Value, load.Up, horizontal);
    }
    TData data;
    data.SetOriz(horizontal);
    SolvePlane(state, data);
}

inline TAnalysisState SolvedShaft(long double length, long double bearingA, long double bearingB,
                                  const std::vector<TTestLoad>& horizontal, const std::vector<TTestLoad>& vertical)
{
    TAnalysisState state;
    StartShaft(state);
    ApplyShaftLength(state, length);
    AddBearing(state, bearingA, true);
    AddBearing(state, bearingB, true);
    EnterAndSolve(state, horizontal, true);
    ResetPartialPlane(state);
    RenameBearingsVertical(state.Reactions);
    EnterAndSolve(state, vertical, false);
    return state;
}
