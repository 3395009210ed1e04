// The revolution mesh of a long profile, and the frame rate of a typical shaft drawn by the viewer
// at the 3D window's viewport size, counted from the frames the widget itself draws.
#include "scene/gl_support.h"
#include "scene/scene_viewer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtMath>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// A shaft of `count` nodes: down on the axis at both ends, steps and fillets in between.
std::vector<QVector3D> ShaftNodes(int count)
{
    std::vector<QVector3D> nodes{{0, -5, 0}};
    const int inner = count - 2;
    for (int i = 0; i < inner; ++i) {
        const float y = -5 + 10.f * i / (inner - 1);
        const float step = 1.2f + 0.2f * float((i * 8 / inner) % 4);
        nodes.emplace_back(step + 0.05f * std::sin(float(i)), y, 0);
    }
    nodes.emplace_back(0, 5, 0);
    return nodes;
}

void RevolutionMesh256Points100Slices(benchmark::State& run)
{
    const std::vector<QVector3D> nodes = ShaftNodes(256);
    const TRevolutionParts parts{true, true, run.range(0) != 360, run.range(0) != 360};
    for (auto _ : run) benchmark::DoNotOptimize(BuildRevolutionMesh(nodes, 100, 0, float(run.range(0)), parts));
}
BENCHMARK(RevolutionMesh256Points100Slices)->Arg(360)->Arg(270)->Unit(benchmark::kMillisecond);

// The 3D window's scene: the solid lying along X, two fixed lights and one at the camera.
void TypicalShaftFrames(benchmark::State& run)
{
    TScene scene;
    TRevolutionSolid* solid = scene.AddRevolutionSolid();
    solid->SetNodes(ShaftNodes(40));
    solid->Up = {1, 0, 0};
    solid->ShowAxes = true;
    scene.AddLight()->Position = {10, 10, 10};
    TLightSource* second = scene.AddLight();
    second->Position = {-10, -5, -10};
    second->QuadraticAttenuation = 0.008f;
    TLightSource* eye = scene.AddLight();
    eye->Position = scene.Camera()->Position();
    if (!ViewerContextAvailable()) return run.SkipWithError("no OpenGL 2.1 context: run it on an X display (xvfb-run)");
    TSceneViewer viewer(&scene);
    viewer.resize(561, 449);
    viewer.show();
    for (int warm = 0; warm < 5; ++warm) {
        viewer.repaint();
        QCoreApplication::processEvents();
    }
    const long long before = viewer.FramesRendered();
    QElapsedTimer clock;
    clock.start();
    for (auto _ : run) {
        scene.Camera()->MoveAroundTarget(0, 1.5f);
        eye->Position = scene.Camera()->Position();
        viewer.repaint();
        QCoreApplication::processEvents();
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    run.counters["fps"] = double(viewer.FramesRendered() - before) / seconds;
    run.counters["triangles"] = double(solid->Mesh().size());
}
BENCHMARK(TypicalShaftFrames)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
