// Opening the largest design into the windows, with every result and picture rebuilt, and
// saving it from them.
#include "windows/main/design_windows.h"
#include "windows/main/tform1.h"
#include "windows/main/window_set.h"
#include "common/memory_reuse.h"
#include "common/messages.h"
#include "common/number_text.h"
#include "document/design_file.h"
#include "largest_design.h"
#include "window_set_scope.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <utility>

namespace {

void OpenDesign(benchmark::State& run)
{
    const QByteArray json = DesignToJson(LargestDesign());
    for (auto _ : run) OpenDesignDocument(json);
}
BENCHMARK(OpenDesign)->Unit(benchmark::kMillisecond);

// What a user who starts the program and opens a file gets: every cache of the process cold.
// Each iteration times one open in a fresh copy of this program: the wall time, and as "cpu_ms"
// the processor time, which other work on a busy machine does not stretch.
constexpr char kOpenOnce[] = "--open-once";

void OpenDesignInAFreshProcess(benchmark::State& run)
{
    double processorSeconds = 0;
    for (auto _ : run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {kOpenOnce});
        child.waitForFinished(-1);
        const QList<QByteArray> times = child.readAllStandardOutput().trimmed().split(' ');
        bool wallRead = false, processorRead = false;
        const double wall = times.value(0).toDouble(&wallRead);
        processorSeconds += times.value(1).toDouble(&processorRead);
        if (!wallRead || !processorRead) run.SkipWithError("the fresh process gave no time");
        run.SetIterationTime(wall);
    }
    run.counters["cpu_ms"] = benchmark::Counter(processorSeconds * 1e3, benchmark::Counter::kAvgIterations);
}
BENCHMARK(OpenDesignInAFreshProcess)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

double ProcessorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The wall and processor seconds of one open.
std::pair<double, double> TimeOneOpen()
{
    const QByteArray json = DesignToJson(LargestDesign());
    QElapsedTimer clock;
    const double processorStart = ProcessorSeconds();
    clock.start();
    OpenDesignDocument(json);
    return {double(clock.nsecsElapsed()) / 1e9, ProcessorSeconds() - processorStart};
}

void SaveDesign(benchmark::State& run)
{
    OpenDesignDocument(DesignToJson(LargestDesign()));
    const QTemporaryDir folder;
    const QString fileName = folder.filePath("largest.korvel");
    for (auto _ : run) Form1->SaveFile(fileName);
}
BENCHMARK(SaveDesign)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    KeepLargeBlocksForReuse(); // as the program does
    QApplication application(argc, argv);
    const TWindowSetScope windows;
    if (argc == 2 && QByteArray(argv[1]) == kOpenOnce) {
        const auto [wall, processor] = TimeOneOpen();
        std::printf("%.6f %.6f\n", wall, processor);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
