// One undo and one redo of a drawing of 200 figures: restoring the figures and the file name,
// then the redraw that shows them. The redraw dominates; the history's own share should be small.
#include "bench/bench_canvas.h"

#include "app/undo_history.h"
#include "canvas/door.h"
#include "core/trace.h"

#include <benchmark/benchmark.h>

#include <QObject>
#include <QUndoStack>

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

// The steps trace "Undo."/"Redo." like the editor does; the lines go nowhere while timed, so the
// console's speed is not measured and the benchmark table stays readable.
class QuietStdout {
public:
    QuietStdout()
    {
        trace_wait_written(std::chrono::seconds(5));  // the writer thread is done with the console
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        close(null);
    }
    ~QuietStdout()
    {
        trace_wait_written(std::chrono::seconds(5));
        std::fflush(stdout);
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
    }

private:
    int saved_ = -1;
};

void history_step(benchmark::State& state, CanvasSize size, bool undo)
{
    BenchCanvas c(size.width, size.height);
    if (!c.ready) {
        state.SkipWithError("the canvas did not get the asked size");
        return;
    }
    fill_mixed(c.list, LIST_CAPACITY, size.width, size.height);
    QObject owner;
    QUndoStack* history = create_history(&owner, c.widget);
    delete_figure(c.list, 0);  // one step of 200 and 199 figures
    QuietStdout quiet;
    for (auto _ : state) {
        // Each timed step is prepared by its opposite, untimed.
        state.PauseTiming();
        if (!undo) history->undo();
        state.ResumeTiming();
        undo ? history->undo() : history->redo();
        state.PauseTiming();
        if (undo) history->redo();
        state.ResumeTiming();
    }
}

}  // namespace

void register_undo_benchmarks()
{
    for (const CanvasSize& size : BENCH_SIZES) {
        benchmark::RegisterBenchmark((std::string("undo_step/") + size.label).c_str(),
                                     [size](benchmark::State& st) { history_step(st, size, true); })
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("redo_step/") + size.label).c_str(),
                                     [size](benchmark::State& st) { history_step(st, size, false); })
            ->Unit(benchmark::kMicrosecond);
    }
}
