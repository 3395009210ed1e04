// The elastic lines of both planes and their resultant drawn over the shaft's outline, with the
// slopes below them, all on one scale along the shaft: on the check window's page and in the
// report alike, in the painter's units (screen pixels on the page).
#pragma once

#include "check/deflection_curves.h"

#include <QColor>
#include <QRectF>

class QPainter;

struct TDeflectionPlotContent {
    TShaftGeometry Shaft;
    std::vector<long double> Bearings;
    std::vector<TCurveSample> Samples;
};

// The curves' colours, also those of the legend.
inline const QColor kHorizontalCurveColor(0, 90, 200);
inline const QColor kVerticalCurveColor(0, 140, 0);
inline const QColor kResultantCurveColor(200, 0, 0);

// Nothing is drawn without samples.
void PaintDeflectionPlot(QPainter& painter, const QRectF& area, const TDeflectionPlotContent& content);
