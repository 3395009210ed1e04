// The files the windows export, made from a design alone: the drawing as DXF, as the editor's
// "Export DXF..." writes it, the solid as STL, as the 3D window's "Export STL..." writes it
// after a 3D build of the same drawing at the design's slices, and the calculation report as PDF.
#pragma once

#include "document/design.h"

// The slices the 3D window sweeps at for the design's choice.
int SlicesOf(const TViewSettings& view);

void ExportDesignDxf(const TDesign& design, const QString& fileName);
void ExportDesignStl(const TDesign& design, const QString& fileName);
// `designName` is the design's own file, named in the report. Needs an application object for
// the fonts.
void ExportDesignPdf(const TDesign& design, const QString& designName, const QString& fileName);
