// The analysed positions and their distance chain on the profile editor's image, on the page's
// column scale so that the profile lines up with the diagram strips below it.
#pragma once

#include "analysis/load_model.h"
#include "canvas/canvas.h"
#include "common/view_zoom.h"

// Axis at row 100 and, per point, a grey guide from row 20 to 715 with a blue circle (bearing)
// or cross (other load) on the axis. Leaves the pen black; draws nothing without a shaft. A zoom
// moves the axis and the marks with the profile; the guides keep their rows.
void DrawPointMarkers(Canvas& canvas, const TPuncte& points, long double shaftLength, const TViewZoom& zoom = {});

// Distance chain at row 210 between the points and the shaft ends.
void DrawEditorDimensions(Canvas& canvas, const TPuncte& points, long double shaftLength);
