// `korvel --check` as a script meets it: the whole process from start to exit, for the largest
// design, and for a folder of a hundred typical designs checked in one call.
#include "../tests/document/design_samples.h"
#include "document/design_file.h"
#include "largest_design.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString Save(const QTemporaryDir& folder, const QString& name, const TDesign& design)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) std::abort();
    file.write(DesignToJson(design));
    return file.fileName();
}

void Check(const QStringList& files)
{
    QProcess program;
    program.start(KORVEL_PROGRAM, QStringList{"--check"} + files);
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit) std::abort();
    benchmark::DoNotOptimize(program.readAllStandardOutput());
}

void CheckLargestDesign(benchmark::State& run)
{
    const QTemporaryDir folder;
    const QString file = Save(folder, "largest.korvel", LargestDesign());
    for (auto _ : run) Check({file});
}
BENCHMARK(CheckLargestDesign)->Unit(benchmark::kMillisecond)->UseRealTime();

// The small shaft of the tests, drawn as a stepped cylinder.
void CheckHundredDesigns(benchmark::State& run)
{
    const QTemporaryDir folder;
    TDesign design = SmallDesign();
    design.Profile = {"line 0/0/0/30/0/", "line 0/30/40/30/0/", "line 40/30/40/40/0/", "line 40/40/100/40/0/",
                      "line 100/40/100/0/0/"};
    QStringList files;
    for (int i = 0; i < 100; ++i) files << Save(folder, QString("design%1.korvel").arg(i), design);
    for (auto _ : run) Check(files);
}
BENCHMARK(CheckHundredDesigns)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
