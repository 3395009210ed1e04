// A pointer move over the editor's drawing at its largest: 256 line statements (512 line
// records), 128 steps with their shoulders along a 1,000 mm shaft. Moving off a highlighted line
// redraws the picture once from the drawing text.
#include "gui_benchmark_main.h"
#include "profile/dhl_rendering.h"
#include "profile/dhl_statement.h"
#include "profile/editor_tools.h"
#include "profile/memo_text.h"

#include <benchmark/benchmark.h>

namespace {

constexpr long double kShaftLength = 1000;

QString SteppedShaftText()
{
    QStringList memo;
    for (int k = 0; k < 128; ++k) {
        const long double x = k * kShaftLength / 128, next = (k + 1) * kShaftLength / 128;
        const long double r = 10 + (k % 4) * 5, nextR = 10 + ((k + 1) % 4) * 5;
        memo << WriteLineStatement({x, r, next, r, false}) << WriteLineStatement({next, r, next, nextR, false});
    }
    return LinesText(memo);
}

struct TEditor {
    TEditor()
    {
        analysis.ShaftLength = kShaftLength;
        Generate(TextLines(text), target, state, analysis);
    }
    // The window's move: track, redraw once when something was lost, draw the new marks.
    void Move(int x, int y)
    {
        const QStringList memo = TextLines(text);
        const TTracking tracking = TrackPointer(state, memo, x, y, kShaftLength);
        if (tracking.Redraw) GenerateAgain(memo, target, state, analysis);
        DrawTracking(target, tracking, state, kShaftLength);
    }

    const QString text = SteppedShaftText();
    TAnalysisState analysis;
    TEditorState state;
    QImage image{605, 725, QImage::Format_RGB32};
    Canvas target{image};
};

// The first step lies on row 105 from column 50 to 54: the pointer is on it, then far from
// every line.
void MoveOverAndOffALine(benchmark::State& run)
{
    TEditor editor;
    for (auto _ : run) {
        editor.Move(52, 105);
        editor.Move(300, 190);
    }
}
BENCHMARK(MoveOverAndOffALine)->Unit(benchmark::kMicrosecond);

void MoveWithNothingToRemove(benchmark::State& run)
{
    TEditor editor;
    for (auto _ : run) editor.Move(300, 190);
}
BENCHMARK(MoveWithNothingToRemove)->Unit(benchmark::kMicrosecond);

} // namespace

KORVEL_GUI_BENCHMARK_MAIN()
