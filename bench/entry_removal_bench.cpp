// Taking back one load of the largest design: the plane is entered again without it, with the
// other plane, the page and the editor's points rebuilt.
#include "windows/entry/tform2.h"
#include "windows/main/design_windows.h"
#include "windows/main/window_set.h"
#include "common/messages.h"
#include "common/number_text.h"
#include "document/design_file.h"
#include "largest_design.h"
#include "window_set_scope.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// The vertical plane is the one in entry, as after opening: its last moment is taken back.
void TakeBackLoad(benchmark::State& run)
{
    const QByteArray json = DesignToJson(LargestDesign());
    for (auto _ : run) {
        run.PauseTiming();
        OpenDesignDocument(json);
        run.ResumeTiming();
        Form2->TakeBackLast();
    }
}
// The first in a fresh process, then as the user repeats it.
BENCHMARK(TakeBackLoad)->Name("TakeBackLoad/first")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(TakeBackLoad)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const TWindowSetScope windows;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
