// The section moment as the profile overlays ask for it: every millimetre of a 10,000 mm shaft
// whose planes each carry 255 diagram points.
#include "diagrams/section_moment.h"

#include <benchmark/benchmark.h>

namespace {

constexpr long double kShaftLength = 10000;
constexpr int kDiagramPoints = 255;

Tav LongDiagram(long double scale)
{
    Tav diagram;
    for (int i = 0; i < kDiagramPoints; ++i) {
        const long double position = kShaftLength * i / (kDiagramPoints - 1);
        const long double left = scale * ((i * 7919) % 1000 - 500);
        diagram.push_back({left, left + (i % 5 == 0 ? scale * 100 : 0), position});
    }
    return diagram;
}

void SectionMomentEveryMillimetre(benchmark::State& state)
{
    const Tav horz = LongDiagram(3);
    const Tav vert = LongDiagram(-4);
    const bool combine = state.range(0) != 0;
    for (auto _ : state) {
        long double sum = 0;
        for (int x = 0; x <= kShaftLength; ++x) sum += SectionMoment(horz, vert, combine, x);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(SectionMomentEveryMillimetre)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
