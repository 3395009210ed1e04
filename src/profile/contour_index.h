// The one reading of the drawn outline along the axis, for the strength table and for every check
// of the shaft: where several lines overlap, the thinnest of them; where nothing is drawn, a gap;
// an arc as its circle wherever its chords keep it; the same radius at every x for all of them.
#pragma once

#include "profile/verification.h"

#include <optional>
#include <utility>
#include <vector>

// A stretch X1 < X2 of one drawn line or arc chord (`Drawn`, as written, left end first). R1 and R2
// are its radii at X1 and X2.
struct TShaftPiece {
    long double X1 = 0, X2 = 0;
    long double R1 = 0, R2 = 0;
    TContourSegment Drawn;

    // The distance from the axis at x, on the line or on the arc's circle.
    long double RadiusAt(long double x) const;
    // A line (not an arc) of one diameter.
    bool Uniform() const { return Drawn.Side == 0 && Drawn.R1 == Drawn.R2; }
    bool Curved() const { return Drawn.Side != 0; }
};

// Positions sorted, each once.
std::vector<long double> SortedStations(std::vector<long double> positions);

// The drawn diameter must lie in this range (mm): a thinner shaft is a line on the axis, a wider
// one no machine part.
inline constexpr long double kLeastDiameter = 0.01L, kLargestDiameter = 10000;

struct TGap {
    long double From = 0, To = 0;
};

class TContourIndex {
public:
    explicit TContourIndex(const TContour& contour);

    // The piece of smallest radius among those that reach x: at a shoulder the smaller side.
    std::optional<TShaftPiece> SegmentAt(long double x) const;
    // Twice its radius there.
    std::optional<long double> DiameterAt(long double x) const;
    // The thinnest line along the drawn stretches, in order; none across a gap.
    const std::vector<TShaftPiece>& Pieces() const { return pieces_; }
    // The first stretch between the drawn pieces where nothing is drawn.
    std::optional<TGap> FirstGap() const;
    // The first place along the shaft where a piece does not start where the pieces before it
    // end: a gap, or an overlap such as a step modified without its old shoulder; else where the
    // outline leaves the diameter range. Empty when the outline runs through.
    QString OutlineFault() const;
    // The first place where a drawn line crosses or reaches the axis or leaves the range of drawn
    // diameters. Empty when every diameter is within it.
    QString DiameterFault() const;

private:
    std::vector<TContourSegment> segments_; // non-vertical, left end first, sorted by it
    std::vector<long double> reach_;        // the furthest right end reached so far
    std::vector<TShaftPiece> pieces_;
};
