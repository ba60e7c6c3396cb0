#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>

#include "SharedPlants.h"
#include "ui/Forms.h"

namespace mesbench {

namespace {

void runSelected(int* argc, char** argv) {
    benchmark::Initialize(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

}  // namespace

int runBenchmarks(int argc, char** argv, const std::function<void()>& cleanUp) {
    QCoreApplication app(argc, argv);
    runSelected(&argc, argv);
    if (cleanUp) cleanUp();
    releaseSharedPlants();
    return 0;
}

int runScreenBenchmarks(int argc, char** argv, const std::function<void()>& cleanUp) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    runSelected(&argc, argv);
    mes::Forms::unloadAll();
    if (cleanUp) cleanUp();
    releaseSharedPlants();
    return 0;
}

}  // namespace mesbench
