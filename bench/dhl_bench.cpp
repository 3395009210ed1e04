// The drawing text at its largest: 256 statements of steps, fillets and shoulders along a
// 10,000 mm shaft analysed at 255 positions. Each operation runs after every edit in the editor.
#include "gui_benchmark_main.h"
#include "profile/dhl_rendering.h"
#include "profile/dhl_statement.h"
#include "profile/midpoint_sort.h"
#include "profile/profile_points.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr long double kShaftLength = 10000;

// Per step: the cylinder up to 2 mm before the shoulder, a 2 mm fillet down to the shoulder,
// and the shoulder itself; the last cylinder runs to the end of the shaft.
QStringList SteppedShaftText()
{
    QStringList memo;
    const int steps = 85;
    const long double stepLength = kShaftLength / (steps + 1);
    long double start = 0;
    for (int k = 0; k < steps; ++k) {
        const long double x = stepLength * (k + 1);
        const long double r = 120 - (k % 3) * 20;
        const long double next = 120 - ((k + 1) % 3) * 20;
        memo << WriteLineStatement({start, r, x - 2, r, false});
        memo << WriteArcStatement({x - 4, r - 4, x, r, x - 2, r, x, r - 2});
        memo << WriteLineStatement({x, r - 2, x, next, false});
        start = x;
    }
    memo << WriteLineStatement({start, 120 - (steps % 3) * 20, kShaftLength, 120 - (steps % 3) * 20, false});
    return memo;
}

TAnalysisState AnalysedShaft()
{
    TAnalysisState analysis;
    analysis.ShaftLength = kShaftLength;
    for (int n = 0; n < 255; ++n) analysis.Points.push_back({uint8_t(n == 0 || n == 254), n * kShaftLength / 254});
    return analysis;
}

void MidpointSortOfShuffledText(benchmark::State& run)
{
    QStringList shuffled = SteppedShaftText();
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    for (auto _ : run) {
        QStringList memo = shuffled;
        memo.detach();
        MidpointSort(memo);
        benchmark::DoNotOptimize(memo);
    }
}
BENCHMARK(MidpointSortOfShuffledText)->Unit(benchmark::kMicrosecond);

void GeneratePass(benchmark::State& run)
{
    const QStringList memo = SteppedShaftText();
    const TAnalysisState analysis = AnalysedShaft();
    TEditorState state;
    QImage image(605, 725, QImage::Format_RGB32);
    Canvas target(image);
    for (auto _ : run) Generate(memo, target, state, analysis);
}
BENCHMARK(GeneratePass)->Unit(benchmark::kMicrosecond);

void ProfileExtraction(benchmark::State& run)
{
    const QStringList text = SteppedShaftText();
    TModel points;
    for (auto _ : run) {
        QStringList memo = text;
        ExtractProfilePoints(memo, points, 20);
        benchmark::DoNotOptimize(points.data());
    }
}
BENCHMARK(ProfileExtraction)->Unit(benchmark::kMicrosecond);

} // namespace

KORVEL_GUI_BENCHMARK_MAIN()
