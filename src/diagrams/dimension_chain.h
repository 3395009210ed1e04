// The running chain of distances between neighbouring load positions, drawn under the load
// scheme on the page (row 140) and under the profile in the editor (row 210).
#pragma once

#include "analysis/analysis_state.h"
#include "canvas/canvas.h"

#include <vector>

// Positions of a list already sorted by position.
template <class List>
std::vector<long double> ChainPositions(const List& sorted)
{
    std::vector<long double> positions;
    positions.reserve(sorted.size());
    for (const auto& entry : sorted) positions.push_back(entry.Position);
    return positions;
}

// Clears the band above `row` from column 0 to 500, then draws a link with end ticks and its
// length for every pair of neighbouring distinct positions. Leaves the pen black and the font as
// it was; draws nothing without a shaft.
void DrawDimensionChain(Canvas& canvas, const std::vector<long double>& sortedPositions,
                        long double shaftLength, int row);

// The page's chain over the reactions, forces, moments and both shaft ends.
void DrawPageDimensions(Canvas& canvas, const TAnalysisState& state);

// What the next chain's clearing leaves of this one: the links that reach column 500 or beyond,
// drawn without clearing. Drawn in place of every chain that another follows, it gives the page
// the same pixels at a fraction of the text.
void DrawPageDimensionsBeyondClearing(Canvas& canvas, const TAnalysisState& state);
