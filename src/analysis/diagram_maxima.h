// The largest absolute shear and bending moment of a plane: the results of "Calculate" and the
// scales of the shear and moment diagrams.
#pragma once

#include "analysis/analysis_state.h"

// Largest absolute shear; 0 for an empty list. Ties keep the earlier entry.
long double MaxShear(const Tav2& shear);

// Largest absolute left or right moment (left tested before right). Every new maximum sets
// state.CriticalSection to the entry's 1-based number and state.CriticalX to the page column of
// state.MomentTerms at the same index; with all moments 0 both keep their values.
long double MaxMoment(TAnalysisState& state, const Tav& moments);
