// The figures an engineer judges a shaft's stiffness by: the slope at each bearing, the
// deflection at each load, and the largest deflection between the bearings and on each overhang,
// each against its limit.
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
    long double Slope = 0;      // rad
    long double Deflection = 0; // mm
};

// Both planes' elastic lines with the bearings they were solved on.
struct TStiffnessInputs {
    const TShaftDeflection& Deflection;
    const TShaftGeometry& Shaft;
    long double BearingA = 0, BearingB = 0;
};

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
