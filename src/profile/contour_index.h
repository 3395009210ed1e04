// The drawn contour arranged for queries along the axis: which piece, and so which diameter, the
// drawing has at a position, whatever order the pieces are drawn in.
#pragma once

#include "profile/verification.h"

#include <optional>
#include <vector>

// A non-vertical piece of the contour, left end first.
struct TAxialSegment {
    long double x1, r1, x2, r2;

    long double RadiusAt(long double x) const;
};

class TContourIndex {
public:
    explicit TContourIndex(const TContour& contour);

    // The piece of smallest radius among those that reach x: at a shoulder the smaller side.
    std::optional<TAxialSegment> SegmentAt(long double x) const;
    // Twice its radius there.
    std::optional<long double> DiameterAt(long double x) const;
    // The ends of every piece, sorted: between two neighbours each piece is one straight line.
    std::vector<long double> Breaks() const;
    // The first place along the shaft where a piece does not start where the pieces before it
    // end: a gap, or an overlap such as a step modified without its old shoulder. Empty when the
    // outline runs through.
    QString OutlineFault() const;

private:
    std::vector<TAxialSegment> segments_; // sorted by their left end
    std::vector<long double> reach_;      // the furthest right end reached so far
};
