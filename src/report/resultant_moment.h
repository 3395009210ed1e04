// The bending moment of both planes together, sqrt(MH^2 + MV^2), along the shaft: each plane's
// moment points as the solver left them, read between their terms as the straight lines they are.
#pragma once

#include "analysis/load_model.h"

#include <vector>

struct TDiagramPoint {
    long double X = 0;     // mm
    long double Value = 0;
    bool Labelled = true; // a corner of the diagram, written with its value
};

// A plane's moment as a line through its terms: left then right value at each term, so that a
// concentrated moment is a vertical jump.
std::vector<TDiagramPoint> MomentLine(const Tav& points, const Tincarcare& terms);

// The moment just left of x (`right` false) or just right of it; 0 beyond the line.
long double MomentAt(const std::vector<TDiagramPoint>& line, long double x, bool right);

// The resultant at every term of either plane, left and right of it, and at `between` points
// inside each stretch, where it bends (the root of a sum of squares of two straight lines).
std::vector<TDiagramPoint> ResultantMoment(const std::vector<TDiagramPoint>& horizontal,
                                           const std::vector<TDiagramPoint>& vertical, int between = 8);
