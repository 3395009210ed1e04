#include "check/deflection_curves.h"

#include <algorithm>
#include <cmath>

std::vector<TCurveSample> DeflectionCurves(const TShaftDeflection& deflection, const TShaftGeometry& shaft, int count)
{
    count = std::max(count, 2);
    std::vector<TCurveSample> samples;
    samples.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const long double x = shaft.Start() + (shaft.End() - shaft.Start()) * i / (count - 1);
        const TElasticPoint h = deflection.Horizontal.At(x), v = deflection.Vertical.At(x);
        samples.push_back({x, h, v, {std::hypot(h.Deflection, v.Deflection), std::hypot(h.Slope, v.Slope)}});
    }
    return samples;
}
