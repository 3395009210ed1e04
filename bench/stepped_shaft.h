// The largest drawing the benchmarks of the strength checks use: 256 statements, 128 cylinders
// and their shoulders along a 10,000 mm shaft analysed at 255 positions, and that analysis.
#pragma once

#include "profile/dhl_statement.h"

#include <QStringList>
#include <cmath>
#include <cstdint>

constexpr long double kShaftLength = 10000;
constexpr int kPositions = 255;

inline QStringList SteppedShaftText()
{
    QStringList memo;
    const int steps = 128;
    const long double stepLength = kShaftLength / steps;
    for (int k = 0; k < steps; ++k) {
        const long double r = 150 + 60 * std::sin(k * 0.3L);
        const long double next = 150 + 60 * std::sin((k + 1) * 0.3L);
        const long double start = stepLength * k;
        memo << WriteLineStatement({start, r, start + stepLength, r, false});
        memo << WriteLineStatement({start + stepLength, r, start + stepLength, next, false});
    }
    return memo;
}

// Both planes calculated over the shaft: a sine of bending in each, analysed at every position,
// the bearings at the ends. `shaft` is anything with the analysis's points and diagrams.
template <class TShaft>
void AnalyseAlongTheShaft(TShaft& shaft)
{
    shaft.ShaftLength = kShaftLength;
    for (int n = 0; n < kPositions; ++n) {
        const long double x = n * kShaftLength / (kPositions - 1);
        const long double bending = 4e7L * std::sin(3.14159L * x / kShaftLength);
        shaft.Points.push_back({uint8_t(n == 0 || n == kPositions - 1), x});
        shaft.HorzDiagram.push_back({bending, bending, x});
        shaft.VertDiagram.push_back({bending / 2, bending / 2, x});
    }
}
