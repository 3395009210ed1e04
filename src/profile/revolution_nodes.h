// The shaft's profile points as nodes of the solid of revolution: scaled to a length of ten scene
// units and centred on the origin, radius along X and axial position along Y.
#pragma once

#include "analysis/analysis_state.h"

#include <QVector3D>
#include <vector>

// Axial length of the profile: x of the last point minus x of the first; of a closed loop (a
// hollow shaft), from its leftmost to its rightmost point; 0 without points.
long double ProfileSpanOf(const TModel& points);

// Node i at (r * k, x * k - 5, 0) with k = 10 / span. A span that is not a positive length fails
// with a message, because it would give no solid or one turned inside out; so does a point
// below the axis.
std::vector<QVector3D> ProfileNodes(const TModel& points, long double span);
