// main() of a benchmark program that needs widgets: the QApplication (offscreen
// unless a platform was chosen) must exist before the first benchmark runs.
#pragma once
#include <benchmark/benchmark.h>

#include <QApplication>

#define KALVEX_WIDGET_BENCHMARK_MAIN()                                     \
    int main(int argc, char** argv)                                        \
    {                                                                      \
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))                 \
            qputenv("QT_QPA_PLATFORM", "offscreen");                       \
        QApplication app(argc, argv);                                      \
        benchmark::Initialize(&argc, argv);                                \
        benchmark::RunSpecifiedBenchmarks();                               \
        benchmark::Shutdown();                                             \
        return 0;                                                          \
    }
