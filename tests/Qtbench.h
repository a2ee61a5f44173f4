#pragma once

// The main of a benchmark that lays out text or draws: fonts need a
// QGuiApplication, which needs a platform even without a screen.

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace rcveltor::test {

inline int QtBenchMain(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace rcveltor::test
