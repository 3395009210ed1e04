// The drawn half-section and its mirror on paper: lines and arcs in millimetres to a standard
// scale, the centre line, and the diameter of each cylindrical step written across it.
#pragma once

#include "export/dxf_export.h"
#include "report/report_layout.h"

// The largest standard scale (10:1 down to 1:1000) at which `drawing` fits `width` x `height` mm.
double DrawingScale(const TDxfDrawing& drawing, double width, double height);
// "1:2", "1:1", "5:1".
QString ScaleText(double scale);

// The drawing to scale with its scale written under it.
TBlock ProfileBlock(const TTypeface& type, const TDxfDrawing& drawing);
