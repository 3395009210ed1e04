// The strength verification of a long shaft (every analysed position plus the millimetre scan
// for the weakest section) and the binary STL of a finely sliced solid written to disk.
#include "export/stl_export.h"
#include "profile/verification.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr long double kShaftLength = 10000;
constexpr int kPositions = 255;
constexpr int kProfilePoints = 256;

Tav LongDiagram(long double scale)
{
    Tav diagram;
    for (int i = 0; i < kPositions; ++i) {
        const long double position = kShaftLength * i / (kPositions - 1);
        const long double left = scale * ((i * 7919) % 1000 + 100);
        diagram.push_back({left, left + (i % 5 == 0 ? scale * 100 : 0), position});
    }
    return diagram;
}

// A closed walk of steps of rising and falling radius along the whole shaft.
TModel SteppedContour()
{
    TModel contour{{0, 0}};
    const int steps = (kProfilePoints - 2) / 2;
    for (int i = 0; i < steps; ++i) {
        const long double radius = 40 + (i * 37) % 20;
        contour.push_back({kShaftLength * i / steps, radius});
        contour.push_back({kShaftLength * (i + 1) / steps, radius});
    }
    contour.push_back({kShaftLength, 0});
    return contour;
}

void VerificationOfALongShaft(benchmark::State& state)
{
    TAnalysisState analysis;
    analysis.ShaftLength = kShaftLength;
    for (int i = 0; i < kPositions; ++i) analysis.Points.push_back({0, kShaftLength * i / (kPositions - 1)});
    analysis.HorzDiagram = LongDiagram(3000);
    analysis.VertDiagram = LongDiagram(-4000);
    analysis.TorsionCoeff = 0.7;
    analysis.AllowBendStress = 80;
    TData data;
    data.SetMT(500000);
    const TModel walk = SteppedContour();
    TContour contour;
    for (size_t i = 1; i < walk.size(); ++i) contour.push_back({walk[i - 1].x, walk[i - 1].r, walk[i].x, walk[i].r});
    for (auto _ : state) benchmark::DoNotOptimize(VerifyShaft(analysis, data, contour));
}
BENCHMARK(VerificationOfALongShaft)->Unit(benchmark::kMillisecond);

// From the profile to the file, as the 3D window's export runs: the swept mesh and its writing.
void StlOfA256PointProfileAt100Slices(benchmark::State& state)
{
    const TModel profile = SteppedContour();
    QTemporaryDir folder;
    const QString fileName = folder.filePath("shaft.stl");
    size_t triangles = 0;
    for (auto _ : state) {
        const std::vector<TStlTriangle> solid = SolidTriangles(profile, 100);
        WriteStl(fileName, solid);
        triangles = solid.size();
    }
    state.counters["triangles"] = double(triangles);
}
BENCHMARK(StlOfA256PointProfileAt100Slices)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
