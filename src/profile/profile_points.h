// The contour points that the solid of revolution is swept from, walked left to right through
// the drawing text.
#pragma once

#include "analysis/analysis_state.h"

#include <QStringList>
#include <cstdint>

// Sorts the memo by midpoint and rebuilds `points` from the outline's statements: the first
// statement's first end, the left end of every later line, each arc as its start and
// `arcSteps` - 1 points on its circle, and the last statement's second end; x relative to the
// first point. The first and the last statement of the outline must be line statements. A
// hollow shaft's walk then comes back from right to left along the bore (radius 0 where there is
// none) and ends on the point it began with, a closed loop. An empty memo fails with "List index out of bounds (0)" and changes
// nothing; a later failure leaves the memo sorted and the points appended so far.
void ExtractProfilePoints(QStringList& memo, TModel& points, uint8_t arcSteps);

// The walk of a hollow shaft: it ends where it began.
bool ClosesOnItself(const TModel& points);

// A profile swept about the axis must stay on its side of it: a point below the axis (a negative
// radius) would turn the solid inside out. Fails with a message naming the first such point.
void CheckProfileAboveAxis(const TModel& points);
