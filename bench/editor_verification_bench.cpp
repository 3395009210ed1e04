// A pointer move over the editor's drawing while the strength check is open, on a 10,000 mm shaft
// with a load in the middle: the move redraws the picture, but the weakest-section scan over
// every millimetre runs only when the drawing or the analysis changes.
#include "analysis/analysis_state.h"
#include "common/messages.h"
#include "common/number_text.h"
#include "windows/editor/tform7.h"
#include "windows/main/window_set.h"
#include "window_set_scope.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

constexpr long double kShaftLength = 10000;

void AnalyseLongShaft()
{
    Analysis.ShaftLength = kShaftLength;
    Analysis.Points = {{1, 0}, {0, 5000}, {1, kShaftLength}};
    Analysis.PointCount = 3;
    Analysis.HorzDiagram = {{0, 0, 0}, {3e7L, 3e7L, 5000}, {0, 0, kShaftLength}};
    Analysis.VertDiagram = {{0, 0, 0}, {4e7L, 4e7L, 5000}, {0, 0, kShaftLength}};
    Analysis.TorsionCoeff = 1;
    Analysis.AllowBendStress = 80;
}

// Steps of 200 mm with their shoulders: the first lies on row 120 from column 50 to 60.
void DrawSteppedShaft()
{
    QStringList memo;
    for (int k = 0; k < 50; ++k) {
        const int x = k * 200, r = 400 + (k % 2) * 50, next = 400 + ((k + 1) % 2) * 50;
        memo << QString("line %1/%2/%3/%2/0/").arg(x).arg(r).arg(x + 200);
        if (k < 49) memo << QString("line %1/%2/%1/%3/0/").arg(x + 200).arg(r).arg(next);
    }
    Form7->SetMemoLines(memo);
    Form7->BitBtn4Click();
    Form7->show();
    Form7->VerificationButtonClick();
}

void Move(int x, int y)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    Form7->Frame81Image1MouseMove(&event);
}

// On the first step, then far from every line: the second move redraws.
void MoveWithTheCheckOpen(benchmark::State& run)
{
    for (auto _ : run) {
        Move(55, 120);
        Move(300, 190);
    }
}
// The first moves of the process, registered first so that they run before any other.
BENCHMARK(MoveWithTheCheckOpen)->Name("FirstMovesWithTheCheckOpen")->Iterations(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(MoveWithTheCheckOpen)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const TWindowSetScope windows;
    AnalyseLongShaft();
    DrawSteppedShaft();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
