// Opening the largest design into the windows, with every result and picture rebuilt, and
// saving it from them.
#include "windows/main/design_windows.h"
#include "windows/main/tform1.h"
#include "windows/main/window_set.h"
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

namespace {

void OpenDesign(benchmark::State& run)
{
    const QByteArray json = DesignToJson(LargestDesign());
    for (auto _ : run) OpenDesignDocument(json);
}
BENCHMARK(OpenDesign)->Unit(benchmark::kMillisecond);

// What a user who starts the program and opens a file gets: every cache of the process cold.
// Each iteration times one open in a fresh copy of this program.
constexpr char kOpenOnce[] = "--open-once";

void OpenDesignInAFreshProcess(benchmark::State& run)
{
    for (auto _ : run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {kOpenOnce});
        child.waitForFinished(-1);
        bool ok = false;
        const double seconds = child.readAllStandardOutput().trimmed().toDouble(&ok);
        if (!ok) run.SkipWithError("the fresh process gave no time");
        run.SetIterationTime(seconds);
    }
}
BENCHMARK(OpenDesignInAFreshProcess)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

double TimeOneOpen()
{
    const QByteArray json = DesignToJson(LargestDesign());
    QElapsedTimer clock;
    clock.start();
    OpenDesignDocument(json);
    return double(clock.nsecsElapsed()) / 1e9;
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
    QApplication application(argc, argv);
    const TWindowSetScope windows;
    if (argc == 2 && QByteArray(argv[1]) == kOpenOnce) {
        std::printf("%.6f\n", TimeOneOpen());
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
