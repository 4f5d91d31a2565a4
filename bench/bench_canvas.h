// What the benchmarks share: a shown canvas of a chosen size with its drawing context and figure
// list, as start-up leaves them, and a drawing of mixed figures to fill a list with.
#pragma once

#include "core/shape_list.h"

class CanvasWidget;

// The two canvas sizes every size-dependent benchmark runs at.
struct CanvasSize {
    int width;
    int height;
    const char* label;  // "1920x1080"
};
inline constexpr CanvasSize BENCH_SIZES[] = {{1920, 1080, "1920x1080"}, {3840, 2160, "3840x2160"}};

// A canvas widget shown at exactly width x height, a context on it and an empty list hung on it
// as "objetos". Everything is torn down again, the interaction state and callbacks reset.
class BenchCanvas {
public:
    BenchCanvas(int width, int height);
    ~BenchCanvas();
    BenchCanvas(const BenchCanvas&) = delete;
    BenchCanvas& operator=(const BenchCanvas&) = delete;

    CanvasWidget* widget = nullptr;
    ObjectList* list = nullptr;
    bool ready = false;  // the image has the asked size (a platform could refuse it)
};

// Lets queued events run: the first resize and paint of a shown widget arrive this way.
void drain_events();
// n figures, rectangles, ellipses and triangles in turn, of 40 to 400 by 30 to 300 pixels, spread
// over a width x height canvas by a fixed pseudo-random sequence (the same drawing every run).
void fill_mixed(ObjectList* list, int n, int width, int height);

// Each subject's file registers its benchmarks; bench_main.cpp calls these in this order.
void register_rubber_band_benchmarks();
void register_redraw_benchmarks();
void register_list_benchmarks();
void register_undo_benchmarks();
void register_recovery_benchmarks();
void register_selection_benchmarks();
void register_layout_benchmarks();
