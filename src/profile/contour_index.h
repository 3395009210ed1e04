// The one reading of the drawn outline along the axis, for the strength table and for every check
// of the shaft: where several lines overlap, the thinnest of them; where nothing is drawn, a gap;
// an arc as its circle wherever its chords keep it; the same radius at every x for all of them.
#pragma once

#include "profile/verification.h"

#include <optional>
#include <utility>
#include <vector>

// A stretch X1 < X2 of one drawn line or arc chord (`Drawn`, as written, left end first). R1 and R2
// are its radii at X1 and X2; Ri1 and Ri2 those of the bore, which runs straight between them.
struct TShaftPiece {
    long double X1 = 0, X2 = 0;
    long double R1 = 0, R2 = 0;
    TContourSegment Drawn;
    long double Ri1 = 0, Ri2 = 0; // 0 where the shaft is solid

    // The distance from the axis at x, on the line or on the arc's circle.
    long double RadiusAt(long double x) const;
    // The bore's radius at x.
    long double BoreAt(long double x) const;
    // The part of the piece from a to b, within it.
    TShaftPiece Between(long double a, long double b) const;
    // A line (not an arc) of one diameter, and a bore of one diameter or none.
    bool Uniform() const { return Drawn.Side == 0 && Drawn.R1 == Drawn.R2 && Ri1 == Ri2; }
    bool Curved() const { return Drawn.Side != 0; }
    bool Hollow() const { return Ri1 > 0 || Ri2 > 0; }
};

// Positions sorted, each once.
std::vector<long double> SortedStations(std::vector<long double> positions);

// The drawn diameter must lie in this range (mm): a thinner shaft is a line on the axis, a wider
// one no machine part.
inline constexpr long double kLeastDiameter = 0.01L, kLargestDiameter = 10000;

// The widest of the bore's lines that reach over the whole stretch from a to b, judged at its
// middle; none where the shaft is solid there.
const TContourSegment* WidestBoreOver(const std::vector<TContourSegment>& bores, long double a, long double b);
// The bore's diameter at x: the widest of the bore lines that reach x, 0 where none does.
long double BoreDiameterAt(const std::vector<TContourSegment>& bores, long double x);

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
    // The bore's diameter at x: the wider side at a step of the bore, 0 where the shaft is solid.
    long double BoreDiameterAt(long double x) const;
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
    // The first place where the bore crosses the axis, runs past the outline's ends or is as wide
    // as the outline or wider. Empty for a bore inside the outline, and for a solid shaft.
    QString BoreFault() const;

private:
    std::vector<TContourSegment> segments_; // non-vertical, left end first, sorted by it
    std::vector<TContourSegment> bores_;    // the bore's lines, the same way
    std::vector<long double> reach_;        // the furthest right end reached so far
    std::vector<TShaftPiece> pieces_;
};
