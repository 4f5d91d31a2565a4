// The recovery copy's cost to the editor: what one change of a drawing of 200 figures costs the
// event loop (the door's comparison, the decision and handing the drawing to the writer thread;
// target under 20 us median), and the time from a change until its copy is on disk, fsync
// included (median and worst of 100, reported as counters; target under 100 ms).
#include "bench/bench_canvas.h"

#include "app/recovery_copy.h"
#include "canvas/door.h"
#include "canvas/interaction_state.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A recovery copy in a scratch folder of its own, with 200 figures belonging to no file.
struct BenchRecovery {
    BenchRecovery()
    {
        char name[] = "/tmp/quadrix-bench-state-XXXXXX";
        folder = mkdtemp(name) ? name : "";
        setenv("XDG_STATE_HOME", folder.c_str(), 1);
        list = list_create();
        fill_mixed(list, LIST_CAPACITY, 1920, 1080);
        start_drawing();
        copy = std::make_unique<RecoveryCopy>(nullptr);
    }
    ~BenchRecovery()
    {
        copy->discard();
        copy.reset();
        list_free(list);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    // A move of figure 0 by one pixel one way or back.
    void change(int i)
    {
        ShapeRecord r = list_get(list, 0);
        r.x1 += (i % 2) ? -1 : 1;
        replace_figure(list, 0, r);
    }

    std::string folder;
    ObjectList* list = nullptr;
    std::unique_ptr<RecoveryCopy> copy;
};

void change_cost(benchmark::State& state)
{
    BenchRecovery b;
    if (!b.copy->active()) {
        state.SkipWithError("no recovery folder");
        return;
    }
    int i = 0;
    for (auto _ : state) b.change(i++);
    b.copy->wait_written(std::chrono::seconds(5));
}

void change_to_disk(benchmark::State& state)
{
    BenchRecovery b;
    if (!b.copy->active()) {
        state.SkipWithError("no recovery folder");
        return;
    }
    std::vector<double> samples;
    int i = 0;
    for (auto _ : state) {
        samples.clear();
        for (int k = 0; k < 100; ++k) {
            const auto start = std::chrono::steady_clock::now();
            b.change(i++);
            b.copy->wait_written(std::chrono::seconds(5));
            samples.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::sort(samples.begin(), samples.end());
    state.counters["median_us"] = samples[samples.size() / 2];
    state.counters["worst_us"] = samples.back();
}

}  // namespace

void register_recovery_benchmarks()
{
    benchmark::RegisterBenchmark("recovery_change/200", change_cost)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("recovery_change_to_disk/200x100", change_to_disk)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
}
