// The stiffness checks of the largest design: 255 forces and 255 moments per plane and a profile
// of 256 statements, half of them cones; and the critical speed of a shaft of 128 fillets, each
// arc 20 chords, the most pieces the mesh has to integrate across. The first run in the process
// is timed apart (cold) and written to the error stream, so that --benchmark_format=csv stays CSV.
#include "largest_design.h"

#include "check/check_request.h"
#include "check/deflection_curves.h"
#include "check/stiffness_and_speed.h"
#include "document/design_replay.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <cstdio>

namespace {

struct TBenchShaft {
    TAnalysisState Analysis;
    std::vector<long double> Loads;
    TContour Contour;
};

// Cylinders with a cone between each two of them, over the whole 1000 mm.
QStringList ConedProfile()
{
    QStringList profile;
    const auto radius = [](int n) { return 20 + (n % 7) / 3.0L; };
    for (int n = 0; n < 256; ++n) {
        const long double x1 = n * 1000.0L / 256, x2 = (n + 1) * 1000.0L / 256;
        const long double r1 = n % 2 ? radius(n - 1) : radius(n), r2 = n % 2 ? radius(n + 1) : radius(n);
        profile << "line " + FloatToStr(x1) + "/" + FloatToStr(r1) + "/" + FloatToStr(x2) + "/" + FloatToStr(r2) + "/0/";
    }
    return profile;
}

QString Line(long double x1, long double r1, long double x2, long double r2)
{
    return "line " + FloatToStr(x1) + "/" + FloatToStr(r1) + "/" + FloatToStr(x2) + "/" + FloatToStr(r2) + "/0/";
}

QString Arc(std::initializer_list<long double> numbers)
{
    QString text = "arc ";
    for (long double n : numbers) text += FloatToStr(n) + "/";
    return text;
}

// 129 steps of 7.75 mm alternating d 40 and d 46, a fillet of 1.5 mm in every inner corner, as
// the corner tool draws it.
QStringList FilletedProfile()
{
    constexpr long double kWidth = 7.75L, kFillet = 1.5L, f = kFillet;
    QStringList profile{Line(0, 0, 0, 20)};
    long double x = 0;
    for (int n = 0; n < 128; ++n) {
        const long double r = n % 2 ? 23 : 20, next = n % 2 ? 20 : 23, s = (n + 1) * kWidth;
        if (next > r) {
            profile << Line(x, r, s - f, r) << Arc({s - 2 * f, r + 2 * f, s, r, s, r + f, s - f, r}) << Line(s, r + f, s, next);
            x = s;
        } else {
            profile << Line(x, r, s, r) << Line(s, r, s, next + f) << Arc({s, next, s + 2 * f, next + 2 * f, s + f, next, s, next + f});
            x = s + f;
        }
    }
    return profile << Line(x, 20, 1000, 20) << Line(1000, 20, 1000, 0);
}

const TContour& FilletedContour()
{
    static const TContour contour = DrawnContour(FilletedProfile(), 20);
    return contour;
}

const TBenchShaft& Shaft()
{
    static const TBenchShaft shaft = [] {
        TBenchShaft made;
        const TDesign design = LargestDesign();
        TData data;
        ReplayDesign(design, made.Analysis, data);
        for (const TPlaneEntries* plane : {&design.Horizontal, &design.Vertical})
            for (const TLoadEntry& entry : plane->Entries)
                if (entry.Kind != TEntryKind::Bearing) made.Loads.push_back(entry.Position);
        made.Contour = DrawnContour(ConedProfile(), 20);
        return made;
    }();
    return shaft;
}

// Geometry, both elastic lines, the table (with its searches for the largest deflections) and
// the plot's samples: all that the "Deflection" page shows.
void CheckDeflection()
{
    const TBenchShaft& shaft = Shaft();
    TCheckInputs inputs;
    const TShaftGeometry geometry = ShaftGeometry(shaft.Contour, 0, 1000);
    const std::vector<TBearingGiving> rigid{{0, 0}, {1000, 0}};
    TShaftDeflection deflection{PlaneDeflection(geometry, shaft.Analysis.HorzDiagram, rigid, inputs.Modulus),
                                PlaneDeflection(geometry, shaft.Analysis.VertDiagram, rigid, inputs.Modulus)};
    const std::vector<long double> bearings{0, 1000};
    benchmark::DoNotOptimize(DeflectionRows({deflection, geometry, bearings}, shaft.Loads, {0.001L, 0.0003L}));
    benchmark::DoNotOptimize(DeflectionCurves(deflection, geometry, 401));
}

void CheckCriticalSpeed()
{
    const TShaftGeometry geometry = ShaftGeometry(Shaft().Contour, 0, 1000);
    benchmark::DoNotOptimize(FirstCriticalSpeed(geometry, 0, 1000, 210000, 7850, {{300, 20}, {700, 5}}));
}

void CheckFilletedSpeed()
{
    const TShaftGeometry geometry = ShaftGeometry(FilletedContour(), 0, 1000);
    benchmark::DoNotOptimize(FirstCriticalSpeed(geometry, 0, 1000, 210000, 7850, {{300, 20}, {700, 5}}));
}

void DeflectionOfTheLargestDesign(benchmark::State& state)
{
    for (auto _ : state) CheckDeflection();
}
BENCHMARK(DeflectionOfTheLargestDesign)->Unit(benchmark::kMillisecond);

void CriticalSpeedOfTheLargestDesign(benchmark::State& state)
{
    for (auto _ : state) CheckCriticalSpeed();
}
BENCHMARK(CriticalSpeedOfTheLargestDesign)->Unit(benchmark::kMillisecond);

void CriticalSpeedOf128Fillets(benchmark::State& state)
{
    for (auto _ : state) CheckFilletedSpeed();
}
BENCHMARK(CriticalSpeedOf128Fillets)->Unit(benchmark::kMillisecond);

// A pointer move over the editor: the request is made and compared, nothing is worked out.
void UnchangedRequestOfTheLargestDesign(benchmark::State& state)
{
    const TBenchShaft& shaft = Shaft();
    const QStringList memo = ConedProfile();
    const TCheckRequest last = MakeCheckRequest(shaft.Analysis, shaft.Loads, memo, 20, TCheckInputs{});
    for (auto _ : state) benchmark::DoNotOptimize(MakeCheckRequest(shaft.Analysis, shaft.Loads, memo, 20, TCheckInputs{}) == last);
}
BENCHMARK(UnchangedRequestOfTheLargestDesign)->Unit(benchmark::kMicrosecond);

template <class Function>
void TimeCold(const char* name, const Function& run)
{
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    run();
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    const double cpu = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::fprintf(stderr, "%s, first run in the process: %.3f ms (CPU %.3f ms)\n", name, spent.count(), cpu);
}

} // namespace

int main(int argc, char** argv)
{
    Shaft();
    TimeCold("Deflection", CheckDeflection);
    TimeCold("Critical speed", CheckCriticalSpeed);
    FilletedContour();
    TimeCold("Critical speed of 128 fillets", CheckFilletedSpeed);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
