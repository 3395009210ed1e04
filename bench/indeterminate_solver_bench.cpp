// "Calculate" on the largest plane on eight bearings: 255 forces and 255 moments over 1000 mm,
// solved on a uniform beam and on a drawn shaft of 256 steps read through the section choice.
// The first benchmark of each is the first use in a fresh process.
#include "check/plane_supports.h"

#include "common/number_text.h"

#include <benchmark/benchmark.h>

namespace {

TAnalysisState LargestPlaneOnEightBearings()
{
    TAnalysisState state;
    state.ShaftLength = 1000;
    for (int i = 0; i < kBearingLetters; ++i)
        state.Reactions.push_back({BearingName(i, true), 1, 'f', i * 1000.0L / 7, 0, 1, 0});
    for (int n = 1; n <= 255; ++n) {
        const long double position = n * 3.9L;
        const QString number = QString::number(n);
        state.Forces.push_back({"FH" + number, 0, 'f', position, 100.0L + n, uint8_t(n % 2), 0});
        state.Moments.push_back({"MH" + number, 0, 'm', position + 1.3L, 50.0L * n, uint8_t(n % 3 == 0), 0});
    }
    state.BearingCount = kBearingLetters;
    state.ForceCount = state.MomentCount = 255;
    return state;
}

// Steps of 20 to 22 mm in radius, 3.9 mm long, closed at both ends.
QStringList SteppedProfile()
{
    QStringList profile{"line 0/0/0/20/0/"};
    long double radius = 20;
    for (int n = 0; n < 256; ++n) {
        const long double x1 = n * 1000.0L / 256, x2 = (n + 1) * 1000.0L / 256, next = 20 + (n % 7) / 3.0L;
        if (next != radius) profile << "line " + FloatToStr(x1) + "/" + FloatToStr(radius) + "/" + FloatToStr(x1) + "/" + FloatToStr(next) + "/0/";
        radius = next;
        profile << "line " + FloatToStr(x1) + "/" + FloatToStr(radius) + "/" + FloatToStr(x2) + "/" + FloatToStr(radius) + "/0/";
    }
    profile << "line 1000/" + FloatToStr(radius) + "/1000/0/0/";
    return profile;
}

void Solve(benchmark::State& run, const TSectionSources& sources)
{
    const TAnalysisState entered = LargestPlaneOnEightBearings();
    TData data;
    data.SetOriz(true);
    for (auto _ : run) {
        run.PauseTiming();
        TAnalysisState state = entered;
        run.ResumeTiming();
        SolvePlane(state, data, PlaneSupports(state, sources, TCheckInputs{}));
        benchmark::DoNotOptimize(state.Mmax);
    }
}

// The section choice alone: the drawing read and checked as a beam over the bearings.
void ChooseDrawnSection(benchmark::State& run)
{
    const TAnalysisState entered = LargestPlaneOnEightBearings();
    const TSectionSources sources{SteppedProfile(), 20, 0};
    for (auto _ : run) benchmark::DoNotOptimize(PlaneSupports(entered, sources, TCheckInputs{}));
}

void SolveUniform(benchmark::State& run) { Solve(run, {}); }
void SolveDrawn(benchmark::State& run) { Solve(run, {SteppedProfile(), 20, 0}); }

BENCHMARK(SolveUniform)->Name("ColdSolveEightBearingsUniform")->Iterations(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(SolveUniform)->Name("SolveEightBearingsUniform")->Unit(benchmark::kMicrosecond);
BENCHMARK(SolveDrawn)->Name("ColdSolveEightBearingsDrawn")->Iterations(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(SolveDrawn)->Name("SolveEightBearingsDrawn")->Unit(benchmark::kMicrosecond);
BENCHMARK(ChooseDrawnSection)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
