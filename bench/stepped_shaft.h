// The largest drawing the benchmarks of the strength checks use: 256 statements, 128 cylinders
// and their shoulders along a 10,000 mm shaft analysed at 255 positions.
#pragma once

#include "profile/dhl_statement.h"

#include <QStringList>
#include <cmath>

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
