// Benchmarks of the editor's interactive paths, on an offscreen canvas unless the caller picked
// another platform. Run through scripts/bench, which also prints the target ratios.
#include "bench/bench_canvas.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    register_rubber_band_benchmarks();
    register_redraw_benchmarks();
    register_list_benchmarks();
    register_undo_benchmarks();
    register_recovery_benchmarks();
    register_selection_benchmarks();
    register_layout_benchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
