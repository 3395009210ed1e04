// The calculation report of the largest design as a PDF: the pages replayed, the checks made,
// every page painted and the file's bytes written out. Warm, and once in a fresh process as a
// user who starts the program and exports at once gets it (fonts and caches cold).
#include "common/memory_reuse.h"
#include "largest_design.h"
#include "report/report_painting.h"

#include <QBuffer>
#include <QDate>
#include <QPdfWriter>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QByteArray LargestReport()
{
    return ReportPdfBytes(MakeReportDocument(LargestDesign(), "largest.korvel", QDate(2026, 1, 1)));
}

void ExportLargestDesignPdf(benchmark::State& run)
{
    qsizetype bytes = 0;
    for (auto _ : run) bytes = LargestReport().size();
    run.counters["KiB"] = double(bytes) / 1024;
}
BENCHMARK(ExportLargestDesignPdf)->Unit(benchmark::kMillisecond);

// The same shaft bored through in 32 steps of Ø14 to Ø18: every bore step a row of the steps
// table, a face and a diameter on the drawing.
void ExportLargestHollowDesignPdf(benchmark::State& run)
{
    TDesign design = LargestDesign();
    for (int n = 0; n < 32; ++n)
        design.Profile += "bore " + FloatToStr(n * 31.2L) + "/" + FloatToStr(7 + n % 3) + "/" + FloatToStr((n + 1) * 31.2L) + "/" +
                          FloatToStr(7 + n % 3) + "/";
    qsizetype bytes = 0;
    for (auto _ : run) bytes = ReportPdfBytes(MakeReportDocument(design, "hollow.korvel", QDate(2026, 1, 1))).size();
    run.counters["KiB"] = double(bytes) / 1024;
}
BENCHMARK(ExportLargestHollowDesignPdf)->Unit(benchmark::kMillisecond);

// Only the painting and the file, of a report already gathered.
void PaintLargestDesignPdf(benchmark::State& run)
{
    const TReportDocument report = MakeReportDocument(LargestDesign(), "largest.korvel", QDate(2026, 1, 1));
    int pages = 0;
    for (auto _ : run) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        pages = PaintReport(writer, report);
    }
    run.counters["pages"] = pages;
}
BENCHMARK(PaintLargestDesignPdf)->Unit(benchmark::kMillisecond);

// The two parts of gathering it: each plane's page drawn again, and the checks.
void ReplayLargestDesignPages(benchmark::State& run)
{
    const TDesign design = LargestDesign();
    int rows = 0;
    for (auto _ : run) rows = ReplayPlanePages(design).Planes.back().Page.height();
    run.counters["rows"] = rows;
}
BENCHMARK(ReplayLargestDesignPages)->Unit(benchmark::kMillisecond);

void CheckLargestDesign(benchmark::State& run)
{
    const TDesign design = LargestDesign();
    for (auto _ : run) benchmark::DoNotOptimize(CheckDesignWithoutWindows(design));
}
BENCHMARK(CheckLargestDesign)->Unit(benchmark::kMillisecond);

constexpr char kExportOnce[] = "--export-once";

void ExportLargestDesignPdfInAFreshProcess(benchmark::State& run)
{
    for (auto _ : run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {kExportOnce});
        child.waitForFinished(-1);
        bool ok = false;
        const double seconds = child.readAllStandardOutput().trimmed().toDouble(&ok);
        if (!ok) run.SkipWithError("the fresh process gave no time");
        run.SetIterationTime(seconds);
    }
}
BENCHMARK(ExportLargestDesignPdfInAFreshProcess)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    KeepLargeBlocksForReuse(); // as the program does
    QGuiApplication application(argc, argv);
    if (argc == 2 && QByteArray(argv[1]) == kExportOnce) {
        QElapsedTimer clock;
        clock.start();
        benchmark::DoNotOptimize(LargestReport());
        std::printf("%.6f\n", double(clock.nsecsElapsed()) / 1e9);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
