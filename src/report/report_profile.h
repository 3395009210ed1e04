// The drawn shaft on paper to a standard scale: its outline and centre line, dimensioned from its
// steps, with the bearings and loads marked; its scale, and the radii and chamfers too small to
// label, listed under it.
#pragma once

#include "export/dxf_export.h"
#include "report/drawing_layout.h"
#include "report/report_layout.h"

// The largest standard scale (10:1 down to 1:1000) at which `drawing` fits `width` x `height` mm.
double DrawingScale(const TDxfDrawing& drawing, double width, double height);
// "1:2", "1:1", "5:1".
QString ScaleText(double scale);

std::vector<TBlock> ProfileBlocks(const TTypeface& type, const TDxfDrawing& drawing, const std::vector<TProfileStep>& steps,
                                  const std::vector<TDrawingMark>& marks);
