// The entry of a benchmark whose work paints or measures text: Qt's fonts need an application.
#pragma once

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#define KORVEL_GUI_BENCHMARK_MAIN()                                                                                    \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QGuiApplication application(argc, argv);                                                                       \
        benchmark::Initialize(&argc, argv);                                                                            \
        benchmark::RunSpecifiedBenchmarks();                                                                           \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
