// The figures an engineer judges a shaft's stiffness by: the slope at each bearing, the
// deflection at each load, and the largest deflection in each span and on each overhang, each
// against its limit and each deflection named with the stretch of shaft it lies on.
#pragma once

#include "check/deflection.h"

#include <QStringList>
#include <vector>

enum class TFigureKind { Slope, Deflection };

struct TDeflectionRow {
    QString Label;
    TFigureKind Kind = TFigureKind::Deflection;
    long double Position = 0;
    long double Horizontal = 0, Vertical = 0, Resultant = 0; // mm or rad
    long double Limit = 0;
    bool Exceeds = false;
};

struct TDeflectionLimits {
    long double Slope = 0; // rad
    // mm of deflection per mm of span; an overhang counts twice its length (it bends as one half
    // of a span does).
    long double Ratio = 0;
};

// Both planes' elastic lines with the bearings they were solved on, A first, in the order of entry.
struct TStiffnessInputs {
    const TShaftDeflection& Deflection;
    const TShaftGeometry& Shaft;
    const std::vector<long double>& Bearings;
};

// A span between two neighbouring bearings or an overhang beyond the outermost one.
struct TStretch {
    QString Name; // "span A-B", "overhang left of A", "overhang right of C"
    long double From = 0, To = 0;
    long double Limit = 0; // mm
};

// Spans from left to right, then the left and the right overhang where the shaft reaches past its
// bearings. Bearings are named by their order of entry, whatever their order along the shaft.
std::vector<TStretch> Stretches(const TShaftGeometry& shaft, const std::vector<long double>& bearings, long double ratio);

std::vector<TDeflectionRow> DeflectionRows(const TStiffnessInputs& inputs, const std::vector<long double>& loads,
                                           const TDeflectionLimits& limits);

// The largest resultant deflection over `from` to `to` and where it lies.
struct TLargest {
    long double Position = 0;
    long double Value = 0;
};
TLargest LargestDeflection(const TShaftDeflection& deflection, long double from, long double to);

QStringList DeflectionHeadings();
// Slopes in rad with arc minutes beside them, deflections in mm.
QStringList DeflectionCells(const TDeflectionRow& row);
