// A design replayed through the rules of the windows that entered it: the load entry, the
// solver, the dimensioning "Apply" and the editor's points. What a window would refuse, the
// design file cannot hold.
#pragma once

#include "analysis/analysis_state.h"
#include "document/design.h"

inline const QString kPointOutsideShaft = QStringLiteral("Pozitia trebuie sa se afle intre limitele existente !");

// The editor's "Add" of a dimensioning point: a position within the span of `Points`, appended
// and sorted in; the point list keeps its one-byte count.
void AddDimensionPoint(TAnalysisState& state, long double position);

// Enters the planes, calculates those that were calculated, applies the dimensioning inputs
// that were applied and adds the editor's points, as the windows do. A refusal fails with the
// rule's message and the place in the design that it refuses.
void ReplayDesign(const TDesign& design, TAnalysisState& state, TData& data);

// Replays the design on a scratch state; nothing shared is touched.
void CheckDesign(const TDesign& design);
