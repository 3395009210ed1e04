// Changing one of 32 elements on a shaft with 100 hand loads in each plane: both planes are entered
// again once, the elements' loads after the hand ones. Timed as the replay alone, and as the
// elements window's "Apply" does it through the windows, page and entry list included.
#include "document/design_replay.h"
#include "elements/element_entry.h"
#include "windows/entry/tform14.h"
#include "windows/main/design_windows.h"
#include "document/design_journal.h"
#include "window_set_scope.h"

#include <QApplication>
#include <QComboBox>
#include <benchmark/benchmark.h>

namespace {

constexpr long double kLength = 1000;

TMachineElement BenchElement(int i)
{
    TMachineElement element;
    element.Kind = TElementKind(i % 5);
    element.Position = 20 + 30 * i;
    element.Torque = 100 + 10 * (i / 2);
    element.Flow = i % 2 ? TPowerFlow::Driven : TPowerFlow::Driving;
    element.Angle = 37 * i;
    element.Diameter = 100 + 5 * i;
    element.HelixAngle = i % 3 ? 12 : 0;
    element.PitchConeAngle = 30;
    element.TensionRatio = 2.5;
    element.RadialFraction = 0.1;
    return element;
}

TDesign ShaftWithElements()
{
    TDesign design;
    design.ShaftLength = kLength;
    design.Horizontal = {TPlaneStep::Calculated, {{TEntryKind::Bearing, 0, 0, 1}, {TEntryKind::Bearing, kLength, 0, 1}}};
    design.Vertical = {TPlaneStep::Calculated, {}};
    for (int i = 0; i < 100; ++i)
        for (TPlaneEntries* plane : {&design.Horizontal, &design.Vertical})
            plane->Entries.push_back({TEntryKind::Force, 5 + 9.875L * i, 100.0L + i, uint8_t(i % 2)});
    for (int i = 0; i < 32; ++i) design.Elements.push_back(BenchElement(i));
    return design;
}

void ChangeElementAndReplay(benchmark::State& run)
{
    TDesign design = ShaftWithElements();
    for (auto _ : run) {
        design.Elements[0].Angle += 1;
        TAnalysisState state;
        InitialiseEntryState(state);
        TData data;
        ReplayDesign(design, state, data);
        benchmark::DoNotOptimize(state.VertReactions);
    }
}
// The first in a fresh process, then as the user repeats it.
BENCHMARK(ChangeElementAndReplay)->Name("ChangeElementAndReplay/first")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ChangeElementAndReplay)->Unit(benchmark::kMillisecond);

void ApplyElementsThroughTheWindows(benchmark::State& run)
{
    TDesign design = ShaftWithElements();
    ReplaceDesign(design);
    Form14->ShowElements();
    for (auto _ : run) {
        run.PauseTiming();
        design.Elements[0].Angle += 1;
        DesignJournal.Elements = design.Elements;
        Form14->ShowElements();
        run.ResumeTiming();
        Form14->ApplyButtonClick();
    }
}
BENCHMARK(ApplyElementsThroughTheWindows)->Name("ApplyElementsThroughTheWindows/first")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ApplyElementsThroughTheWindows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const TWindowSetScope windows;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
