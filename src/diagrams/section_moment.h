// The bending moment at any cross section, from the moment diagrams the two planes keep.
#pragma once

#include "analysis/load_model.h"

// The moment of one plane's diagram at x: linear between neighbouring points; at a point the
// left or right moment of larger magnitude (left on a tie). 0 off the diagram, or for a plane not
// yet calculated (fewer than two points). The points must be sorted by position.
long double PlaneMoment(const Tav& diagram, long double x);

// combine false: the resultant of both planes (never negative); true: the plane moment of larger
// magnitude with its sign (horizontal on a tie).
long double SectionMoment(const Tav& horz, const Tav& vert, bool combine, long double x);
