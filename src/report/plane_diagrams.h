// Each plane's load scheme, shear force and bending moment, and the resultant moment of both, drawn
// as lines and text on paper from the figures the solver left, with the values at the loads and
// bearings.
#pragma once

#include "report/plane_pages.h"
#include "report/report_layout.h"

#include <vector>

// The scheme for a plane not calculated yet; the shear and moment once it is.
std::vector<TBlock> PlaneDiagramBlocks(const TTypeface& type, const TPlanePage& plane, const std::vector<TEnteredLoad>& loads);

// sqrt(MH^2 + MV^2) along the shaft; nothing until both planes are calculated.
std::vector<TBlock> ResultantMomentBlocks(const TTypeface& type, const TPlanePages& pages);
