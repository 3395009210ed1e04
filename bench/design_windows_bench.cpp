// Opening the largest design into the windows, with every result and picture rebuilt, and
// saving it from them.
#include "windows/main/design_windows.h"
#include "windows/main/tform1.h"
#include "windows/main/window_set.h"
#include "common/messages.h"
#include "common/number_text.h"
#include "document/design_file.h"
#include "largest_design.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void OpenDesign(benchmark::State& run)
{
    const QByteArray json = DesignToJson(LargestDesign());
    for (auto _ : run) OpenDesignDocument(json);
}
BENCHMARK(OpenDesign)->Unit(benchmark::kMillisecond);

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
    QStandardPaths::setTestModeEnabled(true); // the recent files of the user stay as they are
    SetDecimalSeparator('.');
    SetMessageSink([](const QString& text) { qWarning("%s", qPrintable(text)); });
    CreateWindowSet();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    DestroyWindowSet();
    return 0;
}
