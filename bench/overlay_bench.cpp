// The editor's Generate pass with all three strength overlays on, over the largest drawing: 256
// statements (128 cylinders and their shoulders) along a 10,000 mm shaft analysed at 255
// positions. The pass runs after every edit, on every pointer move that drops a highlight, and on
// every step of a zoom or a pan.
#include "gui_benchmark_main.h"
#include "profile/dhl_rendering.h"
#include "profile/editor_zoom.h"
#include "profile/strength_overlays.h"

#include "stepped_shaft.h"

#include <benchmark/benchmark.h>

namespace {

// Both planes calculated: a moment diagram per plane over every analysed position.
TStrengthInputs AnalysedShaft()
{
    TStrengthInputs inputs;
    inputs.TwistingMoment = 2e6L;
    inputs.TorsionCoeff = 0.571L;
    inputs.AllowBendStress = 40;
    AnalyseAlongTheShaft(inputs);
    return inputs;
}

TAnalysisState AnalysisOf(const TStrengthInputs& inputs)
{
    TAnalysisState analysis;
    analysis.ShaftLength = inputs.ShaftLength;
    analysis.Points = inputs.Points;
    return analysis;
}

void SwitchAllOn(TEditorState& state)
{
    state.ShowDiameters = true;
    state.ShowEqualStrength = true;
    state.ShowRecommended = true;
}

// Every pass after the first: the analysis is unchanged, so d(x) is not worked out again.
void GeneratePassWithOverlays(benchmark::State& run)
{
    const QStringList memo = SteppedShaftText();
    const TStrengthInputs inputs = AnalysedShaft();
    const TAnalysisState analysis = AnalysisOf(inputs);
    TEditorState state;
    SwitchAllOn(state);
    InstallStrengthOverlays(state, [&] { return inputs; });
    QImage image(605, 725, QImage::Format_RGB32);
    Canvas target(image);
    for (auto _ : run) Generate(memo, target, state, analysis);
}
BENCHMARK(GeneratePassWithOverlays)->Unit(benchmark::kMicrosecond);

// The first pass after the analysis changed: every millimetre station worked out.
void FirstPassAfterAChange(benchmark::State& run)
{
    const QStringList memo = SteppedShaftText();
    TStrengthInputs inputs = AnalysedShaft();
    const TAnalysisState analysis = AnalysisOf(inputs);
    TEditorState state;
    SwitchAllOn(state);
    InstallStrengthOverlays(state, [&] { return inputs; });
    QImage image(605, 725, QImage::Format_RGB32);
    Canvas target(image);
    for (auto _ : run) {
        inputs.TwistingMoment += 1;
        Generate(memo, target, state, analysis);
    }
}
BENCHMARK(FirstPassAfterAChange)->Unit(benchmark::kMicrosecond);

// Panning back and forth at 16 times the whole shaft: every step maps the text, the positions and
// the curve's stations near the view afresh; d(x) itself is kept. Run first in a fresh process
// once, cold.
void PanStepAtZoom16(benchmark::State& run)
{
    const QStringList memo = SteppedShaftText();
    const TStrengthInputs inputs = AnalysedShaft();
    const TAnalysisState analysis = AnalysisOf(inputs);
    TEditorState state;
    SwitchAllOn(state);
    InstallStrengthOverlays(state, [&] { return inputs; });
    state.Zoom = ZoomedAbout(WholeShaft(), 16, QPoint(300, 100));
    QImage image(605, 725, QImage::Format_RGB32);
    Canvas target(image);
    Generate(memo, target, state, analysis);
    int direction = 1;
    for (auto _ : run) {
        state.Zoom = Panned(state.Zoom, QPoint(12 * direction, 0));
        direction = -direction;
        Generate(memo, target, state, analysis);
    }
}
BENCHMARK(PanStepAtZoom16)->Unit(benchmark::kMicrosecond);
BENCHMARK(PanStepAtZoom16)->Name("FirstPanStepAtZoom16")->Iterations(1)->Unit(benchmark::kMicrosecond);

// A wheel notch in or out about a point of the band, between 8 and 16 times.
void ZoomStepAboutThePointer(benchmark::State& run)
{
    const QStringList memo = SteppedShaftText();
    const TStrengthInputs inputs = AnalysedShaft();
    const TAnalysisState analysis = AnalysisOf(inputs);
    TEditorState state;
    SwitchAllOn(state);
    InstallStrengthOverlays(state, [&] { return inputs; });
    state.Zoom = ZoomedAbout(WholeShaft(), 8, QPoint(300, 100));
    QImage image(605, 725, QImage::Format_RGB32);
    Canvas target(image);
    Generate(memo, target, state, analysis);
    long double factor = 2;
    for (auto _ : run) {
        state.Zoom = ZoomedAbout(state.Zoom, factor, QPoint(240, 120));
        factor = 1 / factor;
        Generate(memo, target, state, analysis);
    }
}
BENCHMARK(ZoomStepAboutThePointer)->Unit(benchmark::kMicrosecond);

} // namespace

KORVEL_GUI_BENCHMARK_MAIN()
