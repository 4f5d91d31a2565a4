// A whole redraw of 200 mixed figures (what a resize, a repaint, an open or the end of a move
// costs) beside one plain fill of the same image, the memory-bandwidth floor of any redraw; and
// the same redraw with the grid shown under the figures, at its densest everyday spacing (2) and
// its spacing at start (10).
#include "bench/bench_canvas.h"

#include "canvas/canvas_context.h"
#include "canvas/grid.h"
#include "canvas/selection.h"
#include "canvas/rubber_band.h"
#include "canvas/shape_drawing.h"
#include "toolkit/canvas_widget.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// spacing 0: the grid hidden, as at start.
void redraw_200(benchmark::State& state, CanvasSize size, int spacing)
{
    BenchCanvas c(size.width, size.height);
    if (!c.ready) {
        state.SkipWithError("the canvas did not get the asked size");
        return;
    }
    if (spacing) set_canvas_grid(c.widget, Grid{.shown = true, .spacing = spacing});
    fill_mixed(c.list, LIST_CAPACITY, size.width, size.height);
    for (auto _ : state) benchmark::DoNotOptimize(redraw_all(c.widget, c.list));
}

void plain_fill(benchmark::State& state, CanvasSize size)
{
    BenchCanvas c(size.width, size.height);
    if (!c.ready) {
        state.SkipWithError("the canvas did not get the asked size");
        return;
    }
    QImage* image = c.widget->image();
    for (auto _ : state) {
        image->fill(0xFFFFFFFFu);
        benchmark::ClobberMemory();
    }
}

}  // namespace

void register_redraw_benchmarks()
{
    for (const CanvasSize& size : BENCH_SIZES) {
        benchmark::RegisterBenchmark((std::string("redraw_all/") + size.label).c_str(),
                                     [size](benchmark::State& st) { redraw_200(st, size, 0); })
            ->Unit(benchmark::kMicrosecond);
        for (int spacing : {2, 10}) {
            const std::string name = "redraw_all+grid" + std::to_string(spacing) + "/" + size.label;
            benchmark::RegisterBenchmark(name.c_str(), [size, spacing](benchmark::State& st) {
                redraw_200(st, size, spacing);
            })->Unit(benchmark::kMicrosecond);
        }
        benchmark::RegisterBenchmark((std::string("fill/") + size.label).c_str(),
                                     [size](benchmark::State& st) { plain_fill(st, size); })
            ->Unit(benchmark::kMicrosecond);
    }
}
