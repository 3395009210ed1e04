// The moment diagram that a plane keeps for the later stages: one point per distinct position,
// from the shaft's left end to its right end.
#pragma once

#include "analysis/load_model.h"

#include <vector>

struct TPlaneDiagram {
    Tav Points;
    // For each moment point: its 1-based number in Points, or 0 when its position was there
    // already.
    std::vector<int> Numbers;
};

// The origin (0; 0, 0) opens the list unless a moment point lies at 0; the moment points follow,
// each position once (the first point there wins); the end (L; 0, 0) closes it unless a moment
// point lies at L.
TPlaneDiagram BuildPlaneDiagram(const Tav& momentPoints, long double shaftLength);
