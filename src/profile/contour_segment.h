#pragma once

#include <vector>

// A piece of the drawn contour: a line statement, or a chord of an arc; mm, r from the axis. A
// chord keeps its arc's circle where the arc between its ends is a function of x: then the outline
// between the ends is r = CY + Side * sqrt(Radius^2 - (x - CX)^2), not the chord.
struct TContourSegment {
    long double X1 = 0, R1 = 0, X2 = 0, R2 = 0;
    long double CX = 0, CY = 0, Radius = 0;
    int Side = 0; // +1 the arc lies beyond its centre from the axis, -1 towards it; 0 a straight line
    bool Bore = false; // a line of the bore's contour, not of the outline
    bool operator==(const TContourSegment&) const = default;
};
using TContour = std::vector<TContourSegment>;
