// The fatigue tab and the twist angle over the largest drawing: 256 statements (128 cylinders
// and their shoulders) along a 10,000 mm shaft analysed at 255 positions. The tab works them out
// whenever it is shown or an input changes. The first benchmark is the cold first use.
#include "check/fatigue_check.h"
#include "dimensioning/materials.h"
#include "check/twist_angle.h"
#include "stepped_shaft.h"

#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

struct TAnalysedShaft {
    TAnalysedShaft()
    {
        AnalyseAlongTheShaft(analysis);
        data.SetMT(2e6L);
    }

    TAnalysisState analysis;
    TData data;
    const QStringList memo = SteppedShaftText();
};

// What the tab does when shown: the notches and the contour from the text, every row worked
// out, and the cells of the rows its table view shows (it formats rows only as they scroll in).
constexpr size_t kVisibleRows = 20;

TFatigueCheck FillFatigueTab(const TAnalysedShaft& shaft)
{
    const TFatigueShaft drawing{FindNotches(shaft.memo), DrawnContour(shaft.memo, 20)};
    TFatigueCheck check = CheckFatigue(shaft.analysis, shaft.data, TTwistCycle::Pulsatory, drawing, {});
    for (size_t i = 0; i < std::min(kVisibleRows, check.Rows.size()); ++i) benchmark::DoNotOptimize(FatigueCells(check.Rows[i]));
    benchmark::DoNotOptimize(WeakestNotchText(check));
    return check;
}

void ColdFatigueTab(benchmark::State& run)
{
    const TAnalysedShaft shaft;
    for (auto _ : run) FillFatigueTab(shaft);
}
BENCHMARK(ColdFatigueTab)->Iterations(1)->Unit(benchmark::kMicrosecond);

void FatigueTab(benchmark::State& run)
{
    const TAnalysedShaft shaft;
    for (auto _ : run) FillFatigueTab(shaft);
}
BENCHMARK(FatigueTab)->Unit(benchmark::kMicrosecond);

void TwistAngleOverTheShaft(benchmark::State& run)
{
    const TAnalysedShaft shaft;
    const TContour contour = DrawnContour(shaft.memo, 20);
    for (auto _ : run) benchmark::DoNotOptimize(TwistAngle(contour, 2e6L, {1000, 9000}, kShaftLength, 81000, 0.25));
}
BENCHMARK(TwistAngleOverTheShaft)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
