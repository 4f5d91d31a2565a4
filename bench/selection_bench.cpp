// A selection of all 200 figures at 1920x1080: Ctrl+A (every figure drawn highlighted), and one
// motion of a drag that moves all of them (the drawing, the selection and 200 outlines), through
// the real handlers. Each should stay within a frame, 16 ms.
#include "bench/bench_canvas.h"

#include "canvas/arrange.h"
#include "canvas/idle_handlers.h"
#include "canvas/select_tool.h"
#include "canvas/selection.h"
#include "canvas/shape_drawing.h"
#include "core/hit_test.h"
#include "toolkit/callbacks.h"
#include "toolkit/canvas_widget.h"

#include <benchmark/benchmark.h>

namespace {

constexpr CanvasSize FRAME = BENCH_SIZES[0];

void select_all_200(benchmark::State& state)
{
    BenchCanvas c(FRAME.width, FRAME.height);
    fill_mixed(c.list, LIST_CAPACITY, FRAME.width, FRAME.height);
    redraw_all(c.widget, c.list);
    end_gesture();  // no gesture in progress: the pointer's motion only traced
    for (auto _ : state) {
        select_all(c.widget);
        state.PauseTiming();
        select_none(c.widget);
        state.ResumeTiming();
    }
}

void move_selection_200(benchmark::State& state)
{
    BenchCanvas c(FRAME.width, FRAME.height);
    fill_mixed(c.list, LIST_CAPACITY, FRAME.width, FRAME.height);
    redraw_all(c.widget, c.list);
    end_gesture();  // no gesture in progress: the pointer's motion only traced
    select_all(c.widget);
    // A press inside the top figure (toolkit rows count down), then the drag of all of them.
    const ShapeRecord top = list_get(c.list, LIST_CAPACITY - 1);
    const int x = (shape_x1(top) + shape_x2(top)) / 2, drawing_y = (shape_y1(top) + shape_y2(top)) / 2;
    const int y = FRAME.height - 1 - drawing_y;
    if (list_pick(c.list, x, drawing_y) < 0) {
        state.SkipWithError("the press hit no figure");
        return;
    }
    select_button(c.widget, '1', 1, x, y);
    int step = 0;
    for (auto _ : state) {
        MotionFn motion = find_motion("motion_act");
        ++step;
        motion(c.widget, x + step % 50, y + step % 30);
    }
    if (selection_size() != LIST_CAPACITY) state.SkipWithError("the drag did not take the whole selection");
}

}  // namespace

void register_selection_benchmarks()
{
    benchmark::RegisterBenchmark("select_all/1920x1080", select_all_200)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("move_selection/1920x1080", move_selection_200)->Unit(benchmark::kMicrosecond);
}
