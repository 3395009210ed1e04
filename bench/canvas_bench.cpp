// One redraw of the profile editor's 650 x 200 bitmap: a white page, 100 lines of width 2 with
// square end marks, 20 arcs with round end marks, section lines and 40 labels.
#include "gui_benchmark_main.h"
#include "canvas/canvas.h"

#include <benchmark/benchmark.h>

namespace {

void DrawEditorPage(Canvas& canvas)
{
    canvas.Brush = TBrush();
    canvas.Rectangle(-1, -1, 651, 201);
    for (int k = 0; k < 100; ++k) {
        const int x = 20 + 6 * k;
        const int y = 100 - (k % 7) * 10;
        canvas.Pen.Width = 2;
        canvas.MoveTo(x, y);
        canvas.LineTo(x + 6, k % 2 ? y : y - 10);
        canvas.Pen.Width = 1;
        canvas.Rectangle(x - 3, y - 3, x + 3, y + 3);
        canvas.MoveTo(x, y);
        canvas.LineTo(x, 200 - y);
    }
    for (int k = 0; k < 20; ++k) {
        const int x = 20 + 30 * k;
        canvas.Pen.Width = 2;
        canvas.Arc(x, 40, x + 20, 60, x, 50, x + 10, 40);
        canvas.Pen.Width = 1;
        canvas.Ellipse(x - 3, 47, x + 3, 53);
    }
    for (int k = 0; k < 40; ++k) canvas.TextOut(10 + 15 * k, 180, "D40");
}

void RedrawEditorPage(benchmark::State& run)
{
    QImage image(650, 200, QImage::Format_RGB32);
    Canvas canvas(image);
    for (auto _ : run) {
        DrawEditorPage(canvas);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(RedrawEditorPage)->Unit(benchmark::kMicrosecond);

void FloodFillPage(benchmark::State& run)
{
    QImage image(595, 860, QImage::Format_RGB32);
    Canvas canvas(image);
    for (auto _ : run) {
        image.fill(Qt::white);
        canvas.FloodFill(300, 400, Qt::black);
    }
}
BENCHMARK(FloodFillPage)->Unit(benchmark::kMicrosecond);

} // namespace

KORVEL_GUI_BENCHMARK_MAIN()
