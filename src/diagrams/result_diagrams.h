// What "Calculate" adds to the page: guide lines at the load positions, the shear diagram
// (axis 235, positive above), the moment diagram (axis 335, positive below) and the Mmax marker.
// A diagram whose values are all 0 lies flat on its axis; nothing is drawn without a shaft.
#pragma once

#include "analysis/analysis_state.h"
#include "canvas/canvas.h"

#include <QColor>
#include <QString>

// Vertical lines from row 55 to 380 at every term position, in the current pen colour.
void DrawTermGuides(Canvas& canvas, const Tincarcare& terms, long double shaftLength);

// One step per segment between neighbouring terms, hatched every 20 columns in the pen colour.
void DrawShearDiagram(Canvas& canvas, const Tav2& shear, const Tincarcare& terms,
                      long double shaftLength);

// Straight courses between the terms with the jumps of concentrated moments, hatched every 20
// columns. Its scale comes from MaxMoment, which sets state.CriticalX and state.CriticalSection.
void DrawMomentDiagram(Canvas& canvas, TAnalysisState& state, const Tav& moments,
                       const Tincarcare& terms);

// Circle on the shaft axis at `column`, a line down to row 380 and "Mmax= <value> N*mm" at row
// 385. Leaves the pen colour as it was and the font colour black.
void DrawMmaxMarker(Canvas& canvas, int column, const QColor& circleColor, const QColor& lineColor,
                    long double mmax, const QString& numFormat);
