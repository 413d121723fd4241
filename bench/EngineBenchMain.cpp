#include "rules/Log.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

// The round trip needs an event loop for QProcess.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Every chunk read is logged; printing them would swamp the figures.
    Log::setSink([](const std::string&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
