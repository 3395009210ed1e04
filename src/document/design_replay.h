// A design replayed through the rules of the windows that entered it: the load entry, the
// solver, the dimensioning "Apply" and the editor's points. What a window would refuse, the
// design file cannot hold.
#pragma once

#include "analysis/analysis_state.h"
#include "document/design.h"

// Enters the planes, calculates those that were calculated, applies the dimensioning inputs
// that were applied and adds the editor's points among the entries where they were added, as
// the windows do. A refusal fails with the
// rule's message and the place in the design that it refuses.
void ReplayDesign(const TDesign& design, TAnalysisState& state, TData& data);

// Replays the design on a scratch state; nothing shared is touched.
void CheckDesign(const TDesign& design);
