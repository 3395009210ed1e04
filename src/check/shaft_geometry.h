// The drawn shaft as the beam checks see it: its radius along the axis, linear on each piece (a
// line statement, or a chord of an arc), from the same contour the strength table reads.
#pragma once

#include "profile/verification.h"

#include <vector>

struct TShaftPiece {
    long double X1 = 0, X2 = 0; // X1 < X2
    long double R1 = 0, R2 = 0;
    long double RadiusAt(long double x) const { return R1 + (x - X1) * (R2 - R1) / (X2 - X1); }
    bool Uniform() const { return R1 == R2; }
};

// Pieces in order along the axis, each starting where the one before ends.
struct TShaftGeometry {
    std::vector<TShaftPiece> Pieces;
    long double Start() const { return Pieces.front().X1; }
    long double End() const { return Pieces.back().X2; }
    // The piece that holds x (the left one at a joint), x within Start() to End().
    const TShaftPiece& PieceAt(long double x) const;
};

// The outline where several lines overlap is the thinnest of them, as in the strength table.
// Refuses, naming the range, an outline with a gap, one that reaches the axis, or one that does
// not span `from` to `to` (the bearings and the loads).
TShaftGeometry ShaftGeometry(const TContour& contour, long double from, long double to);

// "x = 10 to 20 mm"
QString RangeText(long double from, long double to);
