// The way back along a hollow shaft's bore: the bore's radius as a function of x, walked from
// right to left, so that the outline and the bore together close into the loop of a tube.
#pragma once

#include "analysis/analysis_state.h"
#include "profile/contour_segment.h"

// Points (x, r) in mm from `right` back to `left`: r is the radius of the widest bore line that
// reaches x, 0 where none does, with a vertical step wherever it changes. Both ends are included;
// no point repeats the one before it. Vertical bore lines add nothing: the steps come from the
// lines on either side.
TModel BoreReturnWalk(const TContour& bores, long double left, long double right);
