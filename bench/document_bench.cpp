// Writing, and reading with its full check, the largest design the entry allows: 255 forces and
// 255 moments in each plane, both planes calculated, and a profile of 256 statements.
#include "common/number_text.h"
#include "document/design_file.h"
#include "largest_design.h"

#include <benchmark/benchmark.h>

namespace {

void WriteDesign(benchmark::State& run)
{
    const TDesign design = LargestDesign();
    for (auto _ : run) benchmark::DoNotOptimize(DesignToJson(design));
}
BENCHMARK(WriteDesign)->Unit(benchmark::kMillisecond);

void ReadAndCheckDesign(benchmark::State& run)
{
    const QByteArray json = DesignToJson(LargestDesign());
    for (auto _ : run) benchmark::DoNotOptimize(DesignFromJson(json));
}
BENCHMARK(ReadAndCheckDesign)->Unit(benchmark::kMillisecond);

} // namespace

// The statements are written with the decimal point, whatever the machine's locale.
int main(int argc, char** argv)
{
    SetDecimalSeparator('.');
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
