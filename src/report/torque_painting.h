// The twisting moment along the shaft, T(x), as a staircase over the shaft's length with its axes
// in N*m and mm: on the check window's page and in the report alike, in the painter's units.
#pragma once

#include "analysis/torque_line.h"

#include <QColor>
#include <QRectF>
#include <vector>

class QPainter;

struct TTorquePlotContent {
    std::vector<TTorqueStep> Steps; // N*m
    long double ShaftLength = 0;    // mm
};

inline const QColor kTorqueCurveColor(150, 0, 150);

// Nothing is drawn without steps.
void PaintTorquePlot(QPainter& painter, const QRectF& area, const TTorquePlotContent& content);
