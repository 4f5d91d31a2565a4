// What a listener waits for when a figure takes the focus among 200: its relations (said in its
// description) and the nearest figure in a direction (Alt+arrows). Each should stay well under a
// millisecond. Every figure and direction in turn, so no one figure's place decides the result.
#include "bench/bench_canvas.h"

#include "core/figure_layout.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int CANVAS_W = 1920;
constexpr int CANVAS_H = 1080;

void relations_200(benchmark::State& state)
{
    ObjectList* list = list_create();
    if (!list) {
        state.SkipWithError("no figure list");
        return;
    }
    fill_mixed(list, LIST_CAPACITY, CANVAS_W, CANVAS_H);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(figure_relations(list, i));
        i = (i + 1) % LIST_CAPACITY;
    }
    list_free(list);
}

void nearest_200(benchmark::State& state)
{
    ObjectList* list = list_create();
    if (!list) {
        state.SkipWithError("no figure list");
        return;
    }
    fill_mixed(list, LIST_CAPACITY, CANVAS_W, CANVAS_H);
    int step = 0;
    for (auto _ : state) {
        const auto d = static_cast<Direction>(step % 4);
        benchmark::DoNotOptimize(nearest_in_direction(list, step % LIST_CAPACITY, d));
        ++step;
    }
    list_free(list);
}

}  // namespace

void register_layout_benchmarks()
{
    benchmark::RegisterBenchmark("figure_relations/200", relations_200)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("nearest_in_direction/200", nearest_200)->Unit(benchmark::kMicrosecond);
}
