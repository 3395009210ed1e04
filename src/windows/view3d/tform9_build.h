// The 3D build: the drawing text becomes the solid of revolution in the 3D window.
#pragma once

#include <QStringList>
#include <cstdint>

// Sorts the memo lines in place (the caller writes them back to the editor), extracts the
// profile points into the analysis state with its span, fills the solid's nodes, hides the
// editor and brings the 3D window to the front. A failure leaves the points, the nodes and both
// windows as they were.
void Build3DModel(QStringList& memo, uint8_t arcSteps);
