// The figure list's costs that a user waits for: picking over a full list (the select and delete
// press), and saving and opening a drawing of 200 figures.
#include "bench/bench_canvas.h"

#include "core/hit_test.h"
#include "core/shape_file.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <string>

namespace {

constexpr int CANVAS_W = 1920;
constexpr int CANVAS_H = 1080;

ObjectList* mixed_list()
{
    ObjectList* list = list_create();
    if (list) fill_mixed(list, LIST_CAPACITY, CANVAS_W, CANVAS_H);
    return list;
}

// A point of the canvas inside none of the figures, so a pick tests every one of them; none is
// found only if the figures cover the whole canvas.
bool find_empty_point(const ObjectList* list, int& px, int& py)
{
    for (py = CANVAS_H / 2; py < CANVAS_H; ++py)
        for (px = CANVAS_W / 2; px < CANVAS_W; ++px)
            if (list_pick(list, px, py) < 0) return true;
    return false;
}

void pick_miss(benchmark::State& state)
{
    ObjectList* list = mixed_list();
    int px = 0, py = 0;
    if (!list || !find_empty_point(list, px, py)) {
        state.SkipWithError("no figure list, or no point outside every figure");
        list_free(list);
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(list_pick(list, px, py));
    list_free(list);
}

void write_file(benchmark::State& state)
{
    ObjectList* list = mixed_list();
    QTemporaryDir dir;
    const std::string name = dir.filePath("drawing.edt").toStdString();
    for (auto _ : state) {
        if (list_write_file(name, list) != LIST_CAPACITY) {
            state.SkipWithError("the drawing could not be written");
            break;
        }
    }
    list_free(list);
}

void read_file(benchmark::State& state)
{
    ObjectList* list = mixed_list();
    QTemporaryDir dir;
    const std::string name = dir.filePath("drawing.edt").toStdString();
    if (list_write_file(name, list) != LIST_CAPACITY) state.SkipWithError("the drawing could not be written");
    for (auto _ : state) {
        if (list_read_file(name, list) != LIST_CAPACITY) {
            state.SkipWithError("the drawing could not be read");
            break;
        }
    }
    list_free(list);
}

}  // namespace

void register_list_benchmarks()
{
    benchmark::RegisterBenchmark("list_pick/200", pick_miss)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("list_write_file/200", write_file)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("list_read_file/200", read_file)->Unit(benchmark::kMicrosecond);
}
