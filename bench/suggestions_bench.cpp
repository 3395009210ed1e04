// What to change on the largest design: 255 forces and 255 moments per plane and a profile of
// 256 cylinders, once with bare steps and once with a face at every step, whose sharp corners
// the fillet suggestion redraws. The fatigue page is made beforehand, as the shaft check makes it;
// only the suggestions are timed. The first run in the process is timed apart (cold) and written
// to the error stream, so that --benchmark_format=csv stays CSV.
#include "largest_design.h"

#include "analysis/analysis_state.h"
#include "check/fatigue_report.h"
#include "check/steel_grades.h"
#include "check/suggestions.h"
#include "document/decimal_texts.h"
#include "document/design_replay.h"
#include "report/checks_without_windows.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

struct TBenchDesign {
    TAnalysisState Analysis;
    TData Data;
    TAppliedDimensioning Applied;
    QStringList Memo;
    std::vector<long double> Loads;
    TCheckInputs Inputs;
    TFatigueReport Report;
    long double Ruling = 0;
};

// A face wherever two neighbouring cylinders differ.
QStringList WithFaces(QStringList lines)
{
    for (int n = 1; n < 256; ++n) {
        const long double x = n * 3.9L, r1 = 20 + (n - 1) % 7 / 3.0L, r2 = 20 + n % 7 / 3.0L;
        if (r1 != r2) lines << "line " + FloatToStr(x) + "/" + FloatToStr(r1) + "/" + FloatToStr(x) + "/" + FloatToStr(r2) + "/0/";
    }
    return lines;
}

void MakeBenchDesign(TBenchDesign& made, bool faces)
{
    TDesign design = LargestDesign();
    if (faces) design.Profile = WithFaces(design.Profile);
    ReplayDesign(design, made.Analysis, made.Data);
    made.Applied = {design.Dimensioning.Material, design.Dimensioning.TwistCycle};
    made.Memo = ShownDecimals(design).Profile;
    made.Loads = LoadPositions(design.Horizontal, design.Vertical, design.Elements);
    made.Inputs = design.Check;
    made.Report = MakeFatigueReport(made.Analysis, made.Data, made.Applied, made.Memo, 20, made.Inputs);
    made.Ruling = LargestDrawnDiameter(DrawnContour(made.Memo, 20));
}

const TBenchDesign& Design(bool faces)
{
    static TBenchDesign bare, faced;
    static const bool made = (MakeBenchDesign(bare, false), MakeBenchDesign(faced, true), true);
    return made && faces ? faced : bare;
}

TSuggestions Suggest(const TBenchDesign& design)
{
    return SuggestForFatiguePage(design.Report, {design.Analysis, design.Data, design.Applied, design.Memo, 20,
                                                 design.Inputs, design.Loads, design.Ruling});
}

void SuggestionsOfTheLargestDesign(benchmark::State& state)
{
    const TBenchDesign& design = Design(false);
    for (auto _ : state) benchmark::DoNotOptimize(Suggest(design));
}
BENCHMARK(SuggestionsOfTheLargestDesign)->Unit(benchmark::kMillisecond);

void SuggestionsOfTheLargestDesignWithFaces(benchmark::State& state)
{
    const TBenchDesign& design = Design(true);
    for (auto _ : state) benchmark::DoNotOptimize(Suggest(design));
}
BENCHMARK(SuggestionsOfTheLargestDesignWithFaces)->Unit(benchmark::kMillisecond);

void TimeCold(const char* name, const TBenchDesign& design)
{
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    const TSuggestions suggestions = Suggest(design);
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    const double cpu = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::fprintf(stderr, "%s, first run in the process: %.3f ms (CPU %.3f ms), %zu rows suggested, %zu more failing\n",
                 name, spent.count(), cpu, suggestions.Rows.size(), suggestions.MoreFailing);
}

} // namespace

int main(int argc, char** argv)
{
    Design(false);
    TimeCold("Suggestions of the largest design", Design(false));
    TimeCold("Suggestions of the largest design with faces", Design(true));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
