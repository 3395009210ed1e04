// The results text of "Calculate" on the largest plane the byte counters allow, with values so
// large that every equation line runs over many rows of the page: 255 forces of 1e300 N. The
// layout alone, and the whole report on a page that grows to hold it.
#include "gui_benchmark_main.h"
#include "analysis/solver.h"
#include "canvas/canvas.h"
#include "diagrams/calculation_report.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

TAnalysisState HugeForcesPlane()
{
    TAnalysisState state;
    state.ShaftLength = 1000;
    state.Reactions = {{"RHA", 1, 'f', 0, 0, 1, 0}, {"RHB", 1, 'f', 1000, 0, 1, 0}};
    state.ReactionSumText = "RHA+RHB";
    for (int n = 1; n <= 255; ++n)
        state.Forces.push_back({"FH" + QString::number(n), 0, 'f', n * 3.9L, 1e300L, uint8_t(n % 2), 0});
    state.BearingCount = 2;
    state.ForceCount = 255;
    TData data;
    data.SetOriz(true);
    SolvePlane(state, data);
    return state;
}

void LayOutHugeForcesReport(benchmark::State& run)
{
    const TAnalysisState solved = HugeForcesPlane();
    QImage image(kPageWidth, kPageHeight, QImage::Format_RGB32);
    Canvas page(image);
    const TLineFits fits = PageLineFits(page);
    size_t rows = 0;
    for (auto _ : run) {
        TAnalysisState state = solved;
        rows = ReportTexts(state, true, fits).size();
    }
    run.counters["rows"] = double(rows);
}
BENCHMARK(LayOutHugeForcesReport)->Unit(benchmark::kMillisecond);

// The whole report as "Calculate" writes it: diagrams, the page grown to hold the text, the text.
void WriteHugeForcesReport(benchmark::State& run)
{
    const TAnalysisState solved = HugeForcesPlane();
    int height = 0;
    for (auto _ : run) {
        TAnalysisState state = solved;
        QImage image(kPageWidth, kPageHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        Canvas page(image);
        WriteCalculationReport(page, state, true);
        height = image.height();
    }
    run.counters["page_rows"] = height;
}
BENCHMARK(WriteHugeForcesReport)->Unit(benchmark::kMillisecond);

} // namespace

KORVEL_GUI_BENCHMARK_MAIN()
