#include "bench/bench_canvas.h"

#include "canvas/canvas_context.h"
#include "canvas/interaction_state.h"
#include "canvas/selection.h"
#include "canvas/rubber_band.h"
#include "canvas/shape_drawing.h"
#include "toolkit/attributes.h"
#include "toolkit/callbacks.h"
#include "toolkit/canvas_widget.h"

#include <QApplication>
#include <cstdint>

namespace {

// A small linear congruential sequence: reproducible drawings without <random>'s
// implementation-defined distributions.
struct Sequence {
    uint32_t state;
    int next(int lo, int hi)
    {
        state = state * 1664525u + 1013904223u;
        return lo + int((state >> 8) % uint32_t(hi - lo + 1));
    }
};

}  // namespace

BenchCanvas::BenchCanvas(int width, int height)
{
    reset_interaction_state();
    forget_selection();
    widget = new CanvasWidget;
    widget->resize(width, height);
    widget->show();
    drain_events();
    canvas_context_create(widget);
    list = list_create();
    set_pointer_attribute(widget, "objetos", list);
    ready = list && widget->image()->size() == QSize(width, height);
}

BenchCanvas::~BenchCanvas()
{
    drain_events();  // the repaints the benchmark asked for, so none is left for the next one
    canvas_context_free(widget);
    delete widget;
    list_free(list);
    clear_functions();
    reset_interaction_state();
    forget_selection();
}

void drain_events()
{
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void fill_mixed(ObjectList* list, int n, int width, int height)
{
    Sequence seq{12345u};
    for (int i = 0; i < n && i < LIST_CAPACITY; ++i) {
        const int w = seq.next(40, 400), h = seq.next(30, 300);
        const int x = seq.next(0, width - 1 - w), y = seq.next(0, height - 1 - h);
        if (i % 3 == SHAPE_TRIANGLE)
            list_set(list, i, SHAPE_TRIANGLE, x, x + w, x + seq.next(0, w), y, y + seq.next(0, h / 2), y + h);
        else
            list_set(list, i, i % 3, x, x + w, -1, y, y + h, -1);
        list->count = i + 1;  // list_add_* would trace every figure on the console
    }
}
