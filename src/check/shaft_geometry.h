// The drawn shaft as the beam checks see it: the one reading of the outline that the strength
// table makes (profile/contour_index.h), refused where a beam cannot be read from it.
#pragma once

#include "profile/contour_index.h"

#include <span>
#include <vector>

// Pieces in order along the axis, each starting where the one before ends.
struct TShaftGeometry {
    std::vector<TShaftPiece> Pieces;
    long double Start() const { return Pieces.front().X1; }
    long double End() const { return Pieces.back().X2; }
    // The piece that holds x (the left one at a joint), x within Start() to End().
    const TShaftPiece& PieceAt(long double x) const;
    // The pieces that reach into the open stretch from a to b, in order.
    std::span<const TShaftPiece> PiecesOver(long double a, long double b) const;
    // Where the diameter jumps: the drawn shoulders and faces inside the shaft.
    std::vector<long double> Faces() const;
};

// Refuses, naming the place, an outline with a gap, one that crosses or reaches the axis or leaves
// the range of drawn diameters, and one that does not span `from` to `to`, which are where
// `spanned` lie ("the bearings and the loads").
TShaftGeometry ShaftGeometry(const TContour& contour, long double from, long double to,
                             const QString& spanned = "the bearings and the loads");

// How many parts a length of the piece is cut into for five-point Gauss quadrature of 1 / I(x):
// enough for about 1e-12 while neither r nor the wall r - ri changes by more than a third over a
// part (the poles of 1 / I, where they reach zero, then lie far off), and an arc's parts at most a
// sixteenth of its radius, so that the square root of its circle near a vertical tangent stays
// inside few parts.
int QuadratureParts(const TShaftPiece& piece, long double length);

// "x = 10 to 20 mm"
QString RangeText(long double from, long double to);
