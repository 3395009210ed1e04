// "Calculate" on the largest plane the byte counters allow: two bearings, 255 forces and 255
// moments, spread along a 1000 mm shaft. The first benchmark is the first use in a fresh process.
#include "analysis/solver.h"

#include <benchmark/benchmark.h>

namespace {

TAnalysisState LargestPlane()
{
    TAnalysisState state;
    state.ShaftLength = 1000;
    state.Reactions = {{"RHA", 1, 'f', 0, 0, 1, 0}, {"RHB", 1, 'f', 1000, 0, 1, 0}};
    for (int n = 1; n <= 255; ++n) {
        const long double position = n * 3.9L;
        const QString number = QString::number(n);
        state.Forces.push_back({"FH" + number, 0, 'f', position, 100.0L + n, uint8_t(n % 2), 0});
        state.Moments.push_back(
            {"MH" + number, 0, 'm', position + 1.3L, 50.0L * n, uint8_t(n % 3 == 0), 0});
    }
    state.BearingCount = 2;
    state.ForceCount = state.MomentCount = 255;
    return state;
}

void SolveLargestPlane(benchmark::State& run)
{
    const TAnalysisState entered = LargestPlane();
    TData data;
    data.SetOriz(true);
    for (auto _ : run) {
        run.PauseTiming();
        TAnalysisState state = entered;
        run.ResumeTiming();
        SolvePlane(state, data);
        benchmark::DoNotOptimize(state.Mmax);
    }
}
BENCHMARK(SolveLargestPlane)->Name("ColdSolveLargestPlane")->Iterations(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(SolveLargestPlane)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
