// The files the windows export, made from a design alone: the drawing as DXF, as the editor's
// "Export DXF..." writes it, and the solid as STL, as the 3D window's "Export STL..." writes it
// after a 3D build of the same drawing at the design's slices.
#pragma once

#include "document/design.h"

// The slices the 3D window sweeps at for the design's choice.
int SlicesOf(const TViewSettings& view);

void ExportDesignDxf(const TDesign& design, const QString& fileName);
void ExportDesignStl(const TDesign& design, const QString& fileName);
