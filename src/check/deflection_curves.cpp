#include "check/deflection_curves.h"

#include <algorithm>

std::vector<TCurveSample> DeflectionCurves(const TShaftDeflection& deflection, const TShaftGeometry& shaft, int count)
{
    count = std::max(count, 2);
    std::vector<TCurveSample> samples;
    samples.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const long double x = shaft.Start() + (shaft.End() - shaft.Start()) * i / (count - 1);
        samples.push_back({x, deflection.Horizontal.At(x), deflection.Vertical.At(x), deflection.Resultant(x)});
    }
    return samples;
}
