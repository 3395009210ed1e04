// The elastic lines sampled along the drawn shaft, for a plot.
#pragma once

#include "check/deflection.h"

#include <vector>

struct TCurveSample {
    long double X = 0;
    TElasticPoint Horizontal, Vertical, Resultant;
};

// `count` samples evenly from the shaft's start to its end (at least two).
std::vector<TCurveSample> DeflectionCurves(const TShaftDeflection& deflection, const TShaftGeometry& shaft, int count);
