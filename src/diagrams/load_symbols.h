// The load scheme on the page: force arrows, concentrated-moment symbols and bearings on the
// shaft axis (row 65), each with its name. Nothing is drawn without a shaft.
#pragma once

#include "analysis/load_model.h"
#include "canvas/canvas.h"

// The shaft axis from column 50 to 550, in the canvas's current pen.
void DrawShaftAxis(Canvas& canvas);

// Arrow with its tip on the axis: below it pointing up for direction 1 (with the reactions),
// above it pointing down otherwise. Leaves pen width 1 and the brush colour white.
void DrawForce(Canvas& canvas, const Tvector& force, long double shaftLength);

// Curved arrow around the axis point, open at the top. Leaves pen width 1.
void DrawMomentSymbol(Canvas& canvas, const Tvector& moment, long double shaftLength);

// The moment symbol's stroke from the axis at column a, its arc and its head, painted in a pen
// 2 pixels wide. Leaves pen width 1. The page stamps the pixels of this shape instead of painting
// it again for each moment: a painter costs more than the pixels.
void DrawMomentShape(Canvas& canvas, int a, bool clockwise);

// Pin, support triangle and hatch under the axis, then the reaction arrow. Leaves pen width 1
// and the brush colour white.
void DrawBearing(Canvas& canvas, const Tvector& bearing, long double shaftLength);
