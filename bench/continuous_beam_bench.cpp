// The reactions of the largest plane a shaft on bearings can carry: eight bearings, 255 forces and
// 255 couples along a 1000 mm shaft, on a uniform section (rigid bearings) and on a shaft of ten
// steps with a cone after each (every other bearing elastic). Each "Cold" benchmark is a single
// call; run alone, it is the first use in a fresh process.
#include "analysis/continuous_beam.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

std::vector<TBeamSupport> EightBearings(bool elastic)
{
    std::vector<TBeamSupport> supports;
    for (int n = 0; n < 8; ++n) supports.push_back({40 + n * 130.0L, elastic && n % 2 ? 1e5L * n : 0});
    return supports;
}

std::vector<TBeamLoad> LargestLoading()
{
    std::vector<TBeamLoad> loads;
    for (int n = 1; n <= 255; ++n) {
        loads.push_back({n * 3.9L, (n % 2 ? -1 : 1) * (100.0L + n), 0});
        loads.push_back({n * 3.9L + 1.3L, 0, 50.0L * n * (n % 3 ? 1 : -1)});
    }
    return loads;
}

// Ten cylinders of 40 to 70 mm, 100 mm long; each begins with a step down by 5 mm and a 10 mm cone
// back up to its diameter. E I by d^4 as a product: powl alone would take most of the solve.
long double TenStepsWithCones(long double x)
{
    static constexpr long double kDiameters[10] = {55, 66.7, 70, 61.5, 48.3, 40.3, 43.8, 55.7, 67.4, 69.7};
    const int step = std::clamp(int(x / 100), 0, 9);
    const long double along = x - step * 100.0L, d = kDiameters[step];
    const long double diameter = along < 10 ? d - 5 + along / 2 : d;
    return 210000 * kPi * diameter * diameter * diameter * diameter / 64;
}

TBeamSection SteppedSection()
{
    TBeamSection section{{}, TenStepsWithCones};
    for (int step = 1; step < 10; ++step) section.Joints.push_back(step * 100.0L);
    for (int step = 0; step < 10; ++step) section.Joints.push_back(step * 100.0L + 10);
    return section;
}

void Solve(benchmark::State& run, const std::vector<TBeamSupport>& supports, const TBeamSection& section)
{
    const std::vector<TBeamLoad> loads = LargestLoading();
    for (auto _ : run) benchmark::DoNotOptimize(SupportReactions(supports, loads, section));
}

void Uniform(benchmark::State& run) { Solve(run, EightBearings(false), {}); }
void Stepped(benchmark::State& run) { Solve(run, EightBearings(true), SteppedSection()); }

BENCHMARK(Uniform)->Name("ColdUniform")->Iterations(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Stepped)->Name("ColdStepped")->Iterations(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Uniform)->Unit(benchmark::kMicrosecond);
BENCHMARK(Stepped)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
