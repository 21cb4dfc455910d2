#include "BenchSupport.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    BenchSupport::prepareEnvironment();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
