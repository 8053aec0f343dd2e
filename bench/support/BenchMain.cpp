#include "bench/support/Summary.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>

// One Qt application for the whole benchmark program, on the offscreen platform unless one is chosen;
// the table of figures and floors follows the library's own report.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const int missed = bench::printSummary();
    std::fflush(stdout);
    // A missed target is a finding, not a failure of the run.
    if (missed > 0)
        std::printf("%d target(s) missed\n", missed);
    return 0;
}
